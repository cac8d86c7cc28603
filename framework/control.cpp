// Controls: the platform controls of window items.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kControlClass({
    .name = "Control",
    .superclass = "Window Item",
    .attributes = {"Title", "Font", "Color", "Control Record", "Min", "Max", "Control Value", "Type"},
    .classAttributes = {"ProcID"},
});

const ovClassDeclaration kControlBehaviorClass({
    .name = "Control Behavior",
    .superclass = "Window Item Behavior",
    .attributes = {"Part"},
});

}  // namespace
