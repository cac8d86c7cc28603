// Routines compiled bodies call after a direct call of a platform function:
// each turns a result or an out-parameter back into a value in an output
// slot (replacing what the slot held).
//
// spec is the value the caller already has for that output (gdDefaultNone
// when it has none). When it is a plain pointer, the function wrote through
// it, so the spec itself, with one more use, is the output; otherwise a new
// value is made from the C data.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/values/value.h"

void UCExtPopBinInt4(ovC_object* spec, const int32_t* cValue, ovC_object** out);
// From the signed 16-bit number.
void UCExtPopBinInt2(ovC_object* spec, const int16_t* cValue, ovC_object** out);
// A 0 address gives NULL; any other a new plain pointer of the external
// type numbered typeNumber that wraps it.
void UCExtPopBinPointer(ovC_object* spec, void* const* cAddress, ovC_object** out, uint32_t typeNumber);
void UCExtPopBinPoint(ovC_object* spec, const POINT* cPoint, ovC_object** out);
void UCExtPopBinRect(ovC_object* spec, const RECT* cRect, ovC_object** out);
// A new external block of the type numbered typeNumber holding a copy of
// the size bytes.
void UCExtPopBinStruct(ovC_object* spec, const void* cData, ovC_object** out, uint32_t size, uint32_t typeNumber);
