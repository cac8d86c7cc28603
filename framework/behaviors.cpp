// Behaviours: commands stored with a window item or menu item that name a
// method and the specifiers of its inputs.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kBehaviorClass({
    .name = "Behavior",
    .superclass = "Command",
    .attributes = {"Method", "Specifiers", "Attachments"},
});

const ovClassDeclaration kMenuBehaviorClass({
    .name = "Menu Behavior",
    .superclass = "Behavior",
    .attributes = {"Menu", "Item", "Enabler"},
});

const ovClassDeclaration kWindowItemBehaviorClass({
    .name = "Window Item Behavior",
    .superclass = "Behavior",
    .attributes = {"Window", "Window Item", "Event"},
});

const ovClassDeclaration kControlBehaviorClass({
    .name = "Control Behavior",
    .superclass = "Window Item Behavior",
    .attributes = {"Part"},
});

}  // namespace
