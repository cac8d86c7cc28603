// Lookups in the run-time tables: by name (binary search on name records),
// by selector number (linear scan) and by method path.
#include <cstring>
#include <string>

#include "runtime/tables/header.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/path_name.h"
#include "runtime/values/text.h"
#include "runtime/values/value_ref.h"

namespace {

// A text turned into a name record on the stack: at most 255 characters, so
// two texts that agree in their first 255 characters find the same entry.
struct KeyName {
  explicit KeyName(const ovC_object* text) { buffer.name().SetName(text); }
  explicit KeyName(const char* chars, uint32_t length) { buffer.name().SetName(chars, length); }
  const RTName& name() { return buffer.name(); }
  RTNameBuffer buffer;
};

template <typename Record>
int findInSorted(const std::vector<Record>& records, const RTName& key, const Record** found) {
  uint32_t index = 0;
  auto compare = [&](const RTName& k, uint32_t i) { return k.Compare(*records[i].name); };
  if (!RTTable::BinarySearch(compare, static_cast<uint32_t>(records.size()), key, &index)) return 0;
  *found = &records[index];
  return 1;
}

bool isText(const ovC_object* v) { return ovIsKind(v, ovKindText); }

}  // namespace

int RTClassTable::FindClassByName(const ovC_object* text, RTClass** record) const {
  if (!isText(text)) return 0;
  KeyName key(text);
  uint32_t index = 0;
  auto compare = [&](const RTName& k, uint32_t i) { return k.Compare(*classes[i]->name); };
  if (!RTTable::BinarySearch(compare, Count(), key.name(), &index)) return 0;
  *record = classes[index];
  return 1;
}

int32_t RTClassTable::IndexOf(const RTClass* record) const {
  for (uint32_t i = 0; i < Count(); ++i)
    if (classes[i] == record) return static_cast<int32_t>(i);
  return -1;
}

ovC_object* RTClassTable::MakeDescendantNameList(const RTClass* cls) const {
  ovC_object* names = ovMakeList(0);
  for (RTClass* candidate : classes)
    if (candidate->IsAncestor(cls)) ovListAppend(names, candidate->name->ConvertToOVString(), 0);
  return names;
}

int RTMethodTable::FindByName(const ovC_object* text, const RTMethod** method) const {
  if (!isText(text)) return 0;
  KeyName key(text);
  return findInSorted(records, key.name(), method);
}

int RTMethodTable::FindBySelector(uint32_t selector, const RTMethod** method) const {
  for (const RTMethod& m : records) {
    if (m.selector == selector) {
      *method = &m;
      return 1;
    }
  }
  return 0;
}

int RTPersistentTable::FindByName(const ovC_object* text, const RTPersistent** persistent) const {
  if (!isText(text)) return 0;
  KeyName key(text);
  return findInSorted(records, key.name(), persistent);
}

int RTSelectorTable::FindSelectorByName(const ovC_object* text, uint32_t* number) const {
  *number = 0;
  if (!isText(text)) return 0;
  KeyName key(text);
  const RTSelector* found = nullptr;
  if (!findInSorted(records, key.name(), &found)) return 0;
  *number = found->number;
  return 1;
}

int RTExternalTable::FindByName(const char* name, const RTExternal** external) const {
  if (!name) return 0;
  KeyName key(name, static_cast<uint32_t>(std::strlen(name)));
  return findInSorted(records, key.name(), external);
}

int32_t RTExternalTable::IndexOf(const RTExternal* record) const {
  if (records.empty() || record < &records.front() || record > &records.back()) return -1;
  return static_cast<int32_t>(record - &records.front());
}

int RTHeader::LookupPathTop(const ovC_object* name, const RTMethod** method, uint32_t* context) {
  RTHeader* h = gRTHeader;
  if (h->primitiveTable.FindByName(name, method)) {
    *context = h->primitiveTable.context;
    return 1;
  }
  if (h->universalTable.FindByName(name, method)) {
    *context = h->universalTable.context;
    return 1;
  }
  return 0;
}

int RTHeader::LookupPathCurrent(const RTClass* cls, const ovC_object* name, const RTMethod** method,
                                uint32_t* context) {
  const RTMethod* found = nullptr;
  const RTClass* where = nullptr;
  if (!cls || !cls->FindRegularMethodByName(name, &found, &where)) return 0;
  *method = found;
  *context = where->context;
  return 1;
}

int RTHeader::LookupPathName(const ovC_object* className, const ovC_object* name, const RTMethod** method,
                             uint32_t* context) {
  RTClass* cls = nullptr;
  if (!gRTHeader->classTable.FindClassByName(className, &cls)) return 0;
  return LookupPathCurrent(cls, name, method, context);
}

int RTHeader::LookupPathInstance(const ovC_object* receiver, const ovC_object* name, const RTMethod** method,
                                 uint32_t* context) {
  if (ovIsKind(receiver, ovKindInstance))
    return LookupPathCurrent(ovAs<ovC_instance>(receiver)->cls, name, method, context);
  return LookupPathTop(name, method, context);
}

void RTHeader::InitializeData(ovC_object* persistents, ovC_object* classAttributes, ovC_object* defaults) {
  RTHeader* h = gRTHeader;
  auto length = [](ovC_object* list) { return ovIsKind(list, ovKindList) ? ovListGetLength(list) : UINT32_MAX; };
  bool persistentsFit = length(persistents) == h->persistentTable.Count();
  for (uint32_t i = 0; i < h->persistentTable.Count(); ++i)
    *h->persistentTable.records[i].slot = persistentsFit ? ovListGetSlot(persistents, i, 1) : nullptr;

  uint32_t k = 0;
  uint32_t available = ovIsKind(classAttributes, ovKindList) ? ovListGetLength(classAttributes) : 0;
  for (RTClass* cls : h->classTable.classes)
    for (uint32_t a = 0; a < cls->classAttrCount; ++a, ++k)
      *cls->classAttrs[a].slot = k < available ? ovListGetSlot(classAttributes, k, 1) : nullptr;

  bool defaultsFit = length(defaults) == h->classTable.Count();
  for (uint32_t i = 0; i < h->classTable.Count(); ++i)
    h->classTable.classes[i]->defaultInstance = defaultsFit ? ovListGetSlot(defaults, i, 1) : nullptr;
}

ovRoutine ovFindPrimitive(const char* name) {
  KeyName key(name, static_cast<uint32_t>(std::strlen(name)));
  const RTMethod* found = nullptr;
  return findInSorted(RTHeader::gRTHeader->allPrimitives.records, key.name(), &found) ? found->code : nullptr;
}

RTExternal* ovGetExternalTypeFromName(const ovC_object* text) {
  if (!isText(text)) return nullptr;
  std::string name(ovStringGetPtr(const_cast<ovC_object*>(text)), ovStringGetLength(text));
  const RTExternal* found = nullptr;
  RTHeader::GetExternalTable()->FindByName(name.c_str(), &found);
  return const_cast<RTExternal*>(found);
}

RTExternal* ovGetABlockType() { return RTHeader::gRTHeader ? RTHeader::gRTHeader->aBlockType : nullptr; }

RTClass* ovCheckInputClass(const ovC_object* v) {
  if (ovIsKind(v, ovKindInstance)) return ovAs<ovC_instance>(v)->cls;
  RTClass* cls = nullptr;
  if (isText(v)) RTHeader::GetClassTable()->FindClassByName(v, &cls);
  return cls;
}

RTClass* ovFindClassByPStringName(const unsigned char* p) {
  ovRef text = ovRef::adopt(ovMakeTextFromPString(p));
  RTClass* cls = nullptr;
  RTHeader::GetClassTable()->FindClassByName(text.get(), &cls);
  return cls;
}

RTExternal* ovFindExternalByPStringName(const unsigned char* p) {
  std::string name(reinterpret_cast<const char*>(p + 1), p[0]);
  const RTExternal* found = nullptr;
  RTHeader::GetExternalTable()->FindByName(name.c_str(), &found);
  return const_cast<RTExternal*>(found);
}
