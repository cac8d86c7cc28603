// Graphics: lines and texts drawn with pens.

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

const ovClassDeclaration kPenClass({
    .name = "Pen",
    .attributes = {"Apply?", "Size", "Pattern", "Mode", "ForeColor", "BackColor", "Style", "Pen Handle"},
});

}  // namespace
