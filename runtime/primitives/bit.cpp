// Bit primitives on 32-bit integers. A shift count is taken modulo 32
// (-1 is 31); "bit-shift-l" by a negative count gives 0.
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

ovStatus put(const ov::Args& a, uint32_t bits) {
  a.put(0, ovPrim::integer(static_cast<int32_t>(bits)));
  return ovSuccess;
}

uint32_t bitsOf(ovC_object* v) { return static_cast<uint32_t>(ovGetInteger(v)); }

uint32_t countOf(ovC_object* v) { return bitsOf(v) & 31; }

ovStatus BitAnd(const ov::Args& a) { return put(a, bitsOf(a[0]) & bitsOf(a[1])); }

ovStatus BitOr(const ov::Args& a) { return put(a, bitsOf(a[0]) | bitsOf(a[1])); }

ovStatus ShiftLeft(const ov::Args& a) {
  if (ovGetInteger(a[1]) < 0) return put(a, 0);
  return put(a, bitsOf(a[0]) << countOf(a[1]));
}

// Arithmetic: the sign bit is copied in.
ovStatus ShiftRight(const ov::Args& a) { return put(a, static_cast<uint32_t>(ovGetInteger(a[0]) >> countOf(a[1]))); }

const ovPrimitiveDeclaration kBitAnd("bit-and", ov::routine<BitAnd>);
const ovPrimitiveDeclaration kBitOr("bit-or", ov::routine<BitOr>);
const ovPrimitiveDeclaration kShiftLeft("bit-shift-l", ov::routine<ShiftLeft>);
const ovPrimitiveDeclaration kShiftRight("bit-shift-r", ov::routine<ShiftRight>);

}  // namespace
