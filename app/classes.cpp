// The calculator's own classes: its main window and its application.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kMainWindowClass({
    .name = "Main Window",
    .superclass = "Window",
});

const ovClassDeclaration kStarterApplicationClass({
    .name = "Starter Application",
    .superclass = "Application",
});

}  // namespace
