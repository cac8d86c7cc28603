#include "runtime/methods/support.h"

#include <algorithm>
#include <cstring>

#include "runtime/values/compare_strings.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime/values/value.h"

namespace {

ovStatus matchIf(bool matches) { return matches ? ovSuccess : ovFailure; }

void store(ovC_object** slot, ovC_object* made) { *slot = made; }

}  // namespace

void UCEnterMethod(uint32_t n, ovC_object** frame) { std::fill(frame, frame + n, nullptr); }

void UCExitCase(uint32_t n, ovC_object** frame) {
  for (uint32_t i = 0; i < n; ++i) {
    ovDecUse(frame[i]);
    frame[i] = nullptr;
  }
}

void UCExitMethod(uint32_t n, ovC_object** frame) { UCExitCase(n, frame); }

void UCIncUse(ovC_object* v) { ovIncUse(v); }

void UCDecUse(ovC_object* v) { ovDecUse(v); }

ovStatus UCMatchNone(const ovC_object* v) { return matchIf(ovIsKind(v, ovKindNone)); }

ovStatus UCMatchTrue(const ovC_object* v) { return matchIf(v && v == gdDefaultTrue); }

ovStatus UCMatchFalse(const ovC_object* v) { return matchIf(v && v == gdDefaultFalse); }

ovStatus UCMatchEmptyList(const ovC_object* v) { return matchIf(ovIsKind(v, ovKindList) && ovListGetLength(v) == 0); }

ovStatus UCMatchEmptyString(const ovC_object* v) { return matchIf(ovIsKind(v, ovKindText) && ovStringGetLength(v) == 0); }

ovStatus UCMatchString(uint32_t length, const char* chars, const ovC_object* v) {
  if (!ovIsKind(v, ovKindText) || ovStringGetLength(v) != length) return ovFailure;
  return matchIf(ovCompareStrings(ovStringGetPtr(const_cast<ovC_object*>(v)), chars, 1, 0, 0, 1) == 0);
}

ovStatus UCMatchInteger(int32_t n, const ovC_object* v) {
  if (ovIsKind(v, ovKindInteger)) return matchIf(ovGetInteger(v) == n);
  return matchIf(ovIsKind(v, ovKindReal) && ovGetReal(v) == static_cast<double>(n));
}

void UCConstantTrue(ovC_object** slot) { store(slot, ovIncUse(gdDefaultTrue)); }

void UCConstantFalse(ovC_object** slot) { store(slot, ovIncUse(gdDefaultFalse)); }

void UCConstantInteger(int32_t n, ovC_object** slot) { store(slot, ovMakeInteger(n)); }

void UCConstantReal(const double* value, ovC_object** slot) { store(slot, ovMakeReal(*value)); }

void UCConstantString(const char* chars, ovC_object** slot) { store(slot, ovMakeText(chars)); }

void UCConstantEmptyList(ovC_object** slot) { store(slot, ovMakeList(0)); }

void UCConstantPoint(int32_t a, int32_t b, ovC_object** slot) { store(slot, ovMakePointWin(a, b)); }

void UCConstantRect(int32_t a, int32_t b, int32_t c, int32_t d, ovC_object** slot) {
  store(slot, ovMakeRectMac(a, b, c, d));
}

void UCConstantList(ovC_object** slot, uint32_t count, ovC_object* const* elements) {
  ovC_object* list = ovMakeList(count);
  for (uint32_t i = 0; i < count; ++i) ovListSetSlot(list, i, 0, 1, elements[i]);
  store(slot, list);
}

void UCMaxCounter(const ovC_object* list, int32_t* bound) {
  auto length = static_cast<int32_t>(ovListGetLength(list));
  *bound = *bound == -1 ? length : std::min(*bound, length);
}

void UCNextList(int32_t index, ovC_object* list, ovC_object** slot) {
  ovC_object* old = *slot;
  *slot = ovListGetSlot(list, static_cast<uint32_t>(index), 1);
  ovDecUse(old);
}

void UCNewRootList(int32_t n, ovC_object** slot) {
  ovC_object* list = ovMakeList(static_cast<uint32_t>(std::max(n, 0)));
  ovAs<ovC_list>(list)->length = 0;
  store(slot, list);
}

void UCAddList(ovC_object* list, ovC_object** slot) {
  if (*slot == gdDefaultNone) return;
  ovListAppend(list, *slot, 0);
  *slot = nullptr;
}

void UCPackList(ovC_object* list) { ovAs<ovC_list>(list)->ShrinkToLength(); }

void UCPartition(ovC_object** itemSlot, ovC_object** booleanSlot, ovC_object* trueList, ovC_object* falseList) {
  if (*itemSlot != gdDefaultNone) {
    bool isTrue = ovIsKind(*booleanSlot, ovKindBoolean) && ovGetBoolean(*booleanSlot) != 0;
    ovListAppend(isTrue ? trueList : falseList, *itemSlot, 0);
    *itemSlot = nullptr;
  }
  ovDecUse(*booleanSlot);
  *booleanSlot = nullptr;
}

void UCSimple(ovC_object** source, ovC_object** destination) {
  ovC_object* old = *destination;
  *destination = *source;
  *source = nullptr;
  ovDecUse(old);
}

void UCLoop(ovC_object** source, ovC_object** destination) { UCSimple(source, destination); }

void UCCopyLoop(ovC_object* value, ovC_object** destination) { *destination = ovIncUse(value); }

// Callers make room first (UCNewRootList); a length beyond the room grows
// the storage rather than letting the list reach past its block.
void UCSetListLength(ovC_object* list, uint32_t n) {
  auto* l = ovAs<ovC_list>(list);
  l->Reserve(n);
  l->length = n;
}

void UCShrinkListToLength(ovC_object* list) { ovAs<ovC_list>(list)->ShrinkToLength(); }
