// Graphic items.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kGraphicItemClass({
    .name = "Graphic Item",
    .superclass = "Window Item",
    .attributes = {"Graphic", "Button?", "Capture?", "Inverted?"},
});

}  // namespace
