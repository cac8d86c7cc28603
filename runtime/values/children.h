// The values a list or instance holds: its elements or its slots.
#pragma once

#include <span>

#include "runtime/values/value.h"

inline bool ovHoldsValues(const ovC_object* v) { return ovIsKind(v, ovKindList) || ovIsKind(v, ovKindInstance); }

// The element or slot array of a list or instance; empty for other kinds.
inline std::span<ovC_object*> ovChildrenOf(ovC_object* v) {
  if (ovIsKind(v, ovKindList)) return {ovAs<ovC_list>(v)->Elements(), ovAs<ovC_list>(v)->length};
  if (ovIsKind(v, ovKindInstance)) return {ovAs<ovC_instance>(v)->Slots(), ovAs<ovC_instance>(v)->Length()};
  return {};
}
