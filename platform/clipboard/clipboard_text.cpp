#include "platform/clipboard/clipboard_text.h"

#include "platform/text/unicode.h"
#include "platform/text/windows_1252.h"

namespace platform::clipboard {

std::string desktopTextOf(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (size_t i = 0; i < ansi.size(); ++i) {
    if (ansi[i] == '\r' && i + 1 < ansi.size() && ansi[i + 1] == '\n') continue;
    text::appendUtf8(out, text::unicodeOfWindows1252(static_cast<unsigned char>(ansi[i])));
  }
  return out;
}

std::string ansiTextOf(std::string_view desktop) {
  std::string out;
  out.reserve(desktop.size());
  for (size_t at = 0; at < desktop.size();) {
    bool afterCr = at > 0 && desktop[at - 1] == '\r';
    char32_t code = 0;
    if (!text::decodeUtf8(desktop, at, code)) code = '?';
    if (code == '\n' && !afterCr) out += '\r';
    out += static_cast<char>(text::windows1252OfUnicode(code));
  }
  return out;
}

}  // namespace platform::clipboard
