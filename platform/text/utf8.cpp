#include "platform/text/utf8.h"

#include "platform/text/unicode.h"
#include "platform/text/windows_1252.h"

namespace platform::text {

std::string utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) appendUtf8(out, unicodeOfWindows1252(static_cast<unsigned char>(c)));
  return out;
}

std::string windows1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    char32_t code = 0;
    out.push_back(decodeUtf8(text, at, code) ? static_cast<char>(windows1252OfUnicode(code)) : '?');
  }
  return out;
}

}  // namespace platform::text
