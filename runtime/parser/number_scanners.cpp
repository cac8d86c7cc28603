#include "runtime/parser/number_scanners.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "runtime/parser/char_class.h"
#include "runtime/parser/scanners.h"
#include "runtime/values/make.h"

namespace {

constexpr uint32_t kRealMaxChars = 255;

// The value of a letter or digit as a digit, or 36 and above for anything
// that is no digit in any base.
uint32_t digitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return 36;
}

uint64_t saturatingStep(uint64_t value, uint32_t base, uint32_t digit) {
  if (value > (UINT64_MAX - digit) / base) return UINT64_MAX;
  return value * base + digit;
}

uint32_t countDigits(const unsigned char* p, uint32_t left) {
  return ovParseType(p, left, ovAsciiDigit);
}

// The decimal digits of an integer literal, "_" dropped, as a real.
ovC_object* decimalAsReal(const unsigned char* p, uint32_t consumed, bool negative) {
  std::string digits = negative ? "-" : "";
  for (uint32_t i = 0; i < consumed; ++i)
    if (p[i] != '_') digits += static_cast<char>(p[i]);
  return ovMakeReal(std::strtod(digits.c_str(), nullptr));
}

ovC_object* makeDecimal(const unsigned char* digits, const ovNumberScan& scan, bool negative) {
  int64_t limit = negative ? int64_t{INT32_MAX} + 1 : INT32_MAX;
  if (scan.value > static_cast<uint64_t>(limit)) return decimalAsReal(digits, scan.consumed, negative);
  int64_t signedValue = negative ? -static_cast<int64_t>(scan.value) : static_cast<int64_t>(scan.value);
  return ovMakeInteger(static_cast<int32_t>(signedValue));
}

// Length of the decimal number at p (see ovParseReal), 0 when there is none.
uint32_t realLength(const unsigned char* p, uint32_t left) {
  uint32_t i = (left && ovCharIs(p[0], ovAsciiSign)) ? 1 : 0;
  uint32_t whole = countDigits(p + i, left - i);
  i += whole;
  uint32_t fraction = 0;
  if (i < left && p[i] == '.') {
    fraction = countDigits(p + i + 1, left - i - 1);
    if (whole || fraction) i += 1 + fraction;
  }
  if (!whole && !fraction) return 0;
  if (i < left && ovCharIs(p[i], ovAsciiExponent)) {
    uint32_t j = i + 1;
    if (j < left && ovCharIs(p[j], ovAsciiSign)) ++j;
    uint32_t exponent = countDigits(p + j, left - j);
    if (exponent) i = j + exponent;
  }
  return i;
}

}  // namespace

ovNumberScan ovParseNumber(const unsigned char* p, uint32_t left, uint32_t base) {
  ovNumberScan scan{0, 0, 0, 0};
  for (; scan.consumed < left && ovCharIs(p[scan.consumed], ovAsciiIdentifier | ovAsciiDigit); ++scan.consumed) {
    unsigned char c = p[scan.consumed];
    if (c == '_') continue;
    uint32_t digit = digitValue(c);
    if (digit >= base) break;
    scan.value = saturatingStep(scan.value, base, digit);
    scan.value32 = scan.value32 * base + digit;
    ++scan.digits;
  }
  return scan;
}

uint32_t ovParseInteger(const unsigned char* p, uint32_t left, ovC_object** value) {
  bool signed_ = left && ovCharIs(p[0], ovAsciiSign);
  bool negative = signed_ && p[0] == '-';
  uint32_t i = signed_ ? 1 : 0;
  ovNumberScan decimal = ovParseNumber(p + i, left - i, 10);
  if (!decimal.digits) return 0;
  uint32_t end = i + decimal.consumed;
  if (end < left && ovCharIs(p[end], ovAsciiPoint | ovAsciiExponent)) return 0;
  if (decimal.value <= 32 && end < left && p[end] == '#') {
    ovNumberScan radix = ovParseNumber(p + end + 1, left - end - 1, static_cast<uint32_t>(decimal.value));
    if (radix.digits) {
      uint32_t bits = negative ? 0u - radix.value32 : radix.value32;
      *value = ovMakeInteger(static_cast<int32_t>(bits));
      return end + 1 + radix.consumed;
    }
  }
  *value = makeDecimal(p + i, decimal, negative);
  return end;
}

uint32_t ovParseReal(const unsigned char* p, uint32_t left, ovC_object** value) {
  uint32_t n = realLength(p, std::min(left, kRealMaxChars));
  if (!n) return 0;
  char buffer[kRealMaxChars + 1];
  std::copy(p, p + n, buffer);
  buffer[n] = '\0';
  *value = ovMakeReal(std::strtod(buffer, nullptr));
  return n;
}
