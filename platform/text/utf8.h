// Text between the "A" functions' Windows-1252 and the UTF-8 of the
// system's window titles and typed text.
#pragma once

#include <string>
#include <string_view>

namespace platform::text {

std::string utf8FromWindows1252(std::string_view text);

// Characters the code page lacks, and malformed UTF-8, become '?'.
std::string windows1252FromUtf8(std::string_view text);

}  // namespace platform::text
