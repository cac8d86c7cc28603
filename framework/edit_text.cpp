// Edit text items and the special keys they filter.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kEditTextClass({
    .name = "Edit Text",
    .superclass = "Window Item",
    .attributes = {"Text Editor", "Wrap?", "Auto Scroll?", "Font", "Enter Behavior", "Exit Behavior", "Text Filter",
                   "Text", "Style Record", "Style?", "Editable?"},
});

const ovClassDeclaration kSpecialKeysClass({
    .name = "Special Keys",
    .attributes = {"Keys"},
});

}  // namespace
