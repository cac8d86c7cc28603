// Local memory: fixed blocks whose handle is their address. The blocks
// LocalAlloc gave are remembered, so LocalFree frees only those and refuses
// any other address, as Windows does, instead of handing it to free().
#include <cstdlib>
#include <mutex>
#include <unordered_set>

#include "platform/win32.h"

namespace {

struct LocalBlocks {
  std::mutex lock;
  std::unordered_set<void*> live;
};

LocalBlocks& blocks() {
  static auto* known = new LocalBlocks;
  return *known;
}

}  // namespace

HLOCAL WINAPI LocalAlloc(UINT uFlags, size_t uBytes) {
  if (uFlags & ~LPTR) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // A zero-byte request still gives a distinct block, as on Windows.
  size_t bytes = uBytes ? uBytes : 1;
  void* p = (uFlags & LMEM_ZEROINIT) ? std::calloc(1, bytes) : std::malloc(bytes);
  if (!p) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  std::lock_guard guard(blocks().lock);
  blocks().live.insert(p);
  return p;
}

HLOCAL WINAPI LocalFree(HLOCAL hMem) {
  if (!hMem) return nullptr;
  {
    std::lock_guard guard(blocks().lock);
    if (blocks().live.erase(hMem) == 0) {
      SetLastError(ERROR_INVALID_HANDLE);
      return hMem;
    }
  }
  std::free(hMem);
  return nullptr;
}
