// What a class record answers: ancestry, methods and attributes found
// through the superclass chain (the class's own first), new instances.
#include "runtime/tables/header.h"
#include "runtime/values/copy.h"
#include "runtime/values/instance.h"
#include "runtime/values/list.h"
#include "runtime/values/value.h"

int RTClass::IsAncestor(const RTClass* other) const {
  for (const RTClass* up = superclass; up; up = up->superclass)
    if (up == other) return 1;
  return 0;
}

const RTMethod* RTClass::FindMethodBySelector(uint32_t count, const RTMethod* first, uint32_t selector) {
  for (uint32_t i = 0; i < count; ++i)
    if (first[i].selector == selector) return &first[i];
  return nullptr;
}

int RTClass::FindRegularMethodBySelector(uint32_t selector, const RTMethod** method, const RTClass** where) const {
  for (const RTClass* cls = this; cls; cls = cls->superclass) {
    if (const RTMethod* found = FindMethodBySelector(cls->methodCount, cls->methods, selector)) {
      *method = found;
      *where = cls;
      return 1;
    }
  }
  return 0;
}

int RTClass::FindGetMethodBySelector(uint32_t selector, const RTMethod** method, const RTClass** where) const {
  for (const RTClass* cls = this; cls; cls = cls->superclass) {
    if (const RTMethod* found = FindMethodBySelector(cls->getMethodCount, cls->getMethods, selector)) {
      *method = found;
      *where = cls;
      return 1;
    }
  }
  return 0;
}

int RTClass::FindInstanceMethod(const RTMethod** method, const RTClass** where) const {
  for (const RTClass* cls = this; cls; cls = cls->superclass) {
    if (cls->hasInitMethod) {
      *method = cls->initMethod;
      *where = cls;
      return 1;
    }
  }
  return 0;
}

int RTClass::FindInstAttrBySelector(uint32_t selector, const RTInstAttr** attr) const {
  for (const RTClass* cls = this; cls; cls = cls->superclass) {
    for (uint32_t i = 0; i < cls->instAttrCount; ++i) {
      if (cls->instAttrs[i].selector == selector) {
        *attr = &cls->instAttrs[i];
        return 1;
      }
    }
  }
  return 0;
}

int RTClass::FindClassAttrBySelector(uint32_t selector, const RTClassAttr** attr) const {
  for (const RTClass* cls = this; cls; cls = cls->superclass) {
    for (uint32_t i = 0; i < cls->classAttrCount; ++i) {
      if (cls->classAttrs[i].selector == selector) {
        *attr = &cls->classAttrs[i];
        return 1;
      }
    }
  }
  return 0;
}

int RTClass::FindAttrBySelector(uint32_t selector, const RTInstAttr** inst, const RTClassAttr** cls) const {
  *inst = nullptr;
  *cls = nullptr;
  if (FindInstAttrBySelector(selector, inst)) return 1;
  return FindClassAttrBySelector(selector, cls);
}

int RTClass::FindInstAttrByName(const ovC_object* text, const RTInstAttr** attr) const {
  uint32_t selector = 0;
  if (!RTHeader::GetAttributeSelectorTable()->FindSelectorByName(text, &selector)) return 0;
  return FindInstAttrBySelector(selector, attr);
}

int RTClass::FindClassAttrByName(const ovC_object* text, const RTClassAttr** attr) const {
  uint32_t selector = 0;
  if (!RTHeader::GetAttributeSelectorTable()->FindSelectorByName(text, &selector)) return 0;
  return FindClassAttrBySelector(selector, attr);
}

int RTClass::FindRegularMethodByName(const ovC_object* text, const RTMethod** method, const RTClass** where) const {
  uint32_t selector = 0;
  if (!RTHeader::GetMethodSelectorTable()->FindSelectorByName(text, &selector)) return 0;
  return FindRegularMethodBySelector(selector, method, where);
}

ovC_object* RTClass::MakeInstance() const { return ovCloneObject(defaultInstance); }

namespace {

// Applies one (name value) pair of an initial list to a new instance: an
// instance attribute of that name takes the value in the instance's slot, a
// class attribute in its shared slot; anything else is skipped.
void applyPair(const RTClass& cls, ovC_object* instance, ovC_object* pair) {
  if (!ovIsKind(pair, ovKindList) || ovListGetLength(pair) != 2) return;
  ovC_object* name = ovListGetSlot(pair, 0, 0);
  ovC_object* value = ovListGetSlot(pair, 1, 0);
  if (!ovIsKind(name, ovKindText)) return;
  const RTInstAttr* inst = nullptr;
  const RTClassAttr* shared = nullptr;
  if (cls.FindInstAttrByName(name, &inst)) {
    ovInstanceSetSlot(instance, inst->slot, 1, 1, value);
  } else if (cls.FindClassAttrByName(name, &shared)) {
    ovC_object* old = *shared->slot;
    *shared->slot = ovIncUse(value);
    ovDecUse(old);
  }
}

}  // namespace

ovC_object* RTClass::MakeInstance(const ovC_object* initial) const {
  ovC_object* instance = MakeInstance();
  if (!ovIsKind(initial, ovKindList)) return instance;
  auto* pairs = const_cast<ovC_object*>(initial);
  for (uint32_t i = 0; i < ovListGetLength(pairs); ++i) applyPair(*this, instance, ovListGetSlot(pairs, i, 0));
  return instance;
}

ovC_object* RTClass::MakeDescendantNameList() const { return RTHeader::GetClassTable()->MakeDescendantNameList(this); }

RTClass* RTClass::GetNthClass(uint32_t n) { return RTHeader::GetClassTable()->GetNthClass(n); }
