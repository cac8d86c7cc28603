// Menu items: titles, command numbers, enabling and the behaviour a
// choice posts.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kMenuItemClass({
    .name = "Menu Item",
    .attributes = {"Owner", "Name", "Title", "Enabled?", "Separator?", "Behavior", "Flags", "Number", "String?",
                   "Character", "Accelerator"},
});

}  // namespace
