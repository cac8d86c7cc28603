// Checks and clean-up for decoded value graphs, shared by the archive tests
// and the decoder's fuzz target.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "runtime/values/make.h"
#include "runtime/values/value.h"

namespace graph {

inline bool isContainer(const ovC_object* v) { return ovIsKind(v, ovKindList) || ovIsKind(v, ovKindInstance); }

inline uint32_t slotCount(ovC_object* v) {
  return v->type == ovKindList ? ovAs<ovC_list>(v)->length : ovAs<ovC_instance>(v)->Length();
}

inline ovC_object** slots(ovC_object* v) {
  return v->type == ovKindList ? ovAs<ovC_list>(v)->Elements() : ovAs<ovC_instance>(v)->Slots();
}

// Every object reachable from root, root first, each once.
inline std::vector<ovC_object*> reachable(ovC_object* root) {
  std::vector<ovC_object*> found, work{root};
  std::unordered_set<ovC_object*> seen;
  while (!work.empty()) {
    ovC_object* v = work.back();
    work.pop_back();
    if (!v || !seen.insert(v).second) continue;
    found.push_back(v);
    if (isContainer(v))
      for (uint32_t i = 0; i < slotCount(v); ++i) work.push_back(slots(v)[i]);
  }
  return found;
}

inline bool isSharedConstant(const ovC_object* v) {
  return v == gdDefaultNone || v == gdDefaultUndefined || v == gdDefaultTrue || v == gdDefaultFalse ||
         v == gdDefaultZero || v == gdDefaultPOne || v == gdDefaultMOne;
}

// The objects whose use count differs from the number of slots of the graph
// that hold them (plus one for the root, the caller's); shared constants,
// which other owners share, are not counted.
inline std::vector<ovC_object*> miscounted(ovC_object* root) {
  std::unordered_map<ovC_object*, uint32_t> holders;
  std::vector<ovC_object*> objects = reachable(root);
  for (ovC_object* v : objects)
    if (isContainer(v))
      for (uint32_t i = 0; i < slotCount(v); ++i)
        if (slots(v)[i]) ++holders[slots(v)[i]];
  if (root) ++holders[root];
  std::vector<ovC_object*> wrong;
  for (ovC_object* v : objects)
    if (!isSharedConstant(v) && v->useCount != holders[v]) wrong.push_back(v);
  return wrong;
}

// Releases the caller's use of root and everything it reaches, cycles
// included (the run-time has no cycle collector): every slot is emptied
// first, then the uses the slots held are dropped. Handles the graph owns are
// disposed of, as their owner would.
inline void release(ovC_object* root) {
  std::vector<ovC_object*> held;
  for (ovC_object* v : reachable(root)) {
    if (ovIsKind(v, ovKindPointer)) ovDisposePointer(v);
    if (!isContainer(v)) continue;
    for (uint32_t i = 0; i < slotCount(v); ++i) {
      held.push_back(slots(v)[i]);
      slots(v)[i] = nullptr;
    }
  }
  for (ovC_object* v : held) ovDecUse(v);
  ovDecUse(root);
}

}  // namespace graph
