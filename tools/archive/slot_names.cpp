#include "tools/archive/slot_names.h"

#include <set>

const std::vector<std::string_view>& SlotNames::Of(const RTClass* cls) {
  auto [entry, added] = names_.try_emplace(cls);
  if (!added) return entry->second;
  std::vector<std::string_view>& names = entry->second;
  names.resize(cls->slotCount);
  for (const RTClass* c = cls; c; c = c->superclass)
    for (uint32_t i = 0; i < c->instAttrCount; ++i) {
      const RTInstAttr& attr = c->instAttrs[i];
      if (attr.slot < names.size()) names[attr.slot] = std::string_view(attr.name->chars, attr.name->length);
    }
  return names;
}

// Own attributes take the slots after the inherited ones, so the last slot
// of a name is the most derived class's.
int32_t SlotNames::SlotOf(const RTClass* cls, std::string_view name) {
  const std::vector<std::string_view>& names = Of(cls);
  for (size_t i = names.size(); i-- > 0;)
    if (names[i] == name) return static_cast<int32_t>(i);
  return -1;
}

bool SlotNames::AreDistinct(const RTClass* cls) {
  const std::vector<std::string_view>& names = Of(cls);
  std::set<std::string_view> seen(names.begin(), names.end());
  return seen.size() == names.size() && !seen.contains(std::string_view());
}
