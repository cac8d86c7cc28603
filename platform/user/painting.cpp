#include "platform/user/painting.h"

#include <algorithm>

#include "platform/backend.h"
#include "platform/user/window_class.h"

namespace platform::user {
namespace {

RECT clientBounds(const Window* w) { return {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top}; }
RECT windowBounds(const Window* w) { return {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top}; }

// Passes the part of area (w's client coordinates) over each visible child
// on to that child: its client part as invalid, its frame part as a frame
// to draw.
void invalidateChildrenUnder(Window* w, const gdi::Region& area, bool erase) {
  for (Window* child : w->children) {
    if (!child->isVisible()) continue;
    gdi::Region inChild = area;
    inChild.offset(-child->rect.left, -child->rect.top);
    inChild.intersect(windowBounds(child));
    if (inChild.empty()) continue;
    RECT clientInWindow = child->client;
    OffsetRect(&clientInWindow, -child->rect.left, -child->rect.top);
    if (!inChild.combined(gdi::Region(clientInWindow), gdi::Region::Op::Diff).empty()) child->frame = true;
    inChild.offset(-clientInWindow.left, -clientInWindow.top);
    invalidate(child, inChild, erase);
  }
}

Window* firstNeedingPaint(Window* w) {
  if (!w->isVisible()) return nullptr;
  if (needsPaint(w)) return w;
  for (Window* child : w->children)
    if (Window* found = firstNeedingPaint(child)) return found;
  return nullptr;
}

gdi::Region wholeClient(const Window* w) { return gdi::Region(clientBounds(w)); }

}  // namespace

void invalidate(Window* window, const gdi::Region& area, bool erase) {
  gdi::Region part = area.combined(wholeClient(window), gdi::Region::Op::And);
  if (part.empty()) return;
  window->update.unite(part);
  if (erase) window->erase = true;
  if (!(window->style & WS_CLIPCHILDREN)) invalidateChildrenUnder(window, part, erase);
}

void invalidateEverything(Window* window) {
  window->frame = true;
  window->update = wholeClient(window);
  window->erase = true;
  for (Window* child : window->children) invalidateEverything(child);
}

namespace {

// Area (client coordinates) is uncovered: the window and its children there
// are invalidated and erased.
void expose(Window* window, const gdi::Region& area) {
  invalidate(window, area, true);
  invalidateChildrenUnder(window, area, true);
}

bool redrawsWhenResized(const Window* w, const RECT& oldClient) {
  UINT style = w->windowClass ? w->windowClass->info.style : 0;
  bool widthChanged = oldClient.right - oldClient.left != w->client.right - w->client.left;
  bool heightChanged = oldClient.bottom - oldClient.top != w->client.bottom - w->client.top;
  return ((style & CS_HREDRAW) && widthChanged) || ((style & CS_VREDRAW) && heightChanged);
}

}  // namespace

void exposeInParent(Window* parent, const RECT& area) {
  if (parent != &desktop()) expose(parent, gdi::Region(area));
}

void clientAreaMoved(Window* window, const RECT& oldClient) {
  window->frame = true;
  if (redrawsWhenResized(window, oldClient)) return invalidateEverything(window);
  RECT client = clientBounds(window);
  int width = std::min(client.right, oldClient.right - oldClient.left);
  int height = std::min(client.bottom, oldClient.bottom - oldClient.top);
  RECT from{oldClient.left - window->rect.left, oldClient.top - window->rect.top, 0, 0};
  from.right = from.left + width;
  from.bottom = from.top + height;
  window->surface->copy(from, {window->client.left - window->rect.left, window->client.top - window->rect.top});
  gdi::Region uncovered(client);
  uncovered.subtract(RECT{0, 0, width, height});
  expose(window, uncovered);
}

void validate(Window* window, const gdi::Region* area) {
  if (area) window->update.subtract(*area);
  else window->update = {};
  if (!window->update.empty()) return;
  window->erase = false;
  window->eraseRefused = false;
}

namespace {

// The window's update region in screen coordinates: its whole frame and
// the invalid part of its client area.
gdi::Region screenUpdateRegion(const Window* w) {
  gdi::Region whole(windowBounds(w));
  RECT client = w->client;
  OffsetRect(&client, -w->rect.left, -w->rect.top);
  gdi::Region region = whole.combined(gdi::Region(client), gdi::Region::Op::Diff);
  gdi::Region invalid = w->update;
  invalid.offset(client.left, client.top);
  region.unite(invalid);
  POINT origin = windowOrigin(w);
  region.offset(origin.x, origin.y);
  return region;
}

}  // namespace

void paintFrameNow(Window* window) {
  if (!window->frame) return;
  window->frame = false;
  gdi::Region region = screenUpdateRegion(window);
  if (region == gdi::Region(screenRect(window))) {
    callWindowProc(window, WM_NCPAINT, 1, 0);
    return;
  }
  HGDIOBJ handle = gdi::createObject(std::make_shared<gdi::Region>(region));
  callWindowProc(window, WM_NCPAINT, reinterpret_cast<WPARAM>(handle), 0);
  DeleteObject(handle);
}

namespace {

void eraseBackgroundNow(Window* w) {
  if (!w->erase || w->update.empty()) return;
  w->erase = false;
  gdi::DeviceContext* dc = updateDeviceContext(w, w->update);
  if (!dc) return;
  HDC hdc = dc->handle;
  w->eraseRefused = callWindowProc(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
  ReleaseDC(w->hwnd, hdc);
}

}  // namespace

void eraseNow(Window* window) {
  if (!isShowing(window) || window == &desktop()) return;
  auto alive = keepAlive(window);
  paintFrameNow(window);
  if (windowFrom(window->hwnd)) eraseBackgroundNow(window);
  std::vector<Window*> children = window->children;
  for (Window* child : children)
    if (windowFrom(child->hwnd)) eraseNow(child);
}

bool needsPaint(const Window* window) {
  return window != &desktop() && isShowing(window) && (!window->update.empty() || window->frame);
}

Window* windowToPaint() {
  for (Window* top : desktop().children)
    if (Window* found = firstNeedingPaint(top)) return found;
  return nullptr;
}

void paintNow(Window* window) {
  auto alive = keepAlive(window);
  if (needsPaint(window)) callWindowProc(window, WM_PAINT, 0, 0);
  std::vector<Window*> children = window->children;
  for (Window* child : children)
    if (windowFrom(child->hwnd)) paintNow(child);
}

bool presentSurfaces() {
  bool presented = false;
  for (Window* top : desktop().children) {
    if (!top->surface) continue;
    gdi::Region changed = top->surface->takeChanged();
    if (changed.empty() || !top->isVisible()) continue;
    backend().present(top->hwnd, *top->surface, changed);
    presented = true;
  }
  return presented;
}

}  // namespace platform::user

using namespace platform::user;
using platform::gdi::Region;

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  if (!hWnd) {
    for (Window* top : desktop().children) invalidateEverything(top);
    return TRUE;
  }
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  invalidate(w, lpRect ? Region(*lpRect) : Region(RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top}),
             bErase);
  return TRUE;
}

BOOL WINAPI InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  if (!hRgn) return InvalidateRect(hWnd, nullptr, bErase);
  auto region = platform::gdi::objectFrom<Region>(hRgn);
  if (!region) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  invalidate(w, *region, bErase);
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  Region area = lpRect ? Region(*lpRect) : Region();
  validate(w, lpRect ? &area : nullptr);
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  if (lpRect) *lpRect = w->update.box();
  if (bErase && w->erase && !w->update.empty()) {
    HDC hdc = GetDC(hWnd);
    if (callWindowProc(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0)) w->erase = false;
    ReleaseDC(hWnd, hdc);
  }
  return !w->update.empty();
}

BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
  Window* w = hWnd ? windowOrFail(hWnd) : &desktop();
  if (!w) return FALSE;
  auto region = hrgnUpdate ? platform::gdi::objectFrom<Region>(hrgnUpdate) : nullptr;
  Region area = region ? *region : lprcUpdate ? Region(*lprcUpdate) : Region(RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top});
  if (flags & RDW_INVALIDATE) {
    if (flags & RDW_FRAME) w->frame = true;
    invalidate(w, area, flags & RDW_ERASE);
    if (flags & RDW_ALLCHILDREN)
      for (Window* child : w->children) RedrawWindow(child->hwnd, nullptr, nullptr, flags & ~RDW_UPDATENOW);
  } else if (flags & RDW_VALIDATE) {
    validate(w, (lprcUpdate || region) ? &area : nullptr);
    if (flags & RDW_NOFRAME) w->frame = false;
  }
  // Erasing now draws the frame and the background; the paint itself comes
  // at its ordinary time.
  if (flags & RDW_UPDATENOW) paintNow(w);
  else if (flags & RDW_ERASENOW) eraseNow(w);
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  paintNow(w);
  return TRUE;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  Window* w = windowOrFail(hWnd);
  if (!w || !lpPaint) return nullptr;
  auto alive = keepAlive(w);
  paintFrameNow(w);
  Region update = w->update.combined(Region(RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top}),
                                     Region::Op::And);
  bool erase = w->erase, refused = w->eraseRefused;
  validate(w, nullptr);
  platform::gdi::DeviceContext* dc = updateDeviceContext(w, update);
  if (!dc) return nullptr;
  *lpPaint = {};
  lpPaint->hdc = dc->handle;
  lpPaint->rcPaint = update.box();
  lpPaint->fErase = erase ? callWindowProc(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->handle), 0) == 0 : refused;
  return dc->handle;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
  if (!lpPaint) return FALSE;
  ReleaseDC(hWnd, lpPaint->hdc);
  return TRUE;
}
