// The cursor set of the application.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kCursorsClass({
    .name = "Cursors",
    .attributes = {"Cursor List", "Current", "When", "Rate", "Visible?"},
});

}  // namespace
