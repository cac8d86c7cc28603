// Menu bars, menus, menu items, their behaviours, and accelerator entries.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kMenuTaskClass({
    .name = "Menu Task",
    .superclass = "Deferred Task",
});

const ovClassDeclaration kMenubarClass({
    .name = "Menubar",
    .attributes = {"Owner", "Menus", "Menubar Record", "Gray Region", "Menu Bar Height", "Filters"},
});

const ovClassDeclaration kMenuClass({
    .name = "Menu",
    .attributes = {"Owner", "Name", "Title", "Resource", "Number", "Menu Record", "Hierarchical?", "Menu Items",
                   "Enabled?", "String?", "Flags", "Character", "Enabler"},
});

const ovClassDeclaration kMenuItemClass({
    .name = "Menu Item",
    .attributes = {"Owner", "Name", "Title", "Enabled?", "Separator?", "Behavior", "Flags", "Number", "String?",
                   "Character", "Accelerator"},
});

const ovClassDeclaration kMenuBehaviorClass({
    .name = "Menu Behavior",
    .superclass = "Behavior",
    .attributes = {"Menu", "Item", "Enabler"},
});

const ovClassDeclaration kBasicFileMenuClass({
    .name = "Basic File Menu",
    .superclass = "Menu",
});

const ovClassDeclaration kAcceleratorEntryClass({
    .name = "Accelerator Entry",
    .attributes = {"Control?", "Alt?", "Shift?", "Invert Menu?", "Case Sensitive?", "Character", "ID"},
});

}  // namespace
