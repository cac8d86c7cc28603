// The demo: a person's program on the sdl backend, or on the one
// VELMARO_BACKEND names. Its loop has the framework's shape: one message per
// pass, or an idle pass when PeekMessageA (after waiting a little) finds
// none.
//
// For the end-to-end test and the benchmark: --layout reports where its
// controls are (one line on standard error); --snapshot PATH saves what its
// window shows to PATH at the idle pass after each new value.
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
  bool layout = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--layout") == 0) layout = true;
    else if (std::strcmp(argv[i], "--snapshot") == 0 && i + 1 < argc) snapshots.path = argv[++i];
  }
  if (!platform::startBackend("sdl")) return 1;
  demo::DemoWindow demo = demo::openDemoWindow();
  if (!demo.window) return 1;
  if (layout) demo::reportLayout(demo);
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
