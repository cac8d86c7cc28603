#include "platform/backends/wake_signal.h"

#include <chrono>

namespace platform {

void WakeSignal::wait(DWORD milliseconds) {
  std::unique_lock guard(lock_);
  auto ready = [this] { return pending_; };
  if (milliseconds == INFINITE) woken_.wait(guard, ready);
  else woken_.wait_for(guard, std::chrono::milliseconds(milliseconds), ready);
  pending_ = false;
}

void WakeSignal::wake() {
  {
    std::lock_guard guard(lock_);
    pending_ = true;
  }
  woken_.notify_all();
}

}  // namespace platform
