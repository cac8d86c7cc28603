// Use counts, and the destruction of a value when its last use goes.
#include <vector>

#include "runtime/values/allocate.h"
#include "runtime/values/value.h"

namespace {

// The shared constants are never destroyed, whatever their count says.
bool isShared(const ovC_object* v) {
  switch (v->type) {
    case ovKindBoolean:
    case ovKindNone:
    case ovKindUndefined:
      return true;
    case ovKindInteger:
      return v == gdDefaultZero || v == gdDefaultPOne || v == gdDefaultMOne;
    default:
      return false;
  }
}

// Drops one use of a child whose parent is being destroyed; a child that
// loses its last use joins the work list instead of being destroyed here, so
// deeply nested lists never exhaust the stack.
void releaseChild(ovC_object* child, std::vector<ovC_object*>& work) {
  if (!child) return;
  if (child->useCount != 1) {
    --child->useCount;
  } else if (!isShared(child)) {
    work.push_back(child);
  }
}

void releaseChildren(ovC_object* v, std::vector<ovC_object*>& work) {
  if (v->type == ovKindList) {
    auto* list = ovAs<ovC_list>(v);
    ovC_object** elements = list->Elements();
    for (uint32_t i = 0; i < list->length; ++i) releaseChild(elements[i], work);
  } else if (v->type == ovKindInstance) {
    auto* instance = ovAs<ovC_instance>(v);
    ovC_object** slots = instance->Slots();
    for (uint32_t i = 0; i < instance->Length(); ++i) releaseChild(slots[i], work);
  }
}

// Destroys v and everything that only it kept alive. The work list lives on
// as long as the thread, so destruction does not allocate in steady state.
void destroy(ovC_object* v) {
  static thread_local std::vector<ovC_object*> work;
  static thread_local bool running = false;
  work.push_back(v);
  if (running) return;  // an outer call is draining the list
  running = true;
  while (!work.empty()) {
    ovC_object* next = work.back();
    work.pop_back();
    releaseChildren(next, work);
    ovFreeValue(next);
  }
  running = false;
}

}  // namespace

ovC_object* ovIncUse(ovC_object* v) {
  if (v) ++v->useCount;
  return v;
}

ovC_object* ovDecUse(ovC_object* v) {
  if (!v) return nullptr;
  if (v->useCount != 1) {
    --v->useCount;
    return v;
  }
  if (!isShared(v)) destroy(v);
  return nullptr;
}

void ovUnclusterUseCount(ovC_object* v) {
  if (v && v->useCount != 0) --v->useCount;
}
