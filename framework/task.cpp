// Tasks: commands that run later or undo text edits.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kTaskClass({
    .name = "Task",
    .superclass = "Command",
    .attributes = {"Done"},
});

const ovClassDeclaration kDeferredTaskClass({
    .name = "Deferred Task",
    .superclass = "Task",
    .attributes = {"When"},
});

const ovClassDeclaration kMenuTaskClass({
    .name = "Menu Task",
    .superclass = "Deferred Task",
});

const ovClassDeclaration kTextTaskClass({
    .name = "Text Task",
    .superclass = "Task",
    .attributes = {"Text Item", "Before", "Before Style", "Before Point", "After", "After Style", "After Point"},
});

const ovClassDeclaration kClearTaskClass({
    .name = "Clear Task",
    .superclass = "Text Task",
});

const ovClassDeclaration kCopyTaskClass({
    .name = "Copy Task",
    .superclass = "Text Task",
});

const ovClassDeclaration kCutTaskClass({
    .name = "Cut Task",
    .superclass = "Text Task",
});

const ovClassDeclaration kPasteTaskClass({
    .name = "Paste Task",
    .superclass = "Text Task",
});

}  // namespace
