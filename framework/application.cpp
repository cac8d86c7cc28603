// The application object and its run loop.

#include "framework/persistents.h"
#include "runtime/tables/declarations.h"

ovC_object* gTheApplication = nullptr;
ovC_object* gTheFrontApplication = nullptr;
ovC_object* gTheProcesses = nullptr;

namespace {

const ovPersistentDeclaration kTheApplicationPersistent("The Application", &gTheApplication);
const ovPersistentDeclaration kTheFrontApplicationPersistent("The Front Application", &gTheFrontApplication);
const ovPersistentDeclaration kTheProcessesPersistent("The Processes", &gTheProcesses);

const ovClassDeclaration kApplicationClass({
    .name = "Application",
    .attributes = {"Name",
                   "Active?",
                   "Commander",
                   "Desktop",
                   "Printer",
                   "Documents",
                   "Clipboard",
                   "Signature",
                   "Cursor",
                   "Current Session",
                   "Target",
                   "Utility",
                   "Initial Behavior",
                   "Initial Menus",
                   "Initial Windows",
                   "Main Documents",
                   "Is Foreground?",
                   "Rainy Day Fund",
                   "Abort Routine",
                   "3D Interface?",
                   "Main Window",
                   "MDI?"},
});

}  // namespace
