#include "platform/user/modal_loop.h"

namespace platform::user {

bool runModalLoop(ModalLoop& loop) {
  bool idleTold = false;
  MSG msg;
  while (!loop.done()) {
    // An empty read waits for input or the next timer (PeekMessageA's idle
    // wait), so the loop does not spin while nothing happens.
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!idleTold) loop.idle();
      idleTold = true;
      continue;
    }
    idleTold = false;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (loop.preview(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

}  // namespace platform::user
