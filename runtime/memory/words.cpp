#include "runtime/memory/words.h"

#include <cstring>

#include "runtime/memory/heap.h"
#include "runtime/values/layout.h"

void ovMemCopy(void* dst, const void* src, uint32_t n) {
  auto* d = static_cast<char*>(dst);
  const auto* s = static_cast<const char*>(src);
  for (uint32_t i = 0; i + 4 <= n; i += 4) std::memcpy(d + i, s + i, 4);
}

void ovMemMove(void* dst, const void* src, uint32_t n) { std::memmove(dst, src, n & ~3u); }

void ovMemSet(void* p, uint32_t n, uint32_t value) {
  auto* d = static_cast<char*>(p);
  for (uint32_t i = 0; i + 4 <= n; i += 4) std::memcpy(d + i, &value, 4);
}

void* ovMemDuplicate(const void* p) {
  if (!p) return nullptr;
  const ovMemBlock* block = ovMemBlock::Of(p);
  uint16_t kind = ovKindAt(p);
  uint32_t offset = ovVariablePartOffset(kind);
  bool outOfLine = (block->flags & ovMemFlagValue) && (block->flags & ovOutOfLineFlag(kind));
  uint32_t fixedSize = outOfLine ? offset : block->Requested();
  const char* part = outOfLine ? ovVariablePart(const_cast<void*>(p)) : nullptr;
  uint32_t partSize = outOfLine ? ovMemGetBlockSize(part) : 0;

  void* copy = ovRunTimeHeap->Alloc(fixedSize + partSize, 0, ovMemFlagValue);
  if (!copy) ovMemExhausted(fixedSize + partSize);
  std::memcpy(copy, p, fixedSize);
  if (outOfLine) std::memcpy(static_cast<char*>(copy) + offset, part, partSize);
  return copy;
}
