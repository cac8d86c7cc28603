#include "runtime/externals/pointee.h"

#include "runtime/memory/low_memory.h"
#include "runtime/values/make.h"

namespace {

ovPointee handleBlock(const ovC_pointer* p) {
  auto handle = static_cast<ovHandle>(p->address);
  return {static_cast<unsigned char*>(*handle), ovHandle_GetSize(handle)};
}

}  // namespace

ovPointee ovPointeeOf(const ovC_object* v) {
  if (!ovIsKind(v, ovKindPointer)) return {};
  auto* p = ovAs<ovC_pointer>(v);
  if ((p->flags & (ovPointerDisposed | ovPointerFromNumber)) || !p->address) return {};
  if (p->level != 1) return handleBlock(p);
  size_t size = (p->flags & ovPointerSized) ? p->knownSize : ovPointeeUnbounded;
  return {static_cast<unsigned char*>(p->address), size};
}

ovPointee ovPointeeAt(const ovC_object* v, uint32_t offset) {
  ovPointee whole = ovPointeeOf(v);
  if (!whole.data || offset > whole.size) return {};
  size_t rest = whole.size == ovPointeeUnbounded ? ovPointeeUnbounded : whole.size - offset;
  return {whole.data + offset, rest};
}

ovC_object* ovMakeOpaquePointer(void* address) {
  auto* p = ovAs<ovC_pointer>(ovMakePtr(nullptr, address));
  p->flags |= ovPointerSized;
  p->knownSize = 0;
  return p;
}
