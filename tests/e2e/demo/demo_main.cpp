// The demo: a person's program on the sdl backend, or on the one
// VELMARO_BACKEND names. Its loop has the framework's shape: one message per
// pass, or an idle pass when PeekMessageA (after waiting a little) finds
// none.
//
// With --snapshot PATH (for the end-to-end test) it also reports where its
// controls are, and at the idle pass after each new value saves what its
// window shows to PATH.
#include <cstring>
#include <string>

#include "demo_snapshot.h"
#include "demo_window.h"
#include "platform/backend.h"

namespace {

struct Snapshots {
  std::string path;
  std::string savedFor;

  void idle(const demo::DemoWindow& demo) {
    if (path.empty() || savedFor == demo::shownValue()) return;
    savedFor = demo::shownValue();
    demo::saveShownPart(demo.window, path);
  }
};

}  // namespace

int main(int argc, char** argv) {
  Snapshots snapshots;
  if (argc == 3 && std::strcmp(argv[1], "--snapshot") == 0) snapshots.path = argv[2];
  if (!platform::startBackend("sdl")) return 1;
  demo::DemoWindow demo = demo::openDemoWindow();
  if (!demo.window) return 1;
  if (!snapshots.path.empty()) demo::reportLayout(demo);
  MSG msg;
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      snapshots.idle(demo);
      continue;
    }
    if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
