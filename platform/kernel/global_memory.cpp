// Global memory blocks. A moveable block is known by a handle from the
// handle table and reached through GlobalLock; a fixed block's handle is its
// address. Every call checks its handle against the blocks it knows, so a
// freed or made-up handle fails instead of being followed.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/handle_table.h"
#include "platform/win32.h"

using namespace platform;

namespace {

struct Block {
  void* data = nullptr;
  size_t size = 0;
  unsigned locks = 0;
  bool fixed = false;
};

std::mutex lock;

std::unordered_map<void*, Block*>& fixedBlocks() {
  static auto* blocks = new std::unordered_map<void*, Block*>;
  return *blocks;
}

Block* blockOf(HGLOBAL h) {
  auto found = fixedBlocks().find(h);
  if (found != fixedBlocks().end()) return found->second;
  return static_cast<Block*>(handleObject(handleFromWin32(h), HandleKind::GlobalMemory));
}

Block* blockOrFail(HGLOBAL h) {
  Block* b = blockOf(h);
  if (!b) SetLastError(ERROR_INVALID_HANDLE);
  return b;
}

void* allocate(size_t bytes, bool zero) { return zero ? std::calloc(1, bytes ? bytes : 1) : std::malloc(bytes ? bytes : 1); }

HGLOBAL registerBlock(Block* b) {
  if (b->fixed) {
    fixedBlocks().emplace(b->data, b);
    return b->data;
  }
  HandleValue h = handleCreate(HandleKind::GlobalMemory, b);
  return h ? handleToWin32<HGLOBAL>(h) : nullptr;
}

void forget(HGLOBAL h, Block* b) {
  if (b->fixed) fixedBlocks().erase(h);
  else handleRelease(handleFromWin32(h), HandleKind::GlobalMemory);
}

}  // namespace

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, size_t dwBytes) {
  std::lock_guard guard(lock);
  auto* b = new Block{allocate(dwBytes, uFlags & GMEM_ZEROINIT), dwBytes, 0, !(uFlags & GMEM_MOVEABLE)};
  HGLOBAL h = b->data ? registerBlock(b) : nullptr;
  if (!h) {
    std::free(b->data);
    delete b;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  }
  return h;
}

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, size_t dwBytes, UINT uFlags) {
  std::lock_guard guard(lock);
  Block* b = blockOrFail(hMem);
  if (!b) return nullptr;
  if (b->fixed && !(uFlags & GMEM_MOVEABLE) && dwBytes > b->size) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  void* data = std::realloc(b->data, dwBytes ? dwBytes : 1);
  if (!data) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if ((uFlags & GMEM_ZEROINIT) && dwBytes > b->size) std::memset(static_cast<char*>(data) + b->size, 0, dwBytes - b->size);
  if (b->fixed) fixedBlocks().erase(hMem);
  b->data = data;
  b->size = dwBytes;
  if (!b->fixed) return hMem;
  fixedBlocks().emplace(data, b);
  return data;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  std::lock_guard guard(lock);
  Block* b = blockOrFail(hMem);
  if (!b) return hMem;
  forget(hMem, b);
  std::free(b->data);
  delete b;
  return nullptr;
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
  std::lock_guard guard(lock);
  Block* b = blockOrFail(hMem);
  if (!b) return nullptr;
  if (!b->fixed) ++b->locks;
  return b->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
  std::lock_guard guard(lock);
  Block* b = blockOrFail(hMem);
  if (!b) return FALSE;
  if (b->fixed) return TRUE;
  if (b->locks == 0) {
    SetLastError(ERROR_NOT_LOCKED);
    return FALSE;
  }
  if (--b->locks != 0) return TRUE;
  SetLastError(ERROR_SUCCESS);
  return FALSE;
}

size_t WINAPI GlobalSize(HGLOBAL hMem) {
  std::lock_guard guard(lock);
  Block* b = blockOrFail(hMem);
  return b ? b->size : 0;
}
