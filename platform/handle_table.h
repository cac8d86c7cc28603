// The process-wide handle table behind every platform handle.
//
// A handle is a 32-bit number: the low 16 bits index an entry, the next 15
// bits repeat the entry's generation, and the top bit is always clear, so a
// handle stays a positive 32-bit integer however often its entry is reused
// (the run-time keeps handles as signed integers). Reusing an entry bumps its
// generation, which wraps from 0x7FFF back to 1, so a stale handle no longer
// matches and is refused instead of followed. Each entry also records the kind
// of object it holds, so a handle of the wrong kind is refused the same way.
// Index 0 and generation 0 are never used, so no handle is 0.
#pragma once

#include <atomic>
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
  Bitmap,
};

using HandleValue = uint32_t;

// Stores object under a new handle of the given kind; 0 when the table is full.
HandleValue handleCreate(HandleKind kind, void* object);

namespace detail {

// An entry's tag packs generation (bits 16 to 30) and kind (low 8 bits) into
// one atomic word, so lookups need no lock; creation and release take one.
struct HandleEntry {
  std::atomic<uint32_t> tag{0};
  void* object = nullptr;
  uint16_t generation = 0;
  uint16_t nextFree = 0;
};

// The highest generation; the one after it is 1 again.
constexpr uint16_t kLastGeneration = 0x7FFF;

constexpr unsigned kHandleChunkBits = 8;
constexpr unsigned kHandleChunkSize = 1u << kHandleChunkBits;
constexpr unsigned kHandleChunkCount = 256;  // 65536 entries in all

// Entries come in chunks that are allocated once and never freed, so a
// lookup needs no lock.
extern std::atomic<HandleEntry*> handleChunks[kHandleChunkCount];

}  // namespace detail

// The object of a live handle of that kind, or nullptr. Inline because every
// mutex wait and release of the heap goes through it.
inline void* handleObject(HandleValue handle, HandleKind kind) {
  detail::HandleEntry* chunk = detail::handleChunks[(handle >> detail::kHandleChunkBits) & 0xFF].load(std::memory_order_acquire);
  if (!chunk) return nullptr;
  detail::HandleEntry& entry = chunk[handle & (detail::kHandleChunkSize - 1)];
  // Live entries never have generation 0, so a made-up handle of generation
  // 0 cannot match one; Free is never a kind that is looked up.
  uint32_t expected = (handle & 0xFFFF0000u) | static_cast<uint32_t>(kind);
  if (kind == HandleKind::Free || entry.tag.load(std::memory_order_acquire) != expected) return nullptr;
  return entry.object;
}

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
