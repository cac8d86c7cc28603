// A window's menu bar, mirrored into a platform menu bar.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kMenubarClass({
    .name = "Menubar",
    .attributes = {"Owner", "Menus", "Menubar Record", "Gray Region", "Menu Bar Height", "Filters"},
});

}  // namespace
