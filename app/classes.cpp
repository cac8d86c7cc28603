// The calculator's own classes: its main window, whose caption is the
// application's name, and its application.
#include "runtime/methods/kit.h"

namespace {

// The caption: the application's name, not the window's "Title".
ovStatus GetTitle(const ov::Args& a) {
  a.put(0, ov::send("Get Name"_sel, ov::universal("Get Application"_uni).get()).take());
  return ovSuccess;
}

const ovClassDeclaration kMainWindowClass({
    .name = "Main Window"_cls,
    .superclass = "Window"_cls,
    .methods = {{"Get Title"_sel, ov::routine<GetTitle>}},
});

const ovClassDeclaration kStarterApplicationClass({
    .name = "Starter Application"_cls,
    .superclass = "Application"_cls,
});

}  // namespace
