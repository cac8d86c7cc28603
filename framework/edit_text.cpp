// Edit text items and the special keys they filter.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kEditTextClass({
    .name = "Edit Text",
    .superclass = "Window Item",
    .attributes = {"Text Editor", "Wrap?", "Auto Scroll?", "Font", "Enter Behavior", "Exit Behavior", "Text Filter",
                   "Text", "Style Record", "Style?", "Editable?"},
});

const ovClassDeclaration kSpecialKeysClass({
    .name = "Special Keys",
    .attributes = {"Keys"},
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
