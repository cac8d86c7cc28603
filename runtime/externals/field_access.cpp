#include "runtime/externals/field_access.h"

#include <algorithm>
#include <cstring>

#include "runtime/externals/conversions.h"
#include "runtime/externals/pointee.h"
#include "runtime/values/make.h"
#include "runtime/values/packing.h"

namespace {

bool fits(uint64_t offset, uint64_t size, uint64_t available) { return offset + size <= available; }

ovC_object* writeExternal(ovC_external* block, uint32_t offset, const void* bytes, uint32_t size) {
  auto* copy = ovC_external::Create(block->externalType, block->size, block->Data());
  if (fits(offset, size, copy->size)) std::memcpy(copy->Data() + offset, bytes, size);
  return copy;
}

ovC_object* writePointee(ovC_object* pointer, uint32_t offset, const void* bytes, uint32_t size) {
  ovPointee target = ovPointeeAt(pointer, offset);
  if (target.data && fits(0, size, target.size)) std::memcpy(target.data, bytes, size);
  return ovIncUse(pointer);
}

ovC_object* fromCForm(const ovC_object* shape, const ovCForm& form) {
  if (ovIsKind(shape, ovKindPoint)) return ovMakePointFromPointer(reinterpret_cast<const ovPoint*>(form.bytes));
  return ovMakeRectFromPointer(reinterpret_cast<const ovRect*>(form.bytes));
}

ovC_object* writeGeometry(ovC_object* shape, uint32_t offset, const void* bytes, uint32_t size) {
  ovCForm form = ovCFormOf(shape);
  // form.size never exceeds the storage; the second test says so to the compiler.
  if (!fits(offset, size, form.size) || offset >= sizeof form.bytes || size > sizeof form.bytes - offset)
    return ovIncUse(shape);
  std::memcpy(form.bytes + offset, bytes, size);
  return fromCForm(shape, form);
}

// Copies what of [offset, offset + size) lies inside available bytes at
// source; the rest of bytes is already zero.
void readInside(const unsigned char* source, uint64_t available, uint64_t offset, void* bytes, uint32_t size) {
  if (!source || offset >= available) return;
  std::memcpy(bytes, source + offset, static_cast<size_t>(std::min<uint64_t>(size, available - offset)));
}

}  // namespace

ovC_object* ovWriteField(ovC_object* object, uint32_t offset, const void* bytes, uint32_t size) {
  if (!object) return nullptr;
  switch (object->type) {
    case ovKindExternal:
      return writeExternal(ovAs<ovC_external>(object), offset, bytes, size);
    case ovKindPointer:
      return writePointee(object, offset, bytes, size);
    case ovKindPoint:
    case ovKindRect:
      return writeGeometry(object, offset, bytes, size);
    default:
      return ovIncUse(object);
  }
}

void ovReadField(ovC_object* object, uint32_t offset, void* bytes, uint32_t size) {
  std::memset(bytes, 0, size);
  if (ovIsKind(object, ovKindExternal)) {
    auto* block = ovAs<ovC_external>(object);
    readInside(block->Data(), block->size, offset, bytes, size);
  } else if (ovIsKind(object, ovKindPointer)) {
    ovPointee source = ovPointeeOf(object);
    readInside(source.data, source.size, offset, bytes, size);
  } else {
    ovCForm form = ovCFormOf(object);
    if (ovIsKind(object, ovKindPoint) || ovIsKind(object, ovKindRect))
      readInside(form.bytes, form.size, offset, bytes, size);
  }
}
