// Commands: what can be posted, done, undone and redone.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kCommandClass({
    .name = "Command",
    .attributes = {"Name", "Enabled?", "Undo?", "Recordable?"},
});

}  // namespace
