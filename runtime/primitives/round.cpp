// "round": to the nearest integer, or to a number of decimal digits, ties
// going to the even neighbour.
#include <cmath>

#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

// x rounded to an integer, a fraction of exactly one half going to the even
// neighbour.
long double roundHalfEven(long double x) {
  long double whole = 0.0L;
  long double fraction = std::modf(x, &whole);
  if (fraction > 0.5L) return whole + 1;
  if (fraction == 0.5L) return std::fmod(whole, 2.0L) == 1 ? whole + 1 : whole;
  if (fraction < -0.5L) return whole - 1;
  if (fraction == -0.5L) return std::fmod(whole, 2.0L) == -1 ? whole - 1 : whole;
  return whole;
}

// x [, digits]: with digits, x is scaled by 10 to the digits, rounded and
// scaled back, so round(1.234, 2) is 1.23. The scaled value keeps the
// extended precision of the machine's floating-point unit: 2.675 (really
// 2.67499999999999982...) scaled by 100 is 267.4999..., not the 267.5 that
// rounding the product to a double would give, so it rounds to 2.67.
ovStatus Round(const ov::Args& a) {
  double x = ovGetReal(a[0]);
  if (a.inputCount() < 2) {
    a.put(0, ovRef::adopt(ovReduceResult(static_cast<double>(roundHalfEven(x)))));
    return ovSuccess;
  }
  double scale = std::pow(10.0, ovGetInteger(a[1]));
  double rounded = static_cast<double>(roundHalfEven(static_cast<long double>(x) * scale));
  a.put(0, ovRef::adopt(ovReduceResult(rounded / scale)));
  return ovSuccess;
}

const ovPrimitiveDeclaration kRound("round", ov::routine<Round>);

}  // namespace
