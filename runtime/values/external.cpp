// External blocks: C data of an external type, held as a value.
#include <algorithm>
#include <cstring>

#include "runtime/memory/heap.h"
#include "runtime/values/allocate.h"

namespace {

uint32_t externalSize(uint64_t dataSize) {
  uint64_t size = ovVariablePartOffset(ovKindExternal) + std::max<uint64_t>(dataSize, sizeof(ovC_external::inlineData));
  if (size > ovMemMaxRequest) ovMemExhausted(ovMemMaxRequest);
  return static_cast<uint32_t>(size);
}

}  // namespace

ovC_external* ovC_external::Create(RTExternal* type, uint32_t size, const void* data) {
  auto* external = ovAs<ovC_external>(ovAllocValue(ovKindExternal, externalSize(size)));
  external->size = size;
  external->externalType = type;
  if (data && size) std::memcpy(external->Data(), data, size);
  return external;
}

void ovC_external::ChangeSize(uint32_t newSize) {
  // Bytes beyond the old size are zero: the heap zero-fills growth, and a
  // shrink followed by growth gets fresh zeros too.
  ovResizeValue(this, externalSize(newSize));
  size = newSize;
}
