// libFuzzer target: clipboard text between the desktop (UTF-8, any bytes a
// program put there) and CF_TEXT. The CF_TEXT side never holds a line feed
// without its carriage return; the desktop side is always valid UTF-8; and
// CF_TEXT whose carriage returns all end lines comes back unchanged.
#include <cstdlib>
#include <string>

#include "platform/clipboard/clipboard_text.h"
#include "platform/text/unicode.h"

namespace {

bool validUtf8(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    char32_t code = 0;
    if (!platform::text::decodeUtf8(text, at, code)) return false;
  }
  return true;
}

bool carriageReturnsEndLines(const std::string& ansi) {
  for (size_t i = 0; i < ansi.size(); ++i)
    if (ansi[i] == '\r' && (i + 1 == ansi.size() || ansi[i + 1] != '\n')) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace platform::clipboard;
  std::string ansi = ansiTextOf(std::string(reinterpret_cast<const char*>(data), size));
  for (size_t i = 0; i < ansi.size(); ++i)
    if (ansi[i] == '\n' && (i == 0 || ansi[i - 1] != '\r')) std::abort();
  std::string desktop = desktopTextOf(ansi);
  if (!validUtf8(desktop)) std::abort();
  if (carriageReturnsEndLines(ansi) && ansiTextOf(desktop) != ansi) std::abort();
  return 0;
}
