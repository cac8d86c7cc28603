// Splitting the words of window messages: plain functions that compiled
// bodies call as external functions, not primitives. All are unsigned.
#pragma once

#include <cstdint>

// Bits 16-31.
inline uint32_t HiWord(uint32_t x) { return (x >> 16) & 0xFFFF; }
// Bits 0-15.
inline uint32_t LoWord(uint32_t x) { return x & 0xFFFF; }
// Bits 0-7.
inline uint32_t LoByte(uint32_t x) { return x & 0xFF; }
