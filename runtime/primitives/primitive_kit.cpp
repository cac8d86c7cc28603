#include "runtime/primitives/primitive_kit.h"

#include <algorithm>

#include "runtime/values/list.h"

namespace ovPrim {

ovRef slice(ovC_object* list, uint32_t from, uint32_t to) {
  to = std::min(to, listLength(list));
  if (from >= to) return newList();
  return ovRef::adopt(ovListExtract(list, from, to - 1, 1));
}

}  // namespace ovPrim
