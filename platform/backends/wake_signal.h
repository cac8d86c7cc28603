// A wait that another thread, or a later wake on the same thread, can end
// early: what a backend's waitForInput does when nothing else can wake it.
// A termination signal (platform/termination.h) ends it too.
#pragma once

#include "platform/win32.h"

namespace platform {

class WakeSignal {
 public:
  WakeSignal();
  ~WakeSignal();
  WakeSignal(const WakeSignal&) = delete;
  WakeSignal& operator=(const WakeSignal&) = delete;

  // Returns at a wake (one given since the last wait ended counts), a
  // termination signal, or when the time is up; INFINITE waits for either.
  void wait(DWORD milliseconds);
  // Callable from any thread.
  void wake();

 private:
  int descriptor_;  // an event descriptor; -1 when none could be made
};

}  // namespace platform
