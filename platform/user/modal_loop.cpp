#include "platform/user/modal_loop.h"

namespace platform::user {

bool runModalLoop(ModalLoop& loop) {
  bool idleTold = false;
  MSG msg;
  while (!loop.done()) {
    // After an empty read the loop waits for what comes next instead of
    // spinning while nothing happens.
    // The idle step may end the loop or post to it, so the loop looks again
    // before it waits.
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!idleTold) loop.idle();
      else WaitMessage();
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
