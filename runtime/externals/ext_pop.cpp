#include "runtime/externals/ext_pop.h"

#include "runtime/tables/header.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"

namespace {

// The spec when the function wrote through it, else the value made.
template <typename Make>
void pop(ovC_object* spec, ovC_object** out, Make make) {
  bool wroteThroughSpec = ovIsKind(spec, ovKindPointer) && ovAs<ovC_pointer>(spec)->level == 1;
  ovRef result = wroteThroughSpec ? ovRef::share(spec) : ovRef::adopt(make());
  result.releaseInto(out);
}

RTExternal* typeNumbered(uint32_t number) { return RTHeader::GetExternalTable()->GetNthType(number); }

}  // namespace

void UCExtPopBinInt4(ovC_object* spec, const int32_t* cValue, ovC_object** out) {
  pop(spec, out, [&] { return ovMakeInteger(*cValue); });
}

void UCExtPopBinInt2(ovC_object* spec, const int16_t* cValue, ovC_object** out) {
  pop(spec, out, [&] { return ovMakeInteger(*cValue); });
}

void UCExtPopBinPointer(ovC_object*, void* const* cAddress, ovC_object** out, uint32_t typeNumber) {
  ovRef result = *cAddress ? ovRef::adopt(ovMakePtr(typeNumbered(typeNumber), *cAddress)) : ovRef();
  result.releaseInto(out);
}

void UCExtPopBinPoint(ovC_object* spec, const POINT* cPoint, ovC_object** out) {
  pop(spec, out, [&] { return ovMakePointWin(cPoint->x, cPoint->y); });
}

void UCExtPopBinRect(ovC_object* spec, const RECT* cRect, ovC_object** out) {
  pop(spec, out, [&] { return ovMakeRectMac(cRect->top, cRect->left, cRect->bottom, cRect->right); });
}

void UCExtPopBinStruct(ovC_object* spec, const void* cData, ovC_object** out, uint32_t size, uint32_t typeNumber) {
  pop(spec, out, [&] { return ovMakeExternal(typeNumbered(typeNumber), size, cData); });
}
