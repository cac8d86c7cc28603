#include "demo_snapshot.h"

#include <cstdio>

#include "platform/backend.h"
#include "platform/backends/headless/headless.h"
#include "platform/backends/headless/png_writer.h"

namespace demo {
namespace {

// The centre of a child window, relative to the shown part of its parent.
POINT centreOf(HWND child, HWND window) {
  RECT r{}, outer{};
  GetWindowRect(child, &r);
  GetWindowRect(window, &outer);
  RECT content = platform::contentRect(window);
  return {(r.left + r.right) / 2 - outer.left - content.left, (r.top + r.bottom) / 2 - outer.top - content.top};
}

}  // namespace

void reportLayout(const DemoWindow& demo) {
  POINT field = centreOf(demo.field, demo.window);
  POINT go = centreOf(demo.go, demo.window);
  std::fprintf(stderr, "layout field=%d,%d go=%d,%d\n", field.x, field.y, go.x, go.y);
}

bool saveShownPart(HWND window, const std::string& path) {
  const platform::gdi::Surface* surface = platform::headless::surfaceOf(window);
  if (!surface) return false;
  RECT content = platform::contentRect(window);
  platform::gdi::Surface shown(content.right - content.left, content.bottom - content.top);
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) shown.row(y)[x] = surface->pixel(content.left + x, content.top + y);
  return platform::headless::writePng(shown, path);
}

}  // namespace demo
