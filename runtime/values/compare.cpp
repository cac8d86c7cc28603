// ovCompare and the comparisons of the kinds that do not hold other values.
#include "runtime/values/compare.h"

#include <cstring>

#include "runtime/values/compare_strings.h"
#include "runtime/values/read.h"

namespace {

int32_t equalOrUnordered(bool equal) { return equal ? 0 : ovCompareUnordered; }

int32_t compareTexts(ovC_object* a, ovC_object* b) {
  return ovCompareStrings(ovAs<ovC_text>(a)->Chars(), ovAs<ovC_text>(b)->Chars(), 1, 0, 0, 1);
}

// Both sides are of the same kind.
int32_t compareSameKind(ovC_object* a, ovC_object* b) {
  switch (a->type) {
    case ovKindBoolean: return ovAs<ovC_boolean>(a)->Compare(ovAs<ovC_boolean>(b));
    case ovKindText: return compareTexts(a, b);
    case ovKindList: return ovAs<ovC_list>(a)->Compare(ovAs<ovC_list>(b));
    case ovKindInstance: return ovCompareUnordered;  // the same object was equal already
    case ovKindExternal: return ovAs<ovC_external>(a)->Compare(ovAs<ovC_external>(b));
    case ovKindPointer: return ovAs<ovC_pointer>(a)->Compare(ovAs<ovC_pointer>(b));
    case ovKindPoint: return ovAs<ovC_point>(a)->Compare(ovAs<ovC_point>(b));
    case ovKindRect: return ovAs<ovC_rect>(a)->Compare(ovAs<ovC_rect>(b));
    case ovKindRGB: return ovAs<ovC_rgb>(a)->Compare(ovAs<ovC_rgb>(b));
    case ovKindNone:
    case ovKindUndefined: return 0;
    default: return ovCompareNotComparable;
  }
}

}  // namespace

int32_t ovCompare(ovC_object* a, ovC_object* b) {
  if (!a || !b) return a == b ? 0 : ovCompareNotComparable;
  if (a == b) return 0;
  if (ovIsNumber(a)) return ovIsNumber(b) ? ovCompareNumbers(a, b) : ovCompareNotComparable;
  if (a->type != b->type) return ovCompareNotComparable;
  return compareSameKind(a, b);
}

int ovEqual(ovC_object* a, ovC_object* b) { return ovCompare(a, b) == 0; }

int32_t ovCompareNumbers(const ovC_object* a, const ovC_object* b) {
  if (ovIsKind(a, ovKindInteger) && ovIsKind(b, ovKindInteger)) {
    int32_t x = ovAs<ovC_integer>(a)->value;
    int32_t y = ovAs<ovC_integer>(b)->value;
    return x < y ? -1 : x > y ? 1 : 0;
  }
  double x = ovGetReal(a);
  double y = ovGetReal(b);
  return x < y ? -1 : x > y ? 1 : 0;
}

int32_t ovC_boolean::Compare(const ovC_boolean* other) const {
  bool mine = value != 0;
  bool theirs = other->value != 0;
  return mine == theirs ? 0 : mine ? 1 : -1;
}

int32_t ovC_point::Compare(const ovC_point* other) const { return equalOrUnordered(h == other->h && v == other->v); }

int32_t ovC_rect::Compare(const ovC_rect* other) const {
  return equalOrUnordered(left == other->left && top == other->top && right == other->right &&
                          bottom == other->bottom);
}

int32_t ovC_rgb::Compare(const ovC_rgb* other) const {
  return equalOrUnordered(red == other->red && green == other->green && blue == other->blue);
}

int32_t ovC_pointer::Compare(const ovC_pointer* other) const {
  return equalOrUnordered(level == other->level && address == other->address);
}

int32_t ovC_external::Compare(ovC_external* other) {
  bool same = externalType == other->externalType && size == other->size &&
              std::memcmp(Data(), other->Data(), size) == 0;
  return same ? 0 : ovCompareNotComparable;
}
