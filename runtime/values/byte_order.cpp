#include "runtime/values/byte_order.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace {

ovByteOrder systemByteOrder = ovByteOrderUnknown;

constexpr int32_t kExponentInfinite = 0x7FF;
// Extended exponents that land inside the double's normal range.
constexpr int32_t kExtendedBias = 0x3C00;
constexpr int32_t kSmallestExtended = kExtendedBias + 1;
constexpr int32_t kLargestExtended = kExtendedBias + 0x7FE;
// Markers ovExtractReal10Info uses for exponents the double cannot hold.
constexpr int32_t kTooSmall = -1;
constexpr int32_t kTooLarge = -2;

}  // namespace

ovByteOrder ovGetSystemByteOrder() {
  if (systemByteOrder != ovByteOrderUnknown) return systemByteOrder;
  uint32_t one = 1;
  unsigned char bytes[4];
  std::memcpy(bytes, &one, 4);
  if (bytes[0] == 1) systemByteOrder = ovLittleEndian;
  else if (bytes[3] != 0) systemByteOrder = ovBigEndian;
  return systemByteOrder;
}

uint32_t ovntohNat4(uint32_t n) { return ovGetSystemByteOrder() == ovBigEndian ? n : __builtin_bswap32(n); }

int32_t ovntohInt4Ptr(const void* p) {
  const auto* b = static_cast<const unsigned char*>(p);
  return static_cast<int32_t>(uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 | b[3]);
}

uint16_t ovntohNat2Ptr(const void* p) {
  const auto* b = static_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] << 8 | b[1]);
}

int16_t ovntohInt2Ptr(const void* p) { return static_cast<int16_t>(ovntohNat2Ptr(p)); }

double ovntohReal8Ptr(const void* p) {
  double d = 0;
  std::memcpy(&d, p, sizeof d);
  return d;
}

void ovExtractReal10Info(const unsigned char* p, int32_t* exponent, int* sign, unsigned char fraction7[7]) {
  *sign = p[0] >> 7;
  int32_t extended = (p[0] & 0x7F) << 8 | p[1];
  bool integerBit = (p[2] & 0x80) != 0;
  uint64_t mantissa = 0;
  for (int i = 2; i < 10; ++i) mantissa = mantissa << 8 | p[i];
  mantissa <<= 1;  // drops the integer bit
  for (int i = 0; i < 7; ++i) fraction7[i] = static_cast<unsigned char>(mantissa >> (56 - 8 * i));

  if (extended == 0x7FFF) *exponent = kExponentInfinite;
  else if (!integerBit) *exponent = 0;
  else if (extended < kSmallestExtended) *exponent = kTooSmall;
  else if (extended > kLargestExtended) *exponent = kTooLarge;
  else *exponent = extended - kExtendedBias;

  // An unnormalised number at the double's smallest exponent has no settled
  // meaning in the stored format: it reads as zero.
  if (!integerBit && extended == kSmallestExtended) std::memset(fraction7, 0, 7);
}

void ovSetReal8Info(int32_t exponent, int sign, const unsigned char fraction7[7], double* out) {
  if (exponent == kTooSmall || exponent == kTooLarge) {
    double magnitude = exponent == kTooSmall ? 0.0 : HUGE_VAL;
    *out = sign ? -magnitude : magnitude;
    return;
  }
  uint64_t fraction = 0;
  for (int i = 0; i < 7; ++i) fraction = fraction << 8 | fraction7[i];
  uint64_t bits = uint64_t(sign & 1) << 63 | uint64_t(exponent & 0x7FF) << 52 | fraction >> 4;
  *out = std::bit_cast<double>(bits);
}

double ovReal10toReal8(const unsigned char* p) {
  int32_t exponent = 0;
  int sign = 0;
  unsigned char fraction7[7];
  ovExtractReal10Info(p, &exponent, &sign, fraction7);
  double d = 0;
  ovSetReal8Info(exponent, sign, fraction7, &d);
  return d;
}
