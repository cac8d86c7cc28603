// The commander, commands, behaviours and their specifiers.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kCommanderClass({
    .name = "Commander",
    .attributes = {"Event Handler", "Modeless Handler", "Modal Handler", "Deferred Commands", "Undo Command", "Redo?"},
});

const ovClassDeclaration kCommandClass({
    .name = "Command",
    .attributes = {"Name", "Enabled?", "Undo?", "Recordable?"},
});

const ovClassDeclaration kBehaviorClass({
    .name = "Behavior",
    .superclass = "Command",
    .attributes = {"Method", "Specifiers", "Attachments"},
});

const ovClassDeclaration kBehaviorSpecifierClass({
    .name = "Behavior Specifier",
    .attributes = {"Value"},
});

const ovClassDeclaration kAttributeSpecifierClass({
    .name = "Attribute Specifier",
    .superclass = "Behavior Specifier",
});

const ovClassDeclaration kMethodSpecifierClass({
    .name = "Method Specifier",
    .superclass = "Behavior Specifier",
});

const ovClassDeclaration kPersistentSpecifierClass({
    .name = "Persistent Specifier",
    .superclass = "Behavior Specifier",
});

const ovClassDeclaration kWindowItemBehaviorClass({
    .name = "Window Item Behavior",
    .superclass = "Behavior",
    .attributes = {"Window", "Window Item", "Event"},
});

const ovClassDeclaration kWindowItemSpecifierClass({
    .name = "Window Item Specifier",
    .superclass = "Behavior Specifier",
});

const ovClassDeclaration kValueSpecifierClass({
    .name = "Value Specifier",
    .superclass = "Window Item Specifier",
});

}  // namespace
