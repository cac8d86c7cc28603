#include "runtime/dispatch/dispatch.h"

#include "runtime/tables/header.h"
#include "runtime/tables/method_cache.h"
#include "runtime/values/instance.h"
#include "runtime/values/path_name.h"
#include "runtime/values/value.h"
#include "runtime/values/value_ref.h"

ovStatus UCDoNothing(uint32_t, uint32_t, ovC_object* const*, ovC_object** const*) { return ovNothingRan; }

namespace {

// The searches the method cache remembers.
ovRoutine findInClassChain(const RTClass* cls, uint32_t selector) {
  const RTMethod* method = nullptr;
  const RTClass* where = nullptr;
  if (cls && cls->FindRegularMethodBySelector(selector, &method, &where)) return method->code;
  return UCDoNothing;
}

ovRoutine findForNonInstance(const RTClass*, uint32_t selector) {
  const RTMethod* method = nullptr;
  if (RTHeader::GetPrimitiveTable()->FindBySelector(selector, &method)) return method->code;
  if (RTHeader::GetUniversalTable()->FindBySelector(selector, &method)) return method->code;
  return UCDoNothing;
}

}  // namespace

ovRoutine UCLookupMethod(uint32_t selector, const ovC_object* receiver) {
  if (ovIsKind(receiver, ovKindInstance))
    return ovMethodCacheLookup(ovAs<ovC_instance>(receiver)->cls, selector, findInClassChain);
  return ovMethodCacheLookup(nullptr, selector, findForNonInstance);
}

ovRoutine UCClassMethod(uint32_t selector, const RTClass* cls) {
  if (!cls) return UCDoNothing;
  return ovMethodCacheLookup(cls, selector, findInClassChain);
}

ovStatus UCMakeInstance(const RTClass* cls, const ovC_object* initial, ovC_object** slot) {
  ovRef instance = ovRef::adopt(ovIsKind(initial, ovKindList) ? cls->MakeInstance(initial) : cls->MakeInstance());
  const RTMethod* init = nullptr;
  const RTClass* where = nullptr;
  if (cls->FindInstanceMethod(&init, &where)) {
    ovC_object* in[] = {instance.get()};
    ovC_object** out[] = {slot};
    return init->code(1, 1, in, out);
  }
  instance.releaseInto(slot);
  return ovSuccess;
}

namespace {

// The class whose attributes an object reaches, and the instance that holds
// instance attributes: the object itself, or the default instance of the
// class a text names.
struct AttributeHolder {
  const RTClass* cls = nullptr;
  ovC_object* instance = nullptr;
};

AttributeHolder holderOf(ovC_object* object) {
  if (ovIsKind(object, ovKindInstance)) return {ovAs<ovC_instance>(object)->cls, object};
  RTClass* cls = nullptr;
  if (ovIsKind(object, ovKindText) && RTHeader::GetClassTable()->FindClassByName(object, &cls))
    return {cls, cls->defaultInstance};
  return {};
}

void passThrough(ovC_object* object, ovC_object** objectSlot) {
  ovC_object* old = *objectSlot;
  *objectSlot = ovIncUse(object);
  ovDecUse(old);
}

}  // namespace

void UCGetAttribute(uint32_t selector, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot) {
  *valueSlot = nullptr;
  AttributeHolder holder = holderOf(object);
  const RTInstAttr* inst = nullptr;
  const RTClassAttr* shared = nullptr;
  if (holder.cls && holder.cls->FindAttrBySelector(selector, &inst, &shared))
    *valueSlot = inst ? ovInstanceGetSlot(holder.instance, inst->slot, 1) : ovIncUse(*shared->slot);
  passThrough(object, objectSlot);
}

void UCSetAttribute(uint32_t selector, ovC_object* object, ovC_object* value, ovC_object** objectSlot) {
  AttributeHolder holder = holderOf(object);
  const RTInstAttr* inst = nullptr;
  const RTClassAttr* shared = nullptr;
  if (holder.cls && holder.cls->FindAttrBySelector(selector, &inst, &shared)) {
    if (inst) {
      ovInstanceSetSlot(holder.instance, inst->slot, 1, 1, value);
    } else {
      ovC_object* old = *shared->slot;
      *shared->slot = ovIncUse(value);
      ovDecUse(old);
    }
  }
  passThrough(object, objectSlot);
}

ovStatus UCGetMethod(uint32_t getSelector, uint32_t attributeSelector, ovC_object* object, ovC_object** objectSlot,
                     ovC_object** valueSlot) {
  AttributeHolder holder = holderOf(object);
  if (!object || !holder.cls) {
    passThrough(object, objectSlot);
    *valueSlot = nullptr;
    return ovSuccess;
  }
  const RTMethod* getter = nullptr;
  const RTClass* where = nullptr;
  if (holder.cls->FindGetMethodBySelector(getSelector, &getter, &where)) {
    ovC_object* in[] = {object};
    ovC_object** out[] = {objectSlot, valueSlot};
    return getter->code(1, 2, in, out);
  }
  UCGetAttribute(attributeSelector, object, objectSlot, valueSlot);
  return ovSuccess;
}

ovRoutine UCInjectLookupMethod(const ovC_object* name, const RTClass* current, const ovC_object* receiver) {
  ovC_object* classPart = nullptr;
  ovC_object* methodPart = nullptr;
  ovPath path = ovScanNameAndParse(const_cast<ovC_object*>(name), 1, &classPart, &methodPart);
  ovRef className = ovRef::adopt(classPart);
  ovRef methodName = ovRef::adopt(methodPart);
  const RTMethod* method = nullptr;
  uint32_t context = 0;
  int found = 0;
  switch (path) {
    case ovPathPlain: found = RTHeader::LookupPathTop(methodName.get(), &method, &context); break;
    case ovPathClass: found = RTHeader::LookupPathName(className.get(), methodName.get(), &method, &context); break;
    case ovPathReceiver: found = RTHeader::LookupPathInstance(receiver, methodName.get(), &method, &context); break;
    case ovPathCurrent:
      found = current ? RTHeader::LookupPathCurrent(current, methodName.get(), &method, &context)
                      : RTHeader::LookupPathTop(methodName.get(), &method, &context);
      break;
  }
  return found ? method->code : UCDoNothing;
}

ovStatus UCInjectMakeInstance(const ovC_object* className, const ovC_object* initial, ovC_object** slot) {
  RTClass* cls = nullptr;
  if (!RTHeader::GetClassTable()->FindClassByName(className, &cls)) {
    *slot = nullptr;
    return ovSuccess;
  }
  return UCMakeInstance(cls, initial, slot);
}

ovStatus UCInjectGetAttribute(const ovC_object* name, ovC_object* object, ovC_object** objectSlot,
                              ovC_object** valueSlot) {
  ovC_object* classPart = nullptr;
  ovC_object* namePart = nullptr;
  ovPath path = ovScanNameAndParse(const_cast<ovC_object*>(name), 1, &classPart, &namePart);
  ovRef ignoredClass = ovRef::adopt(classPart);
  ovRef attributeName = ovRef::adopt(namePart);
  uint32_t attribute = 0;
  bool isAttribute = RTHeader::GetAttributeSelectorTable()->FindSelectorByName(attributeName.get(), &attribute);
  if (path != ovPathPlain) {
    uint32_t getter = 0;
    if (RTHeader::GetGetMethodSelectorTable()->FindSelectorByName(attributeName.get(), &getter))
      return UCGetMethod(getter, attribute, object, objectSlot, valueSlot);
  }
  if (isAttribute) UCGetAttribute(attribute, object, objectSlot, valueSlot);
  return ovSuccess;
}

void UCInjectGetPersistent(const ovC_object* name, ovC_object** slot) {
  const RTPersistent* persistent = nullptr;
  *slot = RTHeader::GetPersistentTable()->FindByName(name, &persistent) ? ovIncUse(*persistent->slot) : nullptr;
}
