// Platform values as run-time values, and back: handles, message words,
// points and rectangles. These conversions are the only place the two forms
// meet.
//
// Window, menu, GDI, cursor and icon handles have 32 significant bits (on
// 64-bit Windows too, which widens them with their sign); in the run-time
// they are integers. Instance and memory handles are addresses, above 4 GiB
// on 64-bit Windows: in the run-time they are integers only while they fit,
// else pointer values holding them whole. Points and
// rectangles are (vertical, horizontal) and (top, left, bottom, right) in
// the run-time, POINT and RECT on the platform.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/externals/conversions.h"
#include "runtime/externals/pointee.h"
#include "runtime/methods/kit.h"

namespace ov {

// The handle a value holds: a number widened with its sign, a pointer's
// whole address; 0 for NULL or anything else.
template <typename Handle>
Handle toHandle(In v) {
  return reinterpret_cast<Handle>(ovToAddress(v.get()));
}

// A window, menu, GDI, cursor or icon handle as an integer value.
template <typename Handle>
ovRef handleValue(Handle h) {
  return integer(static_cast<int32_t>(reinterpret_cast<uintptr_t>(h)));
}

// An instance or memory handle as a value: an integer when toHandle gives
// it back whole, else a pointer the run-time does not read through.
template <typename Handle>
ovRef addressHandleValue(Handle h) {
  auto word = reinterpret_cast<intptr_t>(h);
  if (word == static_cast<int32_t>(word)) return integer(static_cast<int32_t>(word));
  return ovRef::adopt(ovMakeOpaquePointer(reinterpret_cast<void*>(h)));
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
