// Saves what an X display shows as a PNG: the whole screen, or the area of
// the window with a given title, less its top rows when asked (the menu bar
// above a window's client area).
//
//   x11_window_shot OUT.png [TITLE [SKIP_TOP_ROWS]]
//
// Exit status 0 when saved, 1 when the display, the window or the file
// failed, 2 for wrong arguments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/backends/headless/png_writer.h"
#include "x11_peer.h"

namespace {

bool save(x11::Peer& peer, const x11::Box& area, const char* path) {
  std::vector<uint32_t> pixels = peer.pixels(area);
  if (pixels.size() != static_cast<size_t>(area.width) * area.height) return false;
  platform::gdi::Surface surface(area.width, area.height);
  for (int y = 0; y < area.height; ++y)
    for (int x = 0; x < area.width; ++x) surface.row(y)[x] = pixels[static_cast<size_t>(y) * area.width + x];
  return platform::headless::writePng(surface, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: x11_window_shot OUT.png [TITLE [SKIP_TOP_ROWS]]\n");
    return 2;
  }
  x11::Peer peer;
  if (!peer.connected()) {
    std::fprintf(stderr, "x11_window_shot: cannot open the display\n");
    return 1;
  }
  x11::Box area = peer.screen();
  if (argc >= 3) {
    unsigned long window = peer.windowTitled(argv[2]);
    if (!window) {
      std::fprintf(stderr, "x11_window_shot: no window titled \"%s\"\n", argv[2]);
      return 1;
    }
    area = peer.placeOf(window);
  }
  if (argc == 4) {
    int skip = std::atoi(argv[3]);
    if (skip < 0 || skip >= area.height) {
      std::fprintf(stderr, "x11_window_shot: cannot skip %s of %d rows\n", argv[3], area.height);
      return 2;
    }
    area.y += skip;
    area.height -= skip;
  }
  if (save(peer, area, argv[1])) return 0;
  std::fprintf(stderr, "x11_window_shot: cannot write %s\n", argv[1]);
  return 1;
}
