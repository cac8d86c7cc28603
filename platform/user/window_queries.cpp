// Questions about windows and their places: relatives, rectangles,
// coordinates, the window under a point.
#include <algorithm>

#include "platform/user/window.h"
#include "platform/user/window_class.h"

using namespace platform::user;

namespace {

HWND handleOf(const Window* w) { return w ? w->hwnd : nullptr; }

Window* sibling(Window* w, int step) {
  auto& list = w->parent->children;
  auto at = std::find(list.begin(), list.end(), w) - list.begin() + step;
  return at >= 0 && at < static_cast<long>(list.size()) ? list[at] : nullptr;
}

}  // namespace

BOOL WINAPI IsWindow(HWND hWnd) { return windowFrom(hWnd) != nullptr; }

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  Window* w = windowFrom(hWnd);
  return w && isShowing(w);
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  Window* w = windowFrom(hWnd);
  return w && w->isEnabled();
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
  Window* parent = windowFrom(hWndParent);
  Window* w = windowFrom(hWnd);
  if (!parent || !w) return FALSE;
  for (Window* p = w; p && p->isChild(); p = p->parent)
    if (p->parent == parent) return TRUE;
  return FALSE;
}

HWND WINAPI GetDesktopWindow(void) { return desktop().hwnd; }

HWND WINAPI GetParent(HWND hWnd) {
  Window* w = windowOrFail(hWnd);
  if (!w || w == &desktop()) return nullptr;
  if (w->isChild()) return w->parent->hwnd;
  return (w->style & WS_POPUP) ? handleOf(w->owner) : nullptr;
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  Window* w = windowOrFail(hWnd);
  if (!w) return nullptr;
  switch (uCmd) {
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front()->hwnd;
    case GW_OWNER: return handleOf(w->owner);
    default: break;
  }
  if (!w->parent) return nullptr;
  switch (uCmd) {
    case GW_HWNDFIRST: return w->parent->children.front()->hwnd;
    case GW_HWNDLAST: return w->parent->children.back()->hwnd;
    case GW_HWNDNEXT: return handleOf(sibling(w, 1));
    case GW_HWNDPREV: return handleOf(sibling(w, -1));
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

// Never a disabled window: the desktop's handle over a disabled top-level
// window.
HWND WINAPI WindowFromPoint(POINT Point) {
  int hit = HTNOWHERE;
  Window* w = windowUnder(Point, hit);
  return hit == HTERROR ? desktop().hwnd : w->hwnd;
}

HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point) {
  Window* parent = windowOrFail(hWndParent);
  if (!parent) return nullptr;
  RECT client{0, 0, parent->client.right - parent->client.left, parent->client.bottom - parent->client.top};
  if (parent != &desktop() && !PtInRect(&client, Point)) return nullptr;
  for (Window* child : parent->children)
    if (PtInRect(&child->rect, Point)) return child->hwnd;
  return parent->hwnd;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  Window* w = windowOrFail(hWnd);
  if (!w || !lpRect) return FALSE;
  *lpRect = screenRect(w);
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  Window* w = windowOrFail(hWnd);
  if (!w || !lpRect) return FALSE;
  *lpRect = {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  Window* w = windowOrFail(hWnd);
  if (!w || !lpPoint) return FALSE;
  POINT origin = clientOrigin(w);
  lpPoint->x -= origin.x;
  lpPoint->y -= origin.y;
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  Window* w = windowOrFail(hWnd);
  if (!w || !lpPoint) return FALSE;
  POINT origin = clientOrigin(w);
  lpPoint->x += origin.x;
  lpPoint->y += origin.y;
  return TRUE;
}

int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
  Window* from = hWndFrom ? windowOrFail(hWndFrom) : &desktop();
  Window* to = hWndTo ? windowOrFail(hWndTo) : &desktop();
  if (!from || !to) return 0;
  POINT a = clientOrigin(from), b = clientOrigin(to);
  int dx = a.x - b.x, dy = a.y - b.y;
  for (UINT i = 0; lpPoints && i < cPoints; ++i) {
    lpPoints[i].x += dx;
    lpPoints[i].y += dy;
  }
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

HMENU WINAPI GetMenu(HWND hWnd) {
  Window* w = windowOrFail(hWnd);
  return w && w->hasMenuBar() ? w->menu : nullptr;
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
  Window* w = windowOrFail(hWnd);
  if (!w || !lpClassName || nMaxCount <= 0 || !w->windowClass) return 0;
  return lstrlenA(lstrcpynA(lpClassName, w->windowClass->name.c_str(), nMaxCount));
}
