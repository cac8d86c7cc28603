// Graphics that draw themselves into the current device context: lines
// and texts.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kGraphicClass({
    .name = "Graphic",
    .attributes = {"Pen"},
});

const ovClassDeclaration kLineClass({
    .name = "Line",
    .superclass = "Graphic",
    .attributes = {"End Points", "Region"},
});

const ovClassDeclaration kTextClass({
    .name = "Text",
    .superclass = "Graphic",
    .attributes = {"Font", "Text"},
});

}  // namespace
