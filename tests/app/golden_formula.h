// The golden-section formula the calculator's rows follow, worked out here
// on its own, so that tests check the program against it rather than
// against the program's own methods.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace golden {

// Rounding to the nearest whole number, a half going to the even neighbour,
// on the extended precision the run-time's rounding works in.
inline long double roundHalfEven(long double x) {
  long double whole = std::floor(x);
  long double fraction = x - whole;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0)) return whole + 1;
  return whole;
}

// How the calculator shows a whole number: as an integer within 32 bits,
// else as the run-time prints a whole real ("%.12g" and ".0").
inline std::string shown(long double value) {
  if (value >= INT32_MIN && value <= INT32_MAX) return std::to_string(static_cast<long long>(value));
  char text[64];
  std::snprintf(text, sizeof text, "%.12g.0", static_cast<double>(value));
  return text;
}

// Row 1 from a whole: the larger part (B1) and the smaller part (A1).
struct Row1 {
  std::string larger, smaller;
};
inline Row1 row1(double whole) {
  double y = whole * 0.6180499;
  double z = y * 0.6180499;
  return {shown(roundHalfEven(y)), shown(roundHalfEven(z))};
}

// Row 2 from a larger part: the smaller part (A2) and the whole (C2).
struct Row2 {
  std::string smaller, whole;
};
inline Row2 row2(double larger) {
  return {shown(roundHalfEven(larger * 0.6180499)), shown(roundHalfEven(larger * 1.6180499))};
}

}  // namespace golden
