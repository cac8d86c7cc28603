// UTF-8 and UTF-16, for text that crosses into or out of the single-byte
// world of the "A" functions: the desktop's clipboard, resource sources.
#pragma once

#include <string>
#include <string_view>

namespace platform::text {

// Reads the UTF-8 sequence at text[at], advancing at past it; false on a
// malformed, overlong or surrogate sequence (at then stands past the bytes
// looked at, at least one).
bool decodeUtf8(std::string_view text, size_t& at, char32_t& code);
void appendUtf8(std::string& out, char32_t code);
void appendUtf16(std::u16string& out, char32_t code);

}  // namespace platform::text
