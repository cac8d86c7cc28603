// Ordering of NUL-terminated byte strings, as texts are compared.
#pragma once

#include <cstdint>

// -1, 0 or 1. A null string sorts before any other. Bytes compare as signed
// 8-bit values, so 0x80-0xFF sort before 0x00-0x7F. When caseSensitive is 0
// both sides are upper-cased first. A non-zero maxChars compares at most that
// many characters. With lengthCounts set, a string that is a proper prefix of
// the other is less; without it, they are equal. The fourth argument is
// unused.
int32_t ovCompareStrings(const char* a, const char* b, int caseSensitive, int ignored, uint32_t maxChars,
                         int lengthCounts);

// Upper-cases one Windows-1252 character the way the platform's CharUpperA
// does for that code page.
char ovCharUpper1252(char c);
