// Special keys: accelerators with the behaviours they post, on an item or
// a window.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kSpecialKeysClass({
    .name = "Special Keys",
    .attributes = {"Keys"},
});

}  // namespace
