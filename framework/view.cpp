// Views: window items that hold other items.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kViewClass({
    .name = "View",
    .superclass = "Window Item",
    .attributes = {"VScroll", "HScroll", "Limits", "Background", "Window Origin", "Clip Rect", "Origin",
                   "Draw Behavior", "Content", "Window Record"},
});

}  // namespace
