// Backgrounds: the brush a view or item paints behind itself.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kBackgroundClass({
    .name = "Background",
    .attributes = {"Color", "Pattern", "Object"},
});

}  // namespace
