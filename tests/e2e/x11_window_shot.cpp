// Saves what an X display shows as a PNG: the whole screen, or the area of
// the window with a given title.
//
//   x11_window_shot OUT.png [TITLE]
//
// Exit status 0 when saved, 1 when the display, the window or the file
// failed, 2 for wrong arguments.
#include <cstdio>
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
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: x11_window_shot OUT.png [TITLE]\n");
    return 2;
  }
  x11::Peer peer;
  if (!peer.connected()) {
    std::fprintf(stderr, "x11_window_shot: cannot open the display\n");
    return 1;
  }
  x11::Box area = peer.screen();
  if (argc == 3) {
    unsigned long window = peer.windowTitled(argv[2]);
    if (!window) {
      std::fprintf(stderr, "x11_window_shot: no window titled \"%s\"\n", argv[2]);
      return 1;
    }
    area = peer.placeOf(window);
  }
  if (save(peer, area, argv[1])) return 0;
  std::fprintf(stderr, "x11_window_shot: cannot write %s\n", argv[1]);
  return 1;
}
