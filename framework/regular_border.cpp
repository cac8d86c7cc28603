// Regular borders: the frame an item draws around itself.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kRegularBorderClass({
    .name = "Regular Border",
    .attributes = {"Owner", "Pen"},
});

}  // namespace
