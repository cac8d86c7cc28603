#include "runtime/memory/cache.h"

#include <algorithm>
#include <cstring>

#include "runtime/memory/sanitizer.h"
#include "runtime/values/layout.h"

namespace {

ovMemElement* elementOf(ovMemBlock* block) { return static_cast<ovMemElement*>(block->Data()); }

ovMemBlock* blockOf(ovMemElement* e) { return ovMemBlock::Of(e); }

ovMemBlock* blockAtLink(ovMemLink link) { return link ? blockOf(ovMemElement::At(link)) : nullptr; }

bool isFree(ovMemBlock* block) { return !block->IsEnd() && !block->InUse(); }

// Zeroes the requested bytes of a block. Small requests (value objects) are
// cleared a word at a time up to the next word boundary, which stays inside
// the block; the sanitizer build guards those slack bytes, so it clears
// exactly the request.
void zeroData(void* data, uint32_t size) {
#if !defined(VELMARO_SANITIZE)
  if (size <= 64) {
    auto* words = static_cast<uint64_t*>(data);
    for (uint32_t i = 0; i < (size + 7) / 8; ++i) words[i] = 0;
    return;
  }
#endif
  std::memset(data, 0, size);
}

// Fills a block of size bytes that takes over from another: the first bytes
// copied from the old one, the rest zero. Each byte is written once.
void fillMoved(void* moved, const void* old, uint32_t oldSize, uint32_t size) {
  uint32_t kept = std::min(oldSize, size);
  std::memcpy(moved, old, kept);
  std::memset(static_cast<char*>(moved) + kept, 0, size - kept);
}

// Bytes the block could reach by absorbing the free blocks after it, looking
// no further than need.
uint32_t reachableSize(ovMemBlock* block, uint32_t need) {
  uint32_t size = block->size;
  for (ovMemBlock* next = block->Following(); size < need && isFree(next); next = next->Following())
    size += next->size;
  return size;
}

}  // namespace

void ovMemCache::Add(ovMemBlock* block) {
  block->MarkFree();
  bins[WhichCache(block->size)].Add(elementOf(block));
  freeBytes += block->size;
  ++freeBlocks;
}

void ovMemCache::Release(ovMemBlock* block) {
  Add(block);
  ++releasesSinceMerge;
}

void ovMemCache::Remove(ovMemBlock* block) {
  bins[WhichCache(block->size)].Remove(elementOf(block));
  freeBytes -= block->size;
  --freeBlocks;
}

void ovMemCache::Optimize(ovMemBlock* block) {
  for (ovMemBlock* next = block->Following(); isFree(next); next = block->Following()) {
    Remove(next);
    uint32_t absorbed = next->size;
    block->size += absorbed;
    ovMemPoison(next, absorbed);
  }
}

void ovMemCache::Empty() {
  for (ovMemList& bin : bins) bin = ovMemList{};
  freeBytes = 0;
  freeBlocks = 0;
}

ovMemBlock* ovMemCache::NextBlock(ovMemBlock* block) { return blockAtLink(elementOf(block)->next); }

ovMemBlock* ovMemCache::BestFitBin0(uint32_t need) {
  ovMemBlock* best = nullptr;
  for (ovMemBlock* b = blockAtLink(bins[0].head); b; b = NextBlock(b)) {
    if (b->size == need) return b;
    if (b->size > need && (!best || b->size < best->size)) best = b;
  }
  return best;
}

// The head of an exact-size bin (16, 32 or 48 bytes), taken out of the
// cache; nullptr when need has no such bin or the bin is empty. The hot path
// of every small allocation.
ovMemBlock* ovMemCache::TakeExact(uint32_t need) {
  int bin = WhichCache(need);
  if (bin == 0 || bins[bin].IsEmpty()) return nullptr;
  ovMemElement* head = ovMemElement::At(bins[bin].head);
  bins[bin].Remove(head);
  freeBytes -= need;
  --freeBlocks;
  return blockOf(head);
}

// The best fit from bin 0, cut to need with the rest listed again; nullptr
// when none fits.
ovMemBlock* ovMemCache::TakeBestFit(uint32_t need) {
  ovMemBlock* block = BestFitBin0(need);
  if (!block) return nullptr;
  Remove(block);
  if (ovMemBlock* rest = block->Chip(need)) Add(rest);
  return block;
}

void* ovMemCache::Alloc(uint32_t size, int zero) {
  if (size > ovMemMaxRequest) return nullptr;
  uint32_t need = ovMemBlockSizeFor(size);
  ovMemBlock* block = TakeExact(need);
  if (!block) block = TakeBestFit(need);
  if (!block) return nullptr;
  block->MarkInUse(size);
  if (zero) zeroData(block->Data(), size);
  return block->Data();
}

void ovMemCache::Free(void* p) {
  if (p) Release(ovMemBlock::Of(p));
}

// Cuts or extends block to hold size bytes; it can (checked by the caller).
// Bytes that were not part of the old request read as zero.
void* ovMemCache::ResizeInPlace(ovMemBlock* block, uint32_t size) {
  uint32_t oldRequested = block->Requested();
  uint32_t need = ovMemBlockSizeFor(size);
  while (block->size < need) {
    ovMemBlock* next = block->Following();
    Remove(next);
    block->size += next->size;
  }
  if (ovMemBlock* rest = block->Chip(need)) Release(rest);
  block->MarkInUse(size);
  if (size > oldRequested) std::memset(static_cast<char*>(block->Data()) + oldRequested, 0, size - oldRequested);
  return block->Data();
}

// Grows a text, list, external or instance whose block cannot grow in place
// by moving its variable part into a block of its own; the object's header
// stays where it is, so every reference to it stays valid.
void* ovMemCache::MoveVariablePart(void* object, uint32_t size) {
  ovMemBlock* block = ovMemBlock::Of(object);
  uint16_t kind = ovKindAt(object);
  uint32_t offset = ovVariablePartOffset(kind);
  uint32_t partSize = std::max<uint32_t>(size - offset, sizeof(void*));
  char** field = reinterpret_cast<char**>(static_cast<char*>(object) + offset);
  bool outOfLine = (block->flags & ovOutOfLineFlag(kind)) != 0;
  char* oldPart = outOfLine ? *field : reinterpret_cast<char*>(field);
  uint32_t oldPartSize = outOfLine ? ovMemBlock::Of(oldPart)->Requested() : block->Requested() - offset;

  void* part = Alloc(partSize, 0);
  if (!part) return nullptr;
  fillMoved(part, oldPart, oldPartSize, partSize);
  if (outOfLine) {
    Free(oldPart);
  } else {
    block->flags = static_cast<uint16_t>(block->flags | ovOutOfLineFlag(kind) | ovMemFlagValue);
    uint32_t objectSize = offset + sizeof(void*);
    if (ovMemBlock* rest = block->Chip(ovMemBlockSizeFor(objectSize))) Release(rest);
    block->MarkInUse(objectSize);
  }
  *field = static_cast<char*>(part);
  return object;
}

// Moves an ordinary block: a new block, the old bytes copied, the old freed.
void* ovMemCache::MoveBlock(void* p, uint32_t size) {
  ovMemBlock* block = ovMemBlock::Of(p);
  void* moved = Alloc(size, 0);
  if (!moved) return nullptr;
  fillMoved(moved, p, block->Requested(), size);
  ovMemBlock::Of(moved)->flags = static_cast<uint16_t>(ovMemBlock::Of(moved)->flags | (block->flags & 0xFF00));
  Free(p);
  return moved;
}

void* ovMemCache::ReAlloc(void* p, uint32_t size) {
  if (!p) return Alloc(size, 1);
  if (size > ovMemMaxRequest) return nullptr;
  ovMemBlock* block = ovMemBlock::Of(p);
  bool isValue = (block->flags & ovMemFlagValue) != 0;
  uint16_t kind = isValue ? ovKindAt(p) : 0;
  uint32_t offset = ovVariablePartOffset(kind);

  // A value whose variable part is out of line resizes that part's block.
  ovMemBlock* target = block;
  uint32_t targetSize = size;
  if (isValue && (block->flags & ovOutOfLineFlag(kind))) {
    target = ovMemBlock::Of(ovVariablePart(p));
    targetSize = std::max<uint32_t>(size - offset, sizeof(void*));
  }
  if (reachableSize(target, ovMemBlockSizeFor(targetSize)) >= ovMemBlockSizeFor(targetSize)) {
    ResizeInPlace(target, targetSize);
    return p;
  }
  if (offset != 0) return MoveVariablePart(p, size);
  return MoveBlock(p, size);
}
