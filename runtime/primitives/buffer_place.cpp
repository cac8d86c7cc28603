#include "runtime/primitives/buffer_place.h"

#include "runtime/externals/pointee.h"
#include "runtime/memory/low_memory.h"

namespace {

ovBufferPlace externalPlace(bool readOnly, ovC_external* block, uint32_t offset, uint64_t end) {
  if (!readOnly && block->size < end) block->ChangeSize(static_cast<uint32_t>(end));
  if (offset > block->size) return {};
  return {block->Data() + offset, block->size - offset};
}

void growHandle(ovC_object* target, uint64_t end) {
  auto* p = ovAs<ovC_pointer>(target);
  auto handle = static_cast<ovHandle>(p->address);
  if (ovHandle_GetSize(handle) < end) ovHandle_SetSize(handle, static_cast<size_t>(end));
}

bool isLiveHandle(const ovC_object* v) {
  if (!ovIsKind(v, ovKindPointer)) return false;
  auto* p = ovAs<ovC_pointer>(v);
  return p->level == 2 && p->address && !(p->flags & ovPointerDisposed);
}

}  // namespace

ovBufferPlace ovBufPlace(bool readOnly, ovC_object* target, int32_t offset, int32_t length) {
  if (offset < 0) return {};
  uint64_t end = uint64_t(offset) + uint64_t(length > 0 ? length : 0);
  if (ovIsKind(target, ovKindExternal))
    return externalPlace(readOnly, ovAs<ovC_external>(target), static_cast<uint32_t>(offset), end);
  if (!readOnly && isLiveHandle(target)) growHandle(target, end);
  ovPointee place = ovPointeeAt(target, static_cast<uint32_t>(offset));
  return {place.data, place.size};
}
