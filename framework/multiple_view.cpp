// Multiple views: one sub-view shown at a time, each with its own tab order.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kMultipleViewClass({
    .name = "Multiple View",
    .superclass = "View",
    .attributes = {"Initial View", "Current View", "Saved Frame", "Tab Orders"},
});

}  // namespace
