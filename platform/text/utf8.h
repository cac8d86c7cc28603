// Text between the "A" functions' Windows-1252 and the UTF-8 that the
// system's window titles and clipboard use.
#pragma once

#include <string>
#include <string_view>

namespace platform::text {

std::string utf8FromWindows1252(std::string_view text);

// Characters the code page lacks, and bytes that are not well-formed UTF-8
// (stray continuation bytes, overlong forms, surrogates, cut-off sequences),
// each become one '?'.
std::string windows1252FromUtf8(std::string_view text);

}  // namespace platform::text
