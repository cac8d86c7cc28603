// Fonts: platform fonts made from a face name, size and style.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kFontClass({
    .name = "Font",
    .attributes = {"Apply?", "Font Name", "Font", "Size", "Style", "Color", "Justification"},
});

}  // namespace
