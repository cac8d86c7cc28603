// Menus, mirrored into platform popup menus, and the framework's default
// File menu.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kMenuClass({
    .name = "Menu",
    .attributes = {"Owner", "Name", "Title", "Resource", "Number", "Menu Record", "Hierarchical?", "Menu Items",
                   "Enabled?", "String?", "Flags", "Character", "Enabler"},
});

const ovClassDeclaration kBasicFileMenuClass({
    .name = "Basic File Menu",
    .superclass = "Menu",
});

}  // namespace
