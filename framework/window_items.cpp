// Window items, their borders and backgrounds.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kWindowItemClass({
    .name = "Window Item",
    .attributes = {"Owner", "Name", "Frame", "Active?", "Visible?", "Transparent?", "Border", "Resize",
                   "Click Behavior", "Key Behavior", "Balloon Help", "Number", "Flags"},
});

const ovClassDeclaration kRegularBorderClass({
    .name = "Regular Border",
    .attributes = {"Owner", "Pen"},
});

const ovClassDeclaration kBackgroundClass({
    .name = "Background",
    .attributes = {"Color", "Pattern", "Object"},
});

}  // namespace
