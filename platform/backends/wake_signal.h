// A wait that another thread, or a later wake on the same thread, can end
// early: what a backend's waitForInput does when nothing else can wake it.
#pragma once

#include <condition_variable>
#include <mutex>

#include "platform/win32.h"

namespace platform {

class WakeSignal {
 public:
  // Returns at a wake (one given since the last wait ended counts) or when
  // the time is up; INFINITE waits for a wake.
  void wait(DWORD milliseconds);
  void wake();

 private:
  std::mutex lock_;
  std::condition_variable woken_;
  bool pending_ = false;
};

}  // namespace platform
