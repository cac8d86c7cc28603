#include "platform/backends/headless/headless_backend.h"

#include <chrono>

namespace platform::headless {

void HeadlessBackend::waitForInput(DWORD milliseconds) {
  std::unique_lock guard(lock_);
  auto ready = [this] { return wakePending_; };
  if (milliseconds == INFINITE) woken_.wait(guard, ready);
  else woken_.wait_for(guard, std::chrono::milliseconds(milliseconds), ready);
  wakePending_ = false;
}

void HeadlessBackend::wake() {
  {
    std::lock_guard guard(lock_);
    wakePending_ = true;
  }
  woken_.notify_all();
}

}  // namespace platform::headless
