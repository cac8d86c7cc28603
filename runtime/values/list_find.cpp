// Searching a list for a value by equality.
#include "runtime/values/compare.h"
#include "runtime/values/list.h"

int32_t ovC_list::Find(ovC_object* v, uint32_t start) {
  for (uint32_t i = start; i < length; ++i)
    if (ovEqual(Elements()[i], v)) return static_cast<int32_t>(i);
  return -1;
}

int ovListLinFind(ovC_object* l, ovC_object* v, uint32_t start, int32_t* index) {
  *index = ovAs<ovC_list>(l)->Find(v, start);
  return *index != -1;
}
