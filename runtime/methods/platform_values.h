// Platform values as run-time values, and back: handles, message words,
// points and rectangles. These conversions are the only place the two forms
// meet.
//
// Handles are 32-bit numbers the platform keeps positive, carried in
// pointer-typed handle types; in the run-time they are integers. Points and
// rectangles are (vertical, horizontal) and (top, left, bottom, right) in
// the run-time, POINT and RECT on the platform.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/externals/conversions.h"
#include "runtime/methods/kit.h"

namespace ov {

// The handle a value holds (0 for NULL or anything that is not a number).
template <typename Handle>
Handle toHandle(In v) {
  return reinterpret_cast<Handle>(static_cast<uintptr_t>(static_cast<uint32_t>(ovToInt32(v.get()))));
}

// A handle as an integer value.
template <typename Handle>
ovRef handleValue(Handle h) {
  return integer(static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(h))));
}

// A value as a message parameter (WPARAM or LPARAM): a pointer's address,
// a number widened with its sign as the platform widens a LONG.
inline LPARAM messageWord(In v) { return reinterpret_cast<LPARAM>(ovToAddress(v.get())); }

// A point or rectangle value as the platform's record (zeros for anything
// else), and the platform's record as a new value.
POINT toPOINT(In v);
RECT toRECT(In v);
ovRef pointFrom(POINT p);
ovRef rectFrom(const RECT& r);

}  // namespace ov
