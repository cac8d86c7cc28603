#include "platform/backends/sdl/clipboard_text.h"

#include "platform/text/utf8.h"

namespace platform::sdl {

std::string systemTextOf(std::string_view cfText) {
  std::string lines;
  lines.reserve(cfText.size());
  for (size_t i = 0; i < cfText.size(); ++i) {
    bool crBeforeLf = cfText[i] == '\r' && i + 1 < cfText.size() && cfText[i + 1] == '\n';
    if (!crBeforeLf) lines.push_back(cfText[i]);
  }
  return text::utf8FromWindows1252(lines);
}

std::string cfTextOf(std::string_view systemText) {
  std::string bytes = text::windows1252FromUtf8(systemText);
  std::string lines;
  lines.reserve(bytes.size() + bytes.size() / 16);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) lines.push_back('\r');
    lines.push_back(bytes[i]);
  }
  return lines;
}

}  // namespace platform::sdl
