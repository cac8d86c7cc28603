#include "runtime/values/compare_strings.h"

namespace {

int32_t compareSigned(char x, char y) {
  auto sx = static_cast<int8_t>(x);
  auto sy = static_cast<int8_t>(y);
  return sx < sy ? -1 : sx > sy ? 1 : 0;
}

}  // namespace

char ovCharUpper1252(char c) {
  auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
  // Accented small letters; 0xF7 is the division sign.
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
  switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // s caron
    case 0x9C: return static_cast<char>(0x8C);  // oe ligature
    case 0x9E: return static_cast<char>(0x8E);  // z caron
    case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
    default: return c;
  }
}

int32_t ovCompareStrings(const char* a, const char* b, int caseSensitive, int, uint32_t maxChars,
                         int lengthCounts) {
  if (!a || !b) return a == b ? 0 : a ? 1 : -1;
  bool limited = maxChars != 0;
  for (; *a != '\0'; ++a, ++b) {
    if (limited && maxChars-- == 0) return 0;
    char x = caseSensitive ? *a : ovCharUpper1252(*a);
    char y = caseSensitive ? *b : ovCharUpper1252(*b);
    if (*b == '\0') return 1;
    if (x != y) return compareSigned(x, y);
  }
  return lengthCounts && *b != '\0' ? -1 : 0;
}
