// Commands and behaviours: named methods with specifiers that resolve to
// their inputs when the behaviour is done.

#include "runtime/tables/declarations.h"

namespace {

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
