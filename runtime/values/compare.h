// Comparison of values. Only numbers (integers and reals together), texts and
// booleans are ordered; every other kind is only equal or not.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// The results besides -1, 0 and 1.
constexpr int32_t ovCompareNotComparable = INT32_MIN;     // different kinds, or one side null
constexpr int32_t ovCompareUnordered = INT32_MIN + 1;     // same kind, unequal, no order

int32_t ovCompare(ovC_object* a, ovC_object* b);
// 1 when ovCompare gives 0, else 0.
int ovEqual(ovC_object* a, ovC_object* b);
// a and b are integers or reals; an unordered pair (a NaN) counts as equal.
int32_t ovCompareNumbers(const ovC_object* a, const ovC_object* b);
