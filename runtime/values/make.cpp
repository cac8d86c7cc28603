#include "runtime/values/make.h"

#include <cstring>

#include "platform/win32.h"
#include "runtime/memory/low_memory.h"
#include "runtime/tables/header.h"
#include "runtime/values/allocate.h"

namespace {

template <typename T>
T* makeFixed(uint16_t kind) {
  return ovAs<T>(ovAllocValue(kind, sizeof(T)));
}

// A pointer made without a type points at an "ABlock", a plain block.
ovC_object* makePointer(RTExternal* type, void* address, uint16_t level) {
  auto* p = makeFixed<ovC_pointer>(ovKindPointer);
  p->pointeeType = type ? type : ovGetABlockType();
  p->level = level == 0 ? 1 : level;
  p->address = address;
  return p;
}

}  // namespace

ovC_object* ovMakeNone() { return ovIncUse(gdDefaultNone); }

ovC_object* ovMakeUndef() { return ovIncUse(gdDefaultUndefined); }

ovC_object* ovMakeBoolean(int flag) { return ovIncUse(flag ? gdDefaultTrue : gdDefaultFalse); }

ovC_object* ovMakeInteger(int32_t n) {
  if (n == 0) return ovIncUse(gdDefaultZero);
  if (n == 1) return ovIncUse(gdDefaultPOne);
  if (n == -1) return ovIncUse(gdDefaultMOne);
  auto* v = makeFixed<ovC_integer>(ovKindInteger);
  v->value = n;
  return v;
}

ovC_object* ovMakeReal(double d) {
  auto* v = makeFixed<ovC_real>(ovKindReal);
  v->value = d;
  return v;
}

ovC_object* ovMakeText(const char* s) { return ovC_text::Create(s); }

ovC_object* ovMakeTextFromString(const char* p, uint32_t length) {
  ovC_text* t = ovC_text::Create(length);
  if (p) std::memcpy(t->Chars(), p, length);
  return t;
}

ovC_object* ovMakeTextFromPString(const unsigned char* p) { return ovC_text::CreatePString(p); }

ovC_object* ovMakeList(uint32_t n) { return ovC_list::Create(n); }

ovC_object* ovMakeListOfNulls(uint32_t n) { return ovC_list::Create(n); }

ovC_object* ovMakeEmptyInstance(RTClass* cls) { return ovC_instance::Create(cls); }

ovC_object* ovMakePointWin(int32_t h, int32_t v) {
  auto* p = makeFixed<ovC_point>(ovKindPoint);
  p->h = h;
  p->v = v;
  return p;
}

ovC_object* ovMakePointFromPointer(const ovPoint* p) { return ovMakePointWin(p->h, p->v); }

ovC_object* ovMakeRectMac(int32_t top, int32_t left, int32_t bottom, int32_t right) {
  auto* r = makeFixed<ovC_rect>(ovKindRect);
  r->left = left;
  r->top = top;
  r->right = right;
  r->bottom = bottom;
  return r;
}

ovC_object* ovMakeRectFromPointer(const ovRect* r) { return ovMakeRectMac(r->top, r->left, r->bottom, r->right); }

ovC_object* ovMakeRGB(uint16_t red, uint16_t green, uint16_t blue) {
  auto* c = makeFixed<ovC_rgb>(ovKindRGB);
  c->red = red;
  c->green = green;
  c->blue = blue;
  return c;
}

ovC_object* ovMakeRGBFromPointer(const ovRGB* c) {
  uint32_t red = 0, green = 0, blue = 0;
  ovUnpackRGB(c, &red, &green, &blue);
  return ovMakeRGB(static_cast<uint16_t>(red), static_cast<uint16_t>(green), static_cast<uint16_t>(blue));
}

ovC_object* ovMakeExternal(RTExternal* type, uint32_t size, const void* data) {
  return ovC_external::Create(type, size, data);
}

ovC_object* ovMakePtr(RTExternal* type, void* address) { return makePointer(type, address, 1); }

ovC_object* ovMakeHandle(RTExternal* type, void* address) { return makePointer(type, address, 2); }

ovC_object* ovMakePtrFromSize(RTExternal* type, uint32_t size, uint16_t level) {
  if (level == 0) level = 1;
  void* memory = level == 1 ? LocalAlloc(LMEM_FIXED, size) : static_cast<void*>(ovHandle_New(size));
  if (!memory) return nullptr;
  auto* p = static_cast<ovC_pointer*>(makePointer(type, memory, level));
  p->flags |= ovPointerOwned;
  if (level == 1) {
    p->flags |= ovPointerSized;
    p->knownSize = size;
  }
  return p;
}

int ovDisposePointer(ovC_object* v) { return ovIsKind(v, ovKindPointer) ? ovAs<ovC_pointer>(v)->DisposeContent() : 0; }
