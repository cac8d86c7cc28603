// libFuzzer target: clipboard text between the desktop (UTF-8, any bytes a
// program put there) and CF_TEXT. The CF_TEXT side never holds a line feed
// without its carriage return, and converting it back and forth again
// changes nothing more.
#include <cstdlib>
#include <string>

#include "platform/clipboard/clipboard_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace platform::clipboard;
  std::string desktop(reinterpret_cast<const char*>(data), size);
  std::string ansi = ansiTextOf(desktop);
  for (size_t i = 0; i < ansi.size(); ++i)
    if (ansi[i] == '\n' && (i == 0 || ansi[i - 1] != '\r')) std::abort();
  std::string again = ansiTextOf(desktopTextOf(ansi));
  if (ansiTextOf(desktopTextOf(again)) != again) std::abort();
  return 0;
}
