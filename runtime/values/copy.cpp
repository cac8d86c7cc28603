// Shallow and by-kind copies.
//
// A copy of a boolean, none or undefined is its shared constant rather than a
// second object: every such value is meant to be one of the constants, and a
// second one could never be freed, since releasing a value of these kinds
// never frees it.
//
// A copy of a pointer points at the same memory but does not own it: only
// the original may release it, so that disposing both cannot free the
// memory twice.
#include "runtime/values/copy.h"

#include "runtime/memory/words.h"
#include "runtime/values/children.h"
#include "runtime/values/make.h"

ovC_object* ovBlockCopy(ovC_object* v) {
  switch (v->type) {
    case ovKindBoolean: return ovMakeBoolean(ovAs<ovC_boolean>(v)->value);
    case ovKindNone: return ovMakeNone();
    case ovKindUndefined: return ovMakeUndef();
    default: break;
  }
  auto* copy = static_cast<ovC_object*>(ovMemDuplicate(v));
  copy->useCount = 1;
  copy->visitMark = 0;
  if (copy->type == ovKindPointer) ovAs<ovC_pointer>(copy)->flags &= static_cast<uint16_t>(~ovPointerOwned);
  return copy;
}

ovC_object* ovCopyObject(ovC_object* v) {
  if (!v) return nullptr;
  ovC_object* copy = ovBlockCopy(v);
  for (ovC_object* child : ovChildrenOf(copy)) ovIncUse(child);
  return copy;
}

ovC_object* ovDuplicateObject(ovC_object* v) {
  if (!v) return nullptr;
  return ovHoldsValues(v) ? ovCloneObject(v) : ovBlockCopy(v);
}
