// The process-wide handle table behind every platform handle.
//
// A handle is a 32-bit number: the low 16 bits index an entry, the high 16
// bits repeat the entry's generation. Freeing an entry bumps its generation,
// so a stale handle no longer matches and is refused instead of followed. Each
// entry also records the kind of object it holds, so a handle of the wrong kind
// is refused the same way. Index 0 and generation 0 are never used, so no
// handle is 0.
#pragma once

#include <cstdint>

namespace platform {

enum class HandleKind : uint8_t {
  Free = 0,
  Mutex,
  Module,
  Window,
  Menu,
  DeviceContext,
  Pen,
  Brush,
  Font,
  Region,
  AcceleratorTable,
  Icon,
  Cursor,
  GlobalMemory,
  LocalMemory,
  Resource,
};

using HandleValue = uint32_t;

// Stores object under a new handle of the given kind; 0 when the table is full.
HandleValue handleCreate(HandleKind kind, void* object);

// The object of a live handle of that kind, or nullptr.
void* handleObject(HandleValue handle, HandleKind kind);

// The kind of a live handle, or HandleKind::Free for a stale or unknown one.
HandleKind handleKind(HandleValue handle);

// Frees a live handle of that kind; false when the handle is not one.
bool handleRelease(HandleValue handle, HandleKind kind);

// Number of live handles of a kind (for leak checks in tests).
unsigned handleCount(HandleKind kind);

// Conversions between handle numbers and Win32's pointer-typed handles.
template <typename H>
H handleToWin32(HandleValue handle) {
  return reinterpret_cast<H>(static_cast<uintptr_t>(handle));
}

template <typename H>
HandleValue handleFromWin32(H handle) {
  uintptr_t bits = reinterpret_cast<uintptr_t>(handle);
  return bits > UINT32_MAX ? 0 : static_cast<HandleValue>(bits);
}

}  // namespace platform
