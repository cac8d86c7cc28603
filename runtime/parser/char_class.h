// Character classes of the value text parser: one 16-bit mask per byte
// value. Letters above 0x7F follow the Mac Roman character set.
#pragma once

#include <array>
#include <cstdint>

enum ovAscii_Mask : uint16_t {
  ovAsciiIdentifier = 0x0008,  // letters and "_"
  ovAsciiExponent = 0x0010,    // e E
  ovAsciiLower = 0x0020,
  ovAsciiUpper = 0x0040,
  ovAsciiDigit = 0x0080,
  ovAsciiSpecial = 0x0100,   // operator characters
  ovAsciiReserved = 0x0200,  // ( ) [ ] { }
  ovAsciiRadix = 0x0400,     // #
  ovAsciiSign = 0x0800,      // + -
  ovAsciiStringQuote = 0x1000,
  ovAsciiCharQuote = 0x2000,
  ovAsciiPoint = 0x4000,
  ovAsciiSpace = 0x8000,
};

extern const std::array<uint16_t, 256> ovascii_types;

inline uint16_t ovCharClass(unsigned char c) { return ovascii_types[c]; }
inline bool ovCharIs(unsigned char c, uint16_t mask) { return (ovascii_types[c] & mask) != 0; }
