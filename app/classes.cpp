// The calculator's own classes: its main window, whose caption is the
// application's name, and its application.
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector GetName("Get Name");
}  // namespace sel

namespace uni {
const ovUniversalName GetApplication("Get Application");
}  // namespace uni

// The caption: the application's name, not the window's "Title".
ovStatus GetTitle(const ov::Args& a) {
  a.put(0, ov::send(sel::GetName, ov::universal(uni::GetApplication).get()).take());
  return ovSuccess;
}

const ovClassDeclaration kMainWindowClass({
    .name = "Main Window",
    .superclass = "Window",
    .methods = {{"Get Title", ov::routine<GetTitle>}},
});

const ovClassDeclaration kStarterApplicationClass({
    .name = "Starter Application",
    .superclass = "Application",
});

}  // namespace
