// Pens: platform pens with colour, width, style and raster mode.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kPenClass({
    .name = "Pen",
    .attributes = {"Apply?", "Size", "Pattern", "Mode", "ForeColor", "BackColor", "Style", "Pen Handle"},
});

}  // namespace
