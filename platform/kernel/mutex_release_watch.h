// Ending a message wait when a mutex it waits for is released.
//
// MsgWaitForMultipleObjectsEx sleeps in the display backend's wait, which
// input and posts end. While a watch covers a mutex, releasing it (from any
// thread) ends that wait too, and the waiter tries to take the mutex again.
// Implemented in mutex.cpp, beside the lock it watches.
#pragma once

#include <span>
#include <vector>

#include "platform/win32.h"

namespace platform::kernel {

struct Mutex;

class MutexReleaseWatch {
 public:
  // Watches the mutexes the handles name; they stay alive while watched,
  // even when their last handle is closed meanwhile.
  explicit MutexReleaseWatch(std::span<const HANDLE> handles);
  ~MutexReleaseWatch();
  MutexReleaseWatch(const MutexReleaseWatch&) = delete;
  MutexReleaseWatch& operator=(const MutexReleaseWatch&) = delete;

  // Whether every handle named a mutex.
  bool coversAll() const { return coversAll_; }

 private:
  std::vector<Mutex*> watched_;
  bool coversAll_ = true;
};

}  // namespace platform::kernel
