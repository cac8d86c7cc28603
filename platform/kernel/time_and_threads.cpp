#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/win32.h"

// Milliseconds since an arbitrary start, wrapping at 2^32 like Windows'.
DWORD WINAPI GetTickCount(void) {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void WINAPI Sleep(DWORD dwMilliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds)); }

DWORD WINAPI GetCurrentThreadId(void) {
  static thread_local DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
  return id;
}
