// Push buttons.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kPushButtonClass({
    .name = "Push Button",
    .superclass = "Control",
    .classAttributes = {"ProcID"},
});

}  // namespace
