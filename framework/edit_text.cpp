// Edit text items over the platform "Edit" control.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kEditTextClass({
    .name = "Edit Text",
    .superclass = "Window Item",
    .attributes = {"Text Editor", "Wrap?", "Auto Scroll?", "Font", "Enter Behavior", "Exit Behavior", "Text Filter",
                   "Text", "Style Record", "Style?", "Editable?"},
});

}  // namespace
