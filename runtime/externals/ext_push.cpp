#include "runtime/externals/ext_push.h"

#include <algorithm>
#include <cstring>

#include "runtime/externals/conversions.h"
#include "runtime/values/text.h"

namespace {

ovArgWord wordOf(const void* address) { return reinterpret_cast<ovArgWord>(address); }

bool isPlainPointer(const ovC_object* v) { return ovIsKind(v, ovKindPointer) && ovAs<ovC_pointer>(v)->level == 1; }

// NULL passes 0 and a plain pointer its address; false when the value is
// neither and the caller must convert it.
bool pushNullOrPointer(const ovC_object* value, ovArgWord* slot) {
  if (!value)
    *slot = 0;
  else if (isPlainPointer(value))
    *slot = wordOf(ovToAddress(value));
  else
    return false;
  return true;
}

}  // namespace

void UCExtPushInt4(const ovC_object* value, ovArgWord* slot) {
  *slot = static_cast<ovArgWord>(static_cast<intptr_t>(ovToInt32(value)));
}

void UCExtPushInt1(const ovC_object* value, ovArgWord* slot) {
  auto low = static_cast<unsigned char>(ovToInt32(value));
  std::memcpy(slot, &low, 1);
}

void UCExtPushPointer(const ovC_object* value, ovArgWord* slot) { *slot = wordOf(ovToAddress(value)); }

void UCExtPushVarPointer(const ovC_object* value, void** temporary, ovArgWord* slot) {
  if (!value) {
    *slot = 0;
    return;
  }
  *temporary = ovToAddress(value);
  *slot = wordOf(temporary);
}

void UCExtPushVarCString(const ovC_object* text, char* buffer, ovArgWord* slot, uint32_t bufferSize) {
  if (pushNullOrPointer(text, slot)) return;
  if (bufferSize == 0) {
    *slot = 0;
    return;
  }
  uint32_t count = std::min(ovStringGetLength(text), bufferSize - 1);
  if (count) std::memcpy(buffer, ovStringGetPtr(const_cast<ovC_object*>(text)), count);
  buffer[count] = '\0';
  *slot = wordOf(buffer);
}

void UCExtPushPoint(ovC_object* value, POINT* area) { ovCopyToC(value, area, sizeof *area); }

void UCExtPushVarPoint(ovC_object* value, POINT* temporary, ovArgWord* slot) {
  UCExtPushVarStruct(value, temporary, slot, sizeof *temporary);
}

void UCExtPushVarRect(ovC_object* value, RECT* temporary, ovArgWord* slot) {
  UCExtPushVarStruct(value, temporary, slot, sizeof *temporary);
}

void UCExtPushVarStruct(ovC_object* value, void* temporary, ovArgWord* slot, uint32_t size) {
  if (pushNullOrPointer(value, slot)) return;
  ovCopyToC(value, temporary, size);
  *slot = wordOf(temporary);
}
