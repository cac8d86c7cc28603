// Text tasks: the clipboard commands of edit texts, done and undone
// through the commander.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kTextTaskClass({
    .name = "Text Task",
    .superclass = "Task",
    .attributes = {"Text Item", "Before", "Before Style", "Before Point", "After", "After Style", "After Point"},
});

const ovClassDeclaration kCutTaskClass({
    .name = "Cut Task",
    .superclass = "Text Task",
});

const ovClassDeclaration kCopyTaskClass({
    .name = "Copy Task",
    .superclass = "Text Task",
});

const ovClassDeclaration kPasteTaskClass({
    .name = "Paste Task",
    .superclass = "Text Task",
});

const ovClassDeclaration kClearTaskClass({
    .name = "Clear Task",
    .superclass = "Text Task",
});

}  // namespace
