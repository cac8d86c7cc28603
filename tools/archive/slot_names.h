// The attribute names of a class's instance slots, by which the text form
// names an instance's slots.
#pragma once

#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "runtime/tables/records.h"

class SlotNames {
 public:
  // The name of each slot of cls, in slot order, inherited slots first.
  const std::vector<std::string_view>& Of(const RTClass* cls);
  // The slot a name stands for, the class's own attribute before an
  // inherited one of the same name; -1 when the class has none of that name.
  int32_t SlotOf(const RTClass* cls, std::string_view name);
  // Whether every slot has a name of its own, so that naming slots
  // reproduces them.
  bool AreDistinct(const RTClass* cls);

 private:
  std::map<const RTClass*, std::vector<std::string_view>> names_;
};
