// Device contexts of windows: over the client area (GetDC), the whole
// window (GetWindowDC), either with a region of the caller's (GetDCEx),
// or the screen (a window handle of NULL).
#include <map>

#include "platform/user/painting.h"

namespace platform::user {
namespace {

gdi::DeviceContext* screenDeviceContext() {
  static auto screen = std::make_shared<gdi::Surface>(1, 1);
  return gdi::createDeviceContext(nullptr, screen, {0, 0}, {});
}

// Regions handed to GetDCEx, deleted when their DC is released.
std::map<HDC, HRGN>& ownedRegions() {
  static std::map<HDC, HRGN> regions;
  return regions;
}

// Region is in screen coordinates; the DC's visible region in those of the
// window's top-level surface.
void clipToRegion(gdi::DeviceContext& dc, const Window* window, HRGN region, bool intersect) {
  auto data = gdi::objectFrom<gdi::Region>(region);
  if (!data) return;
  gdi::Region clip = *data;
  POINT surfaceOrigin = windowOrigin(topLevelOf(const_cast<Window*>(window)));
  clip.offset(-surfaceOrigin.x, -surfaceOrigin.y);
  if (intersect) dc.visible.intersect(clip);
  else dc.visible.subtract(clip);
}

HDC handleOf(gdi::DeviceContext* dc) { return dc ? dc->handle : nullptr; }

}  // namespace

gdi::DeviceContext* windowDeviceContext(Window* window, bool clientOnly) {
  if (!window || window == &desktop()) return screenDeviceContext();
  RECT area = surfaceRect(window, clientOnly);
  return gdi::createDeviceContext(window->hwnd, topLevelOf(window)->surface, {area.left, area.top},
                                  visibleRegion(window, clientOnly));
}

gdi::DeviceContext* updateDeviceContext(Window* window, const gdi::Region& update) {
  gdi::DeviceContext* dc = windowDeviceContext(window, true);
  if (!dc) return nullptr;
  RECT client{0, 0, window->client.right - window->client.left, window->client.bottom - window->client.top};
  gdi::Region clip = update.combined(gdi::Region(client), gdi::Region::Op::And);
  clip.offset(dc->origin.x, dc->origin.y);
  dc->visible.intersect(clip);
  return dc;
}

}  // namespace platform::user

using namespace platform::user;

HDC WINAPI GetDC(HWND hWnd) {
  Window* w = hWnd ? windowOrFail(hWnd) : &desktop();
  return w ? handleOf(windowDeviceContext(w, true)) : nullptr;
}

HDC WINAPI GetWindowDC(HWND hWnd) {
  Window* w = hWnd ? windowOrFail(hWnd) : &desktop();
  return w ? handleOf(windowDeviceContext(w, false)) : nullptr;
}

// The DC clips as the window's styles say whatever DCX_CLIP* flags ask.
HDC WINAPI GetDCEx(HWND hWnd, HRGN hrgnClip, DWORD flags) {
  Window* w = hWnd ? windowOrFail(hWnd) : &desktop();
  if (!w) return nullptr;
  platform::gdi::DeviceContext* dc = windowDeviceContext(w, !(flags & DCX_WINDOW));
  if (!dc || !hrgnClip || !(flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) return handleOf(dc);
  if (w != &desktop()) clipToRegion(*dc, w, hrgnClip, flags & DCX_INTERSECTRGN);
  ownedRegions()[dc->handle] = hrgnClip;
  return dc->handle;
}

// A memory DC is not released: DeleteDC frees it.
int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
  platform::gdi::DeviceContext* dc = platform::gdi::deviceContextFrom(hDC);
  if (!dc || dc->memory) return 0;
  if (dc->window != hWnd && !(hWnd == nullptr && dc->window == nullptr)) {
    SetLastError(ERROR_DC_NOT_FOUND);
    return 0;
  }
  platform::gdi::destroyDeviceContext(dc);
  if (auto owned = ownedRegions().extract(hDC)) DeleteObject(owned.mapped());
  return 1;
}

HWND WINAPI WindowFromDC(HDC hDC) {
  platform::gdi::DeviceContext* dc = platform::gdi::deviceContextFrom(hDC);
  return dc ? dc->window : nullptr;
}
