// The number scanners of the value text parser.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// Digits in base, as long as the characters are letters, digits or "_":
// "_" separates digits and is skipped; a character that is not a digit of
// the base ends the number. The value is kept exactly up to 64 bits and
// saturates beyond; value32 is the same arithmetic wrapping at 32 bits.
struct ovNumberScan {
  uint32_t consumed;
  uint32_t digits;
  uint64_t value;
  uint32_t value32;
};
ovNumberScan ovParseNumber(const unsigned char* p, uint32_t left, uint32_t base);

// An integer: optional sign, decimal digits, and, when the decimal value is
// at most 32 and "#" follows with digits of that base, those digits instead
// (16#FF is 255; radix numbers wrap at 32 bits). No match when a decimal
// point or an exponent letter follows the decimal digits. A decimal value
// outside the signed 32-bit range is made a real rather than wrapped.
uint32_t ovParseInteger(const unsigned char* p, uint32_t left, ovC_object** value);

// A real: the longest prefix of at most 255 characters that is a decimal
// number: optional sign, digits with an optional decimal point (at least one
// digit on either side of it), optional exponent ("e" or "E", optional sign,
// digits). Always made a real, so "5." and ".5" are reals.
uint32_t ovParseReal(const unsigned char* p, uint32_t left, ovC_object** value);
