// Graphic items: window items that show a graphic and can act as a button
// drawn by the framework.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kGraphicItemClass({
    .name = "Graphic Item",
    .superclass = "Window Item",
    .attributes = {"Graphic", "Button?", "Capture?", "Inverted?"},
});

}  // namespace
