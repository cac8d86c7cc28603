#include "platform/handle_table.h"

#include <atomic>
#include <mutex>

namespace platform {

std::atomic<detail::HandleEntry*> detail::handleChunks[detail::kHandleChunkCount] = {};

namespace {

using Entry = detail::HandleEntry;
constexpr unsigned kChunkBits = detail::kHandleChunkBits;
constexpr unsigned kChunkSize = detail::kHandleChunkSize;
constexpr unsigned kLastIndex = kChunkSize * detail::kHandleChunkCount - 2;  // keeps 0xFFFFFFFF free

// The bookkeeping of creation and release, under one lock.
struct Table {
  std::mutex lock;
  unsigned used = 0;       // highest index handed out so far
  // Released indexes wait in first-in first-out order, so an index comes
  // back as late as possible and a stale handle stays refused for long.
  uint16_t freeHead = 0;
  uint16_t freeTail = 0;
  unsigned counts[256] = {};
};

// Constant-initialised, so lookups need no initialisation guard; never
// destroyed, so handles stay valid until the process ends.
constinit Table theTable;

Table& table() { return theTable; }

uint32_t tagOf(uint16_t generation, HandleKind kind) {
  return (static_cast<uint32_t>(generation) << 16) | static_cast<uint32_t>(kind);
}

Entry* entryAt(unsigned index) {
  Entry* chunk = detail::handleChunks[index >> kChunkBits].load(std::memory_order_acquire);
  return chunk ? &chunk[index & (kChunkSize - 1)] : nullptr;
}

Entry* newEntry(Table& t, unsigned& index) {
  if (t.freeHead != 0) {
    index = t.freeHead;
    Entry* e = entryAt(index);
    t.freeHead = e->nextFree;
    if (t.freeHead == 0) t.freeTail = 0;
    return e;
  }
  if (t.used >= kLastIndex) return nullptr;
  index = ++t.used;
  auto& slot = detail::handleChunks[index >> kChunkBits];
  if (!slot.load(std::memory_order_relaxed)) slot.store(new Entry[kChunkSize], std::memory_order_release);
  return entryAt(index);
}

Entry* liveEntry(HandleValue handle, HandleKind kind) {
  unsigned index = handle & 0xFFFF;
  uint16_t generation = static_cast<uint16_t>(handle >> 16);
  if (index == 0 || generation == 0 || kind == HandleKind::Free) return nullptr;
  Entry* e = entryAt(index);
  if (!e || e->tag.load(std::memory_order_acquire) != tagOf(generation, kind)) return nullptr;
  return e;
}

}  // namespace

HandleValue handleCreate(HandleKind kind, void* object) {
  Table& t = table();
  std::lock_guard guard(t.lock);
  unsigned index = 0;
  Entry* e = newEntry(t, index);
  if (!e) return 0;
  e->generation = static_cast<uint16_t>(e->generation >= detail::kLastGeneration ? 1 : e->generation + 1);
  e->object = object;
  e->tag.store(tagOf(e->generation, kind), std::memory_order_release);
  ++t.counts[static_cast<uint8_t>(kind)];
  return (static_cast<HandleValue>(e->generation) << 16) | index;
}

HandleKind handleKind(HandleValue handle) {
  unsigned index = handle & 0xFFFF;
  if (index == 0 || (handle >> 16) == 0) return HandleKind::Free;
  Entry* e = entryAt(index);
  if (!e) return HandleKind::Free;
  uint32_t tag = e->tag.load(std::memory_order_acquire);
  if ((tag >> 16) != (handle >> 16)) return HandleKind::Free;
  return static_cast<HandleKind>(tag & 0xFF);
}

bool handleRelease(HandleValue handle, HandleKind kind) {
  Table& t = table();
  std::lock_guard guard(t.lock);
  Entry* e = liveEntry(handle, kind);
  if (!e) return false;
  e->tag.store(0, std::memory_order_release);
  e->object = nullptr;
  auto index = static_cast<uint16_t>(handle & 0xFFFF);
  e->nextFree = 0;
  if (t.freeTail != 0) entryAt(t.freeTail)->nextFree = index;
  else t.freeHead = index;
  t.freeTail = index;
  --t.counts[static_cast<uint8_t>(kind)];
  return true;
}

unsigned handleCount(HandleKind kind) {
  Table& t = table();
  std::lock_guard guard(t.lock);
  return t.counts[static_cast<uint8_t>(kind)];
}

}  // namespace platform
