// Menu enabling, recomputed on an idle pass by one deferred task however
// many changes asked for it.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kMenuTaskClass({
    .name = "Menu Task",
    .superclass = "Deferred Task",
});

}  // namespace
