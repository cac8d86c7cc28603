// Push buttons, one of which can be a window's default button.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kPushButtonClass({
    .name = "Push Button",
    .superclass = "Control",
    .classAttributes = {"ProcID"},
});

}  // namespace
