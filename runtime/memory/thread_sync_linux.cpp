#include <linux/futex.h>
#include <linux/membarrier.h>
#include <sys/single_threaded.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "runtime/memory/thread_sync.h"

namespace {

long futex(std::atomic<int>* word, int op, int value) {
  return syscall(SYS_futex, reinterpret_cast<int*>(word), op, value, nullptr, nullptr, 0);
}

}  // namespace

bool ovProcessIsSingleThreaded() { return __libc_single_threaded; }

void ovWaitOnWord(std::atomic<int>* word, int value) { futex(word, FUTEX_WAIT_PRIVATE, value); }

void ovWakeOneOnWord(std::atomic<int>* word) { futex(word, FUTEX_WAKE_PRIVATE, 1); }

// Registers the process for expedited barriers, once; false when the system
// does not offer them (an old kernel, or a tool that does not pass them on).
bool ovBarrierOnEveryThreadAvailable() {
  static const bool available = syscall(SYS_membarrier, MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED, 0, 0) == 0;
  return available;
}

void ovBarrierOnEveryThread() { syscall(SYS_membarrier, MEMBARRIER_CMD_PRIVATE_EXPEDITED, 0, 0); }
