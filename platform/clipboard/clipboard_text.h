// CF_TEXT as programs see it (Windows-1252, lines ended by CR LF) and as
// the desktop holds it (UTF-8, lines ended by LF).
#pragma once

#include <string>
#include <string_view>

namespace platform::clipboard {

std::string desktopTextOf(std::string_view ansi);
// Characters Windows-1252 lacks, and malformed UTF-8, become '?'; a lone CR
// and CR LF stay as they are.
std::string ansiTextOf(std::string_view desktop);

}  // namespace platform::clipboard
