#include <cstdlib>

#include "platform/win32.h"

HLOCAL WINAPI LocalAlloc(UINT uFlags, size_t uBytes) {
  if (uFlags & ~LPTR) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // A zero-byte request still gives a distinct block, as on Windows.
  size_t bytes = uBytes ? uBytes : 1;
  void* p = (uFlags & LMEM_ZEROINIT) ? std::calloc(1, bytes) : std::malloc(bytes);
  if (!p) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return p;
}

HLOCAL WINAPI LocalFree(HLOCAL hMem) {
  std::free(hMem);
  return nullptr;
}
