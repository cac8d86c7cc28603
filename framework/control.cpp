// Controls: platform "BUTTON" child windows.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kControlClass({
    .name = "Control",
    .superclass = "Window Item",
    .attributes = {"Title", "Font", "Color", "Control Record", "Min", "Max", "Control Value", "Type"},
    .classAttributes = {"ProcID"},
});

}  // namespace
