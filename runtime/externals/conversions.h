// Turning values into C data for the platform: numbers, addresses and the C
// forms of points, rectangles, colours and external blocks. No conversion
// fails or makes a value: what cannot be converted gives 0.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// NULL 0; an integer or real its integer value; a boolean 1 or 0; a pointer
// the low 32 bits of its address; everything else 0.
int32_t ovToInt32(const ovC_object* v);

// NULL 0; an integer or real its integer value (sign-extended, as the
// platform widens a LONG); a plain pointer its address; a handle the address
// its handle word holds; everything else 0. A pointer whose content was
// disposed gives 0, so a freed address never reaches the platform.
void* ovToAddress(const ovC_object* v);

// Writes the C form of v into size bytes at destination: an external block's
// bytes, a point's POINT, a rectangle's RECT, a colour's COLORREF. Bytes
// beyond the C form, and every byte for NULL or any other kind, are zero.
void ovCopyToC(ovC_object* v, void* destination, uint32_t size);

// The C form of a point, a rectangle or a colour; size is 0 for any other
// kind. Used where a field is read from or written into such a value.
struct ovCForm {
  unsigned char bytes[16];
  uint32_t size;
};
ovCForm ovCFormOf(const ovC_object* v);
