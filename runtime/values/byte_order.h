// Byte order of stored data (the archive is big-endian), and the conversion
// of 80-bit extended reals to doubles.
#pragma once

#include <cstdint>

enum ovByteOrder : int {
  ovBigEndian = 0,
  ovLittleEndian = 1,
  ovByteOrderUnknown = 2,
};

// This machine's byte order, found on the first call and cached.
ovByteOrder ovGetSystemByteOrder();

// n read as big-endian: unchanged on a big-endian machine, else reversed.
uint32_t ovntohNat4(uint32_t n);
// Big-endian numbers at possibly unaligned addresses.
int32_t ovntohInt4Ptr(const void* p);
uint16_t ovntohNat2Ptr(const void* p);
int16_t ovntohInt2Ptr(const void* p);
// 8 bytes as a double, no swapping.
double ovntohReal8Ptr(const void* p);

// A 10-byte big-endian extended real as a double. The fraction is truncated,
// not rounded; exponents beyond the double's range give signed zero or
// infinity.
double ovReal10toReal8(const unsigned char* p);

// The two steps of that conversion: the double's exponent (11 bits), sign and
// seven fraction bytes (the mantissa without its integer bit)...
void ovExtractReal10Info(const unsigned char* p, int32_t* exponent, int* sign, unsigned char fraction7[7]);
// ...and the double built from them.
void ovSetReal8Info(int32_t exponent, int sign, const unsigned char fraction7[7], double* out);
