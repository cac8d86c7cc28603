#include "runtime/externals/conversions.h"

#include <algorithm>
#include <cstring>

#include "runtime/values/packing.h"
#include "runtime/values/read.h"

namespace {

bool isDisposedPointer(const ovC_pointer* p) { return p->flags & ovPointerDisposed; }

void* pointerAddress(const ovC_pointer* p) {
  if (isDisposedPointer(p) || !p->address) return nullptr;
  if (p->level == 1) return p->address;
  return *static_cast<void* const*>(p->address);
}

}  // namespace

int32_t ovToInt32(const ovC_object* v) {
  if (!v) return 0;
  switch (v->type) {
    case ovKindInteger:
    case ovKindReal:
      return ovGetInteger(v);
    case ovKindBoolean:
      return ovAs<ovC_boolean>(v)->value ? 1 : 0;
    case ovKindPointer:
      return static_cast<int32_t>(reinterpret_cast<uintptr_t>(ovAs<ovC_pointer>(v)->address));
    default:
      return 0;
  }
}

void* ovToAddress(const ovC_object* v) {
  if (!v) return nullptr;
  switch (v->type) {
    case ovKindInteger:
    case ovKindReal:
      return reinterpret_cast<void*>(static_cast<intptr_t>(ovGetInteger(v)));
    case ovKindPointer:
      return pointerAddress(ovAs<ovC_pointer>(v));
    default:
      return nullptr;
  }
}

ovCForm ovCFormOf(const ovC_object* v) {
  ovCForm form{};
  if (ovIsKind(v, ovKindPoint)) {
    auto* p = ovAs<ovC_point>(v);
    ovPoint c{p->h, p->v};
    std::memcpy(form.bytes, &c, form.size = sizeof c);
  } else if (ovIsKind(v, ovKindRect)) {
    auto* r = ovAs<ovC_rect>(v);
    ovRect c{r->left, r->top, r->right, r->bottom};
    std::memcpy(form.bytes, &c, form.size = sizeof c);
  } else if (ovIsKind(v, ovKindRGB)) {
    auto* rgb = ovAs<ovC_rgb>(v);
    ovRGB c = 0;
    ovPackRGB(&c, rgb->red, rgb->green, rgb->blue);
    std::memcpy(form.bytes, &c, form.size = sizeof c);
  }
  return form;
}

void ovCopyToC(ovC_object* v, void* destination, uint32_t size) {
  std::memset(destination, 0, size);
  if (ovIsKind(v, ovKindExternal)) {
    auto* block = ovAs<ovC_external>(v);
    std::memcpy(destination, block->Data(), std::min(size, block->size));
    return;
  }
  ovCForm form = ovCFormOf(v);
  std::memcpy(destination, form.bytes, std::min(size, form.size));
}
