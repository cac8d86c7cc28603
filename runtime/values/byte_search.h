// Searching raw character arrays, and numbers to digits.
#pragma once

#include <cstdint>

// Offset of the first byte equal to ch at or after start, or -1 when a NUL
// byte or the end comes first.
int32_t ovSearchChar(const char* chars, uint32_t length, char ch, uint32_t start);

// Smallest position p >= start at which pat occurs, or -1. An empty pattern
// is found at start when start < length.
int32_t ovSearchString(const char* chars, uint32_t length, const char* pat, uint32_t patLength, uint32_t start);

// Capacity ovNumToString needs in out, NUL included.
constexpr uint32_t ovNumToStringCapacity = 40;

// Writes value in base (2 to 36; digits 0-9 then A-Z), left-padded with "0"
// to width digits, and a NUL. Never writes more than ovNumToStringCapacity
// bytes: width is capped to fit. Another base writes the empty text.
void ovNumToString(uint32_t value, uint32_t base, char* out, uint32_t width);
