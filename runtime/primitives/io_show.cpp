// Showing a message. The run-time's message dialog (template 24991, owned
// by the main window, main_window.h) needs the platform's dialogs; until the
// platform runs them the message is written to standard error, where a user
// of the program still sees it.
#include <cstdio>

#include "runtime/primitives/show_text.h"

void ovioShow(const std::string& message) {
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fputc('\n', stderr);
}
