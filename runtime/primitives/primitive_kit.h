// What primitive bodies share: the predicate answer and the lenient readings
// of inputs.
//
// Primitives never check kinds beyond what they need and never fail on a
// wrong kind: a value that is not a list reads as the empty list, one that is
// not a text as the empty text, one that is not TRUE as not true. Positions
// the language gives are 1-based; a position outside the list or text reads
// as missing.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/methods/kit.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/text.h"

namespace ovPrim {

// With an output wired: TRUE or FALSE and success. Without one: success when
// the predicate holds, failure when it does not.
inline ovStatus answerPredicate(const ov::Args& a, bool holds) {
  if (a.outputCount() == 0) return holds ? ovSuccess : ovFailure;
  a.put(0, ovRef::adopt(ovMakeBoolean(holds)));
  return ovSuccess;
}

inline bool isTrue(const ovC_object* v) { return ovIsKind(v, ovKindBoolean) && ovAs<ovC_boolean>(v)->value != 0; }

inline uint32_t listLength(const ovC_object* v) { return ovIsKind(v, ovKindList) ? ovAs<ovC_list>(v)->length : 0; }

// Element i (0-based), borrowed; nullptr when missing.
inline ovC_object* element(ovC_object* list, uint32_t i) {
  return i < listLength(list) ? ovAs<ovC_list>(list)->Elements()[i] : nullptr;
}

// Element at a 1-based position, borrowed; nullptr when missing.
inline ovC_object* elementAt(ovC_object* list, int64_t position) {
  return position >= 1 && position <= listLength(list) ? element(list, static_cast<uint32_t>(position - 1)) : nullptr;
}

inline std::string_view textOf(ovC_object* v) {
  return ovIsKind(v, ovKindText) ? std::string_view(ovStringGetPtr(v), ovStringGetLength(v)) : std::string_view();
}

inline ovRef integer(int32_t n) { return ovRef::adopt(ovMakeInteger(n)); }

inline ovRef text(std::string_view chars) {
  return ovRef::adopt(ovMakeTextFromString(chars.data(), static_cast<uint32_t>(chars.size())));
}

inline ovRef newList() { return ovRef::adopt(ovMakeList(0)); }

// A new list of the elements [from, to) of list (clamped), each use raised.
ovRef slice(ovC_object* list, uint32_t from, uint32_t to);

// Appends value to a list the primitive made, with one more use.
inline void append(const ovRef& list, ovC_object* value) { ovListAppend(list.get(), value, 1); }

// 32-bit integer arithmetic that wraps, as the machine's does.
inline int32_t wrap(int64_t n) { return static_cast<int32_t>(static_cast<uint32_t>(n)); }

}  // namespace ovPrim
