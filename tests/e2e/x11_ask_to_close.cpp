// Asks the window with a given title to close, as a window manager's close
// button does (WM_DELETE_WINDOW).
//
//   x11_ask_to_close TITLE
//
// Exit status 0 when asked, 1 when there is no display or no such window.
#include <cstdio>

#include "x11_peer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: x11_ask_to_close TITLE\n");
    return 2;
  }
  x11::Peer peer;
  unsigned long window = peer.connected() ? peer.windowTitled(argv[1]) : 0;
  if (!window) {
    std::fprintf(stderr, "x11_ask_to_close: no window titled \"%s\"\n", argv[1]);
    return 1;
  }
  peer.askToClose(window);
  return 0;
}
