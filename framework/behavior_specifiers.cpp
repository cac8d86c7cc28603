// Behaviour specifiers: what a behaviour's inputs resolve to when it is done.
#include "runtime/tables/declarations.h"

namespace {

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

const ovClassDeclaration kWindowItemSpecifierClass({
    .name = "Window Item Specifier",
    .superclass = "Behavior Specifier",
});

const ovClassDeclaration kValueSpecifierClass({
    .name = "Value Specifier",
    .superclass = "Window Item Specifier",
});

}  // namespace
