// Window items: everything that sits in a window's view.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kWindowItemClass({
    .name = "Window Item",
    .attributes = {"Owner", "Name", "Frame", "Active?", "Visible?", "Transparent?", "Border", "Resize",
                   "Click Behavior", "Key Behavior", "Balloon Help", "Number", "Flags"},
});

}  // namespace
