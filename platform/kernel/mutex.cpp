// Process-local Win32 mutexes: recursive, owned by a thread, optionally named
// (a second CreateMutexA of the same name opens the same mutex and reports
// ERROR_ALREADY_EXISTS).
//
// The lock word follows the classic three-state futex scheme: 0 free, 1 held,
// 2 held with waiters. While the process has a single thread no other thread
// can hold or wait for the lock, so taking and releasing it is a plain store;
// the C library keeps that flag, and clears it for good when the first thread
// is created, after which every operation is atomic. The heap takes this lock
// around every allocation, so the fast path matters.
//
// A release by one thread wakes a message wait of another that watches the
// mutex (mutex_release_watch.h); with a single thread there is no such
// wait, so the fast path does not look.
#include <linux/futex.h>
#include <sys/single_threaded.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <ctime>
#include <map>
#include <mutex>
#include <string>

#include "platform/backend.h"
#include "platform/handle_table.h"
#include "platform/kernel/mutex_release_watch.h"
#include "platform/win32.h"

namespace platform::kernel {

// A thread is identified by the address of a thread-local byte: constant
// initialised, so asking costs one instruction.
using ThreadId = const void*;

struct Mutex {
  std::atomic<int> state{0};
  ThreadId owner = nullptr;
  unsigned recursion = 0;
  unsigned handles = 1;  // open handles and watches; the mutex dies with the last
  std::atomic<unsigned> watchers{0};
  std::string name;
};

}  // namespace platform::kernel

namespace {

using platform::HandleKind;
using platform::kernel::Mutex;
using platform::kernel::ThreadId;

thread_local const char threadMarker = 0;
ThreadId currentThread() { return &threadMarker; }

std::mutex registryLock;
std::map<std::string, Mutex*>& namedMutexes() {
  static auto* registry = new std::map<std::string, Mutex*>;
  return *registry;
}

bool singleThreaded() { return __libc_single_threaded != 0; }

long futex(std::atomic<int>* word, int op, int value, const timespec* timeout) {
  return syscall(SYS_futex, reinterpret_cast<int*>(word), op, value, timeout, nullptr, 0);
}

timespec deadlineAfter(DWORD milliseconds) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  long nanos = now.tv_nsec + static_cast<long>(milliseconds % 1000) * 1000000L;
  return {now.tv_sec + milliseconds / 1000 + nanos / 1000000000L, nanos % 1000000000L};
}

// Time left until deadline, or false once it has passed.
bool remaining(const timespec& deadline, timespec& left) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  long nanos = (deadline.tv_sec - now.tv_sec) * 1000000000L + (deadline.tv_nsec - now.tv_nsec);
  if (nanos <= 0) return false;
  left = {nanos / 1000000000L, nanos % 1000000000L};
  return true;
}

// Waits for the lock word; false when the time-out ran out first.
bool acquireContended(Mutex& m, DWORD milliseconds) {
  if (milliseconds == 0) return false;
  timespec deadline{};
  if (milliseconds != INFINITE) deadline = deadlineAfter(milliseconds);
  while (m.state.exchange(2, std::memory_order_acquire) != 0) {
    timespec left{};
    const timespec* timeout = nullptr;
    if (milliseconds != INFINITE) {
      if (!remaining(deadline, left)) return false;
      timeout = &left;
    }
    futex(&m.state, FUTEX_WAIT_PRIVATE, 2, timeout);
  }
  return true;
}

// Takes the lock word when it is not free: atomically, waiting as long as
// the time-out allows. Kept out of line so that the uncontended path stays
// short.
[[gnu::noinline, gnu::cold]] DWORD lockSlow(Mutex& m, DWORD milliseconds) {
  int expected = 0;
  if (!m.state.compare_exchange_strong(expected, 1, std::memory_order_acquire) &&
      !acquireContended(m, milliseconds))
    return WAIT_TIMEOUT;
  m.owner = currentThread();
  m.recursion = 1;
  return WAIT_OBJECT_0;
}

inline DWORD lock(Mutex& m, DWORD milliseconds) {
  ThreadId self = currentThread();
  if (m.owner == self) {
    ++m.recursion;
    return WAIT_OBJECT_0;
  }
  if (!singleThreaded() || m.state.load(std::memory_order_relaxed) != 0) return lockSlow(m, milliseconds);
  m.state.store(1, std::memory_order_relaxed);
  m.owner = self;
  m.recursion = 1;
  return WAIT_OBJECT_0;
}

[[gnu::noinline, gnu::cold]] BOOL notOwner() {
  SetLastError(ERROR_NOT_OWNER);
  return FALSE;
}

// The exchange and the look at the watchers are sequentially consistent, as
// are a watch's start and its waiter's attempt: the waiter either finds the
// mutex free or is woken.
[[gnu::noinline]] void unlockShared(Mutex& m) {
  if (m.state.exchange(0) == 2) futex(&m.state, FUTEX_WAKE_PRIVATE, 1, nullptr);
  if (m.watchers.load() != 0) platform::backend().wake();
}

inline BOOL unlock(Mutex& m) {
  if (m.owner != currentThread()) return notOwner();
  if (--m.recursion != 0) return TRUE;
  m.owner = nullptr;
  if (singleThreaded()) m.state.store(0, std::memory_order_relaxed);
  else unlockShared(m);
  return TRUE;
}

[[gnu::noinline, gnu::cold]] void invalidHandle() { SetLastError(ERROR_INVALID_HANDLE); }

Mutex* mutexOf(HANDLE h) {
  return static_cast<Mutex*>(platform::handleObject(platform::handleFromWin32(h), HandleKind::Mutex));
}

// Finds or creates the mutex of a name (or a new unnamed one); sets existed.
Mutex* openMutex(LPCSTR name, bool& existed) {
  existed = false;
  if (name == nullptr || *name == '\0') return new Mutex;
  std::lock_guard guard(registryLock);
  auto& registry = namedMutexes();
  auto found = registry.find(name);
  if (found != registry.end()) {
    existed = true;
    ++found->second->handles;
    return found->second;
  }
  auto* m = new Mutex;
  m->name = name;
  registry.emplace(m->name, m);
  return m;
}

void closeMutex(Mutex* m) {
  std::lock_guard guard(registryLock);
  if (--m->handles != 0) return;
  if (!m->name.empty()) namedMutexes().erase(m->name);
  delete m;
}

// A watch holds the mutex as an open handle does.
Mutex* keepAlive(Mutex* m) {
  std::lock_guard guard(registryLock);
  ++m->handles;
  return m;
}

}  // namespace

namespace platform::kernel {

MutexReleaseWatch::MutexReleaseWatch(std::span<const HANDLE> handles) {
  for (HANDLE h : handles) {
    Mutex* m = mutexOf(h);
    if (!m) {
      coversAll_ = false;
      continue;
    }
    watched_.push_back(keepAlive(m));
    m->watchers.fetch_add(1);
  }
  std::atomic_thread_fence(std::memory_order_seq_cst);
}

MutexReleaseWatch::~MutexReleaseWatch() {
  for (Mutex* m : watched_) {
    m->watchers.fetch_sub(1);
    closeMutex(m);
  }
}

}  // namespace platform::kernel

HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL bInitialOwner, LPCSTR lpName) {
  bool existed = false;
  Mutex* m = openMutex(lpName, existed);
  platform::HandleValue h = platform::handleCreate(HandleKind::Mutex, m);
  if (h == 0) {
    closeMutex(m);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (bInitialOwner) lock(*m, INFINITE);
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return platform::handleToWin32<HANDLE>(h);
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
  Mutex* m = mutexOf(hHandle);
  if (!m) {
    invalidHandle();
    return WAIT_FAILED;
  }
  return lock(*m, dwMilliseconds);
}

BOOL WINAPI ReleaseMutex(HANDLE hMutex) {
  Mutex* m = mutexOf(hMutex);
  if (!m) {
    invalidHandle();
    return FALSE;
  }
  return unlock(*m);
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
  platform::HandleValue h = platform::handleFromWin32(hObject);
  Mutex* m = static_cast<Mutex*>(platform::handleObject(h, HandleKind::Mutex));
  if (!m || !platform::handleRelease(h, HandleKind::Mutex)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  closeMutex(m);
  return TRUE;
}
