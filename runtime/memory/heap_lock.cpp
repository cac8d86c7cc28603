#include "runtime/memory/heap_lock.h"

#include <linux/futex.h>
#include <linux/membarrier.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <thread>

namespace {

long futex(std::atomic<int>* word, int op, int value) {
  return syscall(SYS_futex, reinterpret_cast<int*>(word), op, value, nullptr, nullptr, 0);
}

// Registers the process for expedited barriers, once; false when the system
// does not offer them (an old kernel, or a tool that does not pass them on).
bool expeditedBarriersAvailable() {
  static const bool available = syscall(SYS_membarrier, MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED, 0, 0) == 0;
  return available;
}

void barrierOnEveryThread() { syscall(SYS_membarrier, MEMBARRIER_CMD_PRIVATE_EXPEDITED, 0, 0); }

}  // namespace

ovMemHeapLock::ovMemHeapLock() : biasedThread_(ThisThread()), revoked_(!expeditedBarriersAvailable()) {}

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
  if (state_.exchange(0, std::memory_order_release) == 2) futex(&state_, FUTEX_WAKE_PRIVATE, 1);
}

void ovMemHeapLock::WaitForShared() {
  while (state_.exchange(2, std::memory_order_acquire) != 0) futex(&state_, FUTEX_WAIT_PRIVATE, 2);
}

// Runs under the shared lock, so only the first thread to take it gets
// here; the biased thread never does, since it takes the shared lock only
// after seeing revoked.
void ovMemHeapLock::RevokeBias() {
  revoked_.store(true, std::memory_order_seq_cst);
  barrierOnEveryThread();
  while (busy_.load(std::memory_order_acquire)) std::this_thread::yield();
}
