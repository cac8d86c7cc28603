// The desktop: every open window, the front window, modality and mouse routing; the screens.

#include "framework/persistents.h"
#include "runtime/tables/declarations.h"

ovC_object* gReturnValue = nullptr;

namespace {

const ovPersistentDeclaration kReturnValuePersistent("Return Value", &gReturnValue);

const ovClassDeclaration kDesktopClass({
    .name = "Desktop",
    .attributes = {"Screens", "Windows", "Window Records", "Floating", "Menubar", "Last Window", "Bounds", "Modal?",
                   "Last Help", "Current ID"},
});

const ovClassDeclaration kScreenClass({
    .name = "Screen",
    .attributes = {"Screen Record"},
});

}  // namespace
