// Instances: a class record and one slot per instance attribute of the class.
// The slot count is the class's, not stored in the instance. An instance owns
// one use of each non-null slot.
#include <algorithm>

#include "runtime/values/allocate.h"
#include "runtime/values/instance.h"
#include "runtime/values/make.h"

ovC_instance* ovC_instance::Create(RTClass* cls) {
  uint32_t slots = cls ? cls->slotCount : 0;
  uint32_t size = ovVariablePartOffset(ovKindInstance) + sizeof(ovC_object*) * std::max<uint32_t>(slots, 1);
  auto* instance = ovAs<ovC_instance>(ovAllocValue(ovKindInstance, size));
  instance->cls = cls;
  return instance;
}

ovC_object* ovC_instance::GetNth(uint32_t i, int use) {
  if (i >= Length()) return nullptr;
  ovC_object* v = Slots()[i];
  return use ? ovIncUse(v) : v;
}

void ovC_instance::SetNth(ovC_object* v, uint32_t i, int dropOld, int useNew) {
  if (i >= Length()) return;
  if (useNew) ovIncUse(v);
  ovC_object** slot = &Slots()[i];
  ovC_object* old = *slot;
  *slot = v;
  if (dropOld) ovDecUse(old);
}

ovC_text* ovC_instance::GetClassName() const {
  const RTName* name = cls ? cls->name : nullptr;
  return ovAs<ovC_text>(name ? ovMakeTextFromString(name->chars, name->length) : ovMakeText(""));
}

ovC_object* ovInstanceGetSlot(ovC_object* x, uint32_t i, int use) {
  return ovIsKind(x, ovKindInstance) ? ovAs<ovC_instance>(x)->GetNth(i, use) : nullptr;
}

void ovInstanceSetSlot(ovC_object* x, uint32_t i, int dropOld, int useNew, ovC_object* v) {
  if (ovIsKind(x, ovKindInstance)) ovAs<ovC_instance>(x)->SetNth(v, i, dropOld, useNew);
}

uint32_t ovInstanceGetLength(const ovC_object* x) {
  return ovIsKind(x, ovKindInstance) ? ovAs<ovC_instance>(x)->Length() : 0;
}
