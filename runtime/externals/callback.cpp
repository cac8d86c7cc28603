#include "runtime/externals/callback.h"

#include <array>

#include "runtime/externals/conversions.h"
#include "runtime/externals/pointee.h"
#include "runtime/tables/header.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"

ovStatus CallBack(const ovC_object* name, ovC_object** out) {
  ovRef().releaseInto(out);
  const RTMethod* method = nullptr;
  uint32_t context = 0;
  if (!RTHeader::LookupPathTop(name, &method, &context)) return ovSuccess;
  WNDPROC entry = ovCallbackEntryFor(method->code);
  if (entry) ovRef::adopt(ovMakeOpaquePointer(reinterpret_cast<void*>(entry))).releaseInto(out);
  return ovSuccess;
}

ovC_object* ovMakePlatformWord(uintptr_t word) {
  auto asSigned = static_cast<intptr_t>(word);
  if (asSigned >= INT32_MIN && asSigned <= INT32_MAX) return ovMakeInteger(static_cast<int32_t>(asSigned));
  if (word <= UINT32_MAX) return ovMakeInteger(static_cast<int32_t>(static_cast<uint32_t>(word)));
  return ovMakePtr(nullptr, reinterpret_cast<void*>(word));
}

LRESULT ovToPlatformResult(const ovC_object* v) {
  if (ovIsKind(v, ovKindPointer)) return reinterpret_cast<LRESULT>(ovAs<ovC_pointer>(v)->address);
  return ovToInt32(v);
}

LRESULT UCDoCallback(ovRoutine code, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  std::array<ovRef, 4> inputs = {
      ovRef::adopt(ovMakePlatformWord(reinterpret_cast<uintptr_t>(hwnd))),
      ovRef::adopt(ovMakePlatformWord(message)),
      ovRef::adopt(ovMakePlatformWord(wParam)),
      ovRef::adopt(ovMakePlatformWord(static_cast<uintptr_t>(lParam))),
  };
  std::array<ovC_object*, 4> in = {inputs[0].get(), inputs[1].get(), inputs[2].get(), inputs[3].get()};
  ovC_object* output = nullptr;
  ovC_object** out[1] = {&output};
  code(4, 1, in.data(), out);
  ovRef result = ovRef::adopt(output);
  return ovToPlatformResult(result.get());
}
