// Plain values of the archive text form, read with the run-time's value
// parser (ovFromString): integers, reals, quoted texts, character constants,
// and points, colours and rects in braces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The archive record of a plain value token: its tag and payload. Points
// and rects must fit 16-bit signed numbers, colour components 16-bit
// unsigned ones. False with *error set when the token does not read.
bool ovPlainRecord(std::string_view token, uint32_t* tag, std::vector<unsigned char>* payload, std::string* error);

// The characters of a quoted text token; false for any other token.
bool ovReadQuotedText(std::string_view token, std::string* text);

// The value of an integer token (16#FFFFFFFF and the like wrap to 32 bits);
// false for any other token.
bool ovReadIntegerToken(std::string_view token, int32_t* value);

// A real in the value text form, with as many digits as it takes to read
// back the same double (12 when they do, as the printer writes), and ".0"
// when it would read as an integer. Finite reals only.
std::string ovRealText(double d);

// Characters as a quoted text of the value text form.
std::string ovQuotedText(std::string_view characters);

// The bytes a hexadecimal text holds, two digits a byte; false for an odd
// count or a character that is not a hexadecimal digit.
bool ovReadHexBytes(std::string_view hex, std::vector<unsigned char>* bytes);
// Bytes as upper-case hexadecimal digits.
std::string ovHexText(const unsigned char* bytes, size_t count);
