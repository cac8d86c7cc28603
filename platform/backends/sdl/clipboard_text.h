// CF_TEXT and the system clipboard's text: CF_TEXT is Windows-1252 with
// CR LF line ends, the system clipboard holds UTF-8 with LF line ends.
#pragma once

#include <string>
#include <string_view>

namespace platform::sdl {

// CR LF pairs become LF; a lone CR stays.
std::string systemTextOf(std::string_view cfText);
// A LF not already after a CR becomes CR LF; characters Windows-1252 lacks
// become '?'.
std::string cfTextOf(std::string_view systemText);

}  // namespace platform::sdl
