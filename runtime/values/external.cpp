// External blocks: C data of an external type, held as a value.
#include <algorithm>
#include <cstring>

#include "runtime/memory/heap.h"
#include "runtime/values/allocate.h"

namespace {

uint32_t externalSize(uint64_t dataSize) {
  return ovGrowableValueSize(ovKindExternal, dataSize, sizeof(ovC_external::inlineData));
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
  // Bytes given up by a shrink are cleared (some stay inside the block), and
  // the heap zero-fills growth, so bytes beyond the old size read as zero.
  if (newSize < size) std::memset(Data() + newSize, 0, size - newSize);
  ovResizeValue(this, externalSize(newSize));
  size = newSize;
}
