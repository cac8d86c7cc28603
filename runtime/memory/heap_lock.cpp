#include "runtime/memory/heap_lock.h"

#include <thread>

#include "runtime/memory/thread_sync.h"

ovMemHeapLock::ovMemHeapLock() : biasedThread_(ThisThread()), revoked_(!ovBarrierOnEveryThreadAvailable()) {}

void ovMemHeapLock::LockShared() {
  ThreadId self = ThisThread();
  if (owner_.load(std::memory_order_relaxed) == self) {
    ++depth_;
    return;
  }
  int expected = 0;
  if (!state_.compare_exchange_strong(expected, 1, std::memory_order_acquire)) WaitForShared();
  owner_.store(self, std::memory_order_relaxed);
  depth_ = 1;
  if (!revoked_.load(std::memory_order_relaxed)) RevokeBias();
}

void ovMemHeapLock::UnlockShared() {
  if (owner_.load(std::memory_order_relaxed) != ThisThread()) return;
  if (--depth_ != 0) return;
  owner_.store(nullptr, std::memory_order_relaxed);
  if (state_.exchange(0, std::memory_order_release) == 2) ovWakeOneOnWord(&state_);
}

void ovMemHeapLock::WaitForShared() {
  while (state_.exchange(2, std::memory_order_acquire) != 0) ovWaitOnWord(&state_, 2);
}

// Runs under the shared lock, so only the first thread to take it gets
// here; the biased thread never does, since it takes the shared lock only
// after seeing revoked.
void ovMemHeapLock::RevokeBias() {
  revoked_.store(true, std::memory_order_seq_cst);
  ovBarrierOnEveryThread();
  while (busy_.load(std::memory_order_acquire)) std::this_thread::yield();
}
