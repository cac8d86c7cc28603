// Saves what an X display shows as a PNG: the whole screen, or the area of
// the window with a given title (searched through the whole window tree, so
// a window manager's frames do not hide it).
//
//   x11_window_shot OUT.png [TITLE]
//
// Exit status 0 when saved, 1 when the display, the window or the file
// failed, 2 for wrong arguments.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/backends/headless/png_writer.h"

namespace {

struct Area {
  int x = 0, y = 0;
  unsigned width = 0, height = 0;
};

std::string titleOf(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, AnyPropertyType, &type, &format, &count, &after,
                         &data) != Success || !data)
    return "";
  std::string title(reinterpret_cast<char*>(data), count);
  XFree(data);
  return title;
}

Window findTitled(Display* display, Window top, const std::string& title) {
  if (titleOf(display, top) == title) return top;
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, top, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) found = findTitled(display, children[i], title);
  if (children) XFree(children);
  return found;
}

bool areaOf(Display* display, Window window, Area& area) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &area.x, &area.y, &child);
  area.width = static_cast<unsigned>(attributes.width);
  area.height = static_cast<unsigned>(attributes.height);
  return true;
}

bool save(Display* display, const Area& area, const char* path) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), area.x, area.y, area.width, area.height, AllPlanes,
                            ZPixmap);
  if (!image) return false;
  platform::gdi::Surface surface(static_cast<int>(area.width), static_cast<int>(area.height));
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x) surface.row(y)[x] = static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF;
  XDestroyImage(image);
  return platform::headless::writePng(surface, path);
}

int shoot(Display* display, const char* path, const char* title) {
  Area area{0, 0, static_cast<unsigned>(DisplayWidth(display, DefaultScreen(display))),
            static_cast<unsigned>(DisplayHeight(display, DefaultScreen(display)))};
  if (title) {
    Window window = findTitled(display, DefaultRootWindow(display), title);
    if (!window || !areaOf(display, window, area)) {
      std::fprintf(stderr, "x11_window_shot: no window titled \"%s\"\n", title);
      return 1;
    }
  }
  if (save(display, area, path)) return 0;
  std::fprintf(stderr, "x11_window_shot: cannot write %s\n", path);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: x11_window_shot OUT.png [TITLE]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "x11_window_shot: cannot open the display\n");
    return 1;
  }
  int status = shoot(display, argv[1], argc == 3 ? argv[2] : nullptr);
  XCloseDisplay(display);
  return status;
}
