// What a class record answers: ancestry, methods and attributes found
// through the superclass chain (the class's own first), new instances.
#include <utility>

#include "runtime/tables/header.h"
#include "runtime/values/copy.h"
#include "runtime/values/instance.h"
#include "runtime/values/list.h"
#include "runtime/values/value.h"

namespace {

// Searches the run that run(cls) names in cls and then in each ancestor for
// the first record of selector; the class it was found in goes to where.
template <typename Record, typename Run>
const Record* searchUpward(const RTClass* cls, uint32_t selector, Run run, const RTClass** where) {
  for (; cls; cls = cls->superclass) {
    auto [count, first] = run(cls);
    for (uint32_t i = 0; i < count; ++i) {
      if (first[i].selector == selector) {
        if (where) *where = cls;
        return &first[i];
      }
    }
  }
  return nullptr;
}

template <typename Record>
int found(const Record* record, const Record** out) {
  if (!record) return 0;
  *out = record;
  return 1;
}

}  // namespace

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
  auto run = [](const RTClass* c) { return std::pair(c->methodCount, c->methods); };
  const RTClass* in = nullptr;
  if (!found(searchUpward<RTMethod>(this, selector, run, &in), method)) return 0;
  *where = in;
  return 1;
}

int RTClass::FindGetMethodBySelector(uint32_t selector, const RTMethod** method, const RTClass** where) const {
  auto run = [](const RTClass* c) { return std::pair(c->getMethodCount, c->getMethods); };
  const RTClass* in = nullptr;
  if (!found(searchUpward<RTMethod>(this, selector, run, &in), method)) return 0;
  *where = in;
  return 1;
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
  auto run = [](const RTClass* c) { return std::pair(c->instAttrCount, c->instAttrs); };
  return found(searchUpward<RTInstAttr>(this, selector, run, nullptr), attr);
}

int RTClass::FindClassAttrBySelector(uint32_t selector, const RTClassAttr** attr) const {
  auto run = [](const RTClass* c) { return std::pair(c->classAttrCount, c->classAttrs); };
  return found(searchUpward<RTClassAttr>(this, selector, run, nullptr), attr);
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
