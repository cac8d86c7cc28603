#include "platform/user/window_placement.h"

#include <algorithm>

#include "platform/backend.h"
#include "platform/user/activation.h"
#include "platform/user/painting.h"

namespace platform::user {
namespace {

// A call whose flags say all of these, and none of the other state flags,
// changed nothing.
constexpr UINT kNothingMoved = SWP_NOSIZE | SWP_NOMOVE | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE | SWP_NOZORDER;
constexpr UINT kStateFlags = kNothingMoved | SWP_FRAMECHANGED | SWP_HIDEWINDOW | SWP_SHOWWINDOW;

int widthOf(const RECT& r) { return r.right - r.left; }
int heightOf(const RECT& r) { return r.bottom - r.top; }

void reorder(Window* window, HWND insertAfter) {
  auto& siblings = window->parent->children;
  std::erase(siblings, window);
  Window* after = windowFrom(insertAfter);
  if (insertAfter == HWND_BOTTOM) {
    siblings.push_back(window);
    return;
  }
  auto at = std::find(siblings.begin(), siblings.end(), after);
  siblings.insert(at == siblings.end() ? siblings.begin() : at + 1, window);
}

bool alreadyInPlace(const Window* window, HWND insertAfter) {
  const auto& siblings = window->parent->children;
  if (insertAfter == HWND_BOTTOM) return siblings.back() == window;
  const Window* after = windowFrom(insertAfter);
  auto at = std::find(siblings.begin(), siblings.end(), after);
  if (at == siblings.end()) return siblings.front() == window;
  return after == window || (at + 1 != siblings.end() && at[1] == window);
}

// Where the WINDOWPOS puts the window; a minimised window keeps the
// minimised size.
RECT targetRect(const Window* window, const WINDOWPOS& pos) {
  RECT rect = window->rect;
  if (!(pos.flags & SWP_NOSIZE)) {
    bool minimized = window->isMinimized();
    rect.right = rect.left + (minimized ? GetSystemMetrics(SM_CXMINIMIZED) : std::max(pos.cx, 0));
    rect.bottom = rect.top + (minimized ? GetSystemMetrics(SM_CYMINIMIZED) : std::max(pos.cy, 0));
  }
  if (!(pos.flags & SWP_NOMOVE)) OffsetRect(&rect, pos.x - rect.left, pos.y - rect.top);
  return rect;
}

// Flags that ask for what already is go, flags that tell what stays come
// (see window_placement.h); a top-level window being activated comes to
// the top.
void dropRedundantFlags(const Window* window, WINDOWPOS& pos, const RECT& target) {
  if (window->isVisible()) pos.flags &= ~SWP_SHOWWINDOW;
  else pos.flags = (pos.flags & ~SWP_HIDEWINDOW) | ((pos.flags & SWP_SHOWWINDOW) ? 0 : SWP_NOREDRAW);
  if (widthOf(target) == widthOf(window->rect) && heightOf(target) == heightOf(window->rect)) pos.flags |= SWP_NOSIZE;
  if (target.left == window->rect.left && target.top == window->rect.top) pos.flags |= SWP_NOMOVE;
  bool activating = !window->isChild() && !(pos.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW));
  if (activating && pos.hwndInsertAfter != HWND_TOPMOST && pos.hwndInsertAfter != HWND_NOTOPMOST) {
    pos.flags &= ~SWP_NOZORDER;
    pos.hwndInsertAfter = HWND_TOP;
  }
  if (!(pos.flags & SWP_NOZORDER) && alreadyInPlace(window, pos.hwndInsertAfter)) pos.flags |= SWP_NOZORDER;
}

// A minimised top-level window lies off the screen, where nothing is
// painted.
bool offScreen(const Window* window) { return window->isTopLevel() && window->isMinimized(); }

// What moved needs painting: a top-level window whose frame alone changed
// keeps what its client area showed, and one that only moved keeps all of
// it (its pixels move with it) unless the caller discards them; otherwise
// the window is drawn anew and a child's old place uncovered.
void redrawAfterPlacing(Window* window, const RECT& oldRect, const RECT& oldClient, UINT flags) {
  if (offScreen(window)) return;
  bool sized = !(flags & SWP_NOSIZE), moved = !(flags & SWP_NOMOVE);
  if (window->isTopLevel() && !sized && !moved) return clientAreaMoved(window, oldClient);
  if (window->isTopLevel() && !sized && !(flags & (SWP_FRAMECHANGED | SWP_NOCOPYBITS))) return;
  if (!window->isTopLevel()) exposeInParent(window->parent, oldRect);
  invalidateEverything(window);
}

// True when the window moved, changed size or had its frame recomputed.
bool applyGeometry(Window* window, const RECT& rect, UINT& flags) {
  RECT oldRect = window->rect;
  RECT oldClient = window->client;
  bool sized = !(flags & SWP_NOSIZE);
  bool moved = !(flags & SWP_NOMOVE);
  RECT client = (sized || (flags & SWP_FRAMECHANGED)) ? calculateClient(window, rect) : oldClient;
  if (!sized && !(flags & SWP_FRAMECHANGED)) OffsetRect(&client, rect.left - oldRect.left, rect.top - oldRect.top);
  window->rect = rect;
  window->client = client;
  if (!window->isMinimized() && !window->isMaximized()) window->normalRect = rect;
  if (widthOf(client) == widthOf(oldClient) && heightOf(client) == heightOf(oldClient)) flags |= SWP_NOCLIENTSIZE;
  if (client.left == oldClient.left && client.top == oldClient.top) flags |= SWP_NOCLIENTMOVE;
  if (window->surface) window->surface->resize(widthOf(rect), heightOf(rect));
  bool changed = sized || moved || (flags & SWP_FRAMECHANGED);
  if (!changed || !isShowing(window)) return changed;
  if (window->isTopLevel() && (sized || moved)) backend().windowPlaced(window->hwnd, rect);
  if (!(flags & SWP_NOREDRAW)) redrawAfterPlacing(window, oldRect, oldClient, flags);
  return true;
}

void changeVisibility(Window* window, bool show, bool redraw) {
  if (show) {
    window->style |= WS_VISIBLE;
    if (redraw && !offScreen(window)) invalidateEverything(window);
  } else {
    window->style &= ~WS_VISIBLE;
    if (redraw) exposeInParent(window->parent, window->rect);
  }
  if (window->isTopLevel()) backend().windowShown(window->hwnd, show);
  NotifyWinEvent(show ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, window->hwnd, OBJID_WINDOW, CHILDID_SELF);
}

// A child hears WM_CHILDACTIVATE; a visible top-level window is activated.
void activateAsPlaced(Window* window, UINT flags) {
  if (flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) return;
  if (window->isChild()) callWindowProc(window, WM_CHILDACTIVATE, 0, 0);
  else if (window->isTopLevel() && window->isVisible()) activate(window, WA_ACTIVE);
}

// What Windows paints during the call: a top-level window being shown, or
// whose frame changed, gets its frame drawn and its background erased; a
// child hidden, moved or sized gets the part of its parent it uncovered
// erased.
void eraseAfterPlacing(Window* window, UINT flags, bool geometryChanged) {
  if (flags & SWP_NOREDRAW) return;
  if ((flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)) && window->isTopLevel()) eraseNow(window);
  else if (window->isChild() && ((flags & SWP_HIDEWINDOW) || geometryChanged)) eraseNow(window->parent);
}

}  // namespace

RECT calculateClient(Window* window, const RECT& windowRect) {
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = windowRect;
  params.rgrc[1] = window->rect;
  params.rgrc[2] = window->client;
  callWindowProc(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  return params.rgrc[0];
}

void sendSize(Window* window) {
  bool minimized = window->isMinimized();
  int kind = window->isMaximized() ? SIZE_MAXIMIZED : minimized ? SIZE_MINIMIZED : SIZE_RESTORED;
  LPARAM size = minimized ? 0 : MAKELPARAM(widthOf(window->client), heightOf(window->client));
  callWindowProc(window, WM_SIZE, kind, size);
}

void sendMove(Window* window) {
  callWindowProc(window, WM_MOVE, 0, MAKELPARAM(window->client.left, window->client.top));
}

void sendSizeAndMove(Window* window) {
  sendSize(window);
  if (windowFrom(window->hwnd)) sendMove(window);
}

bool placeWindow(Window* window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  auto alive = keepAlive(window);
  WINDOWPOS pos{window->hwnd, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags};
  if (!(flags & SWP_NOSENDCHANGING)) callWindowProc(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!windowFrom(window->hwnd)) return false;
  RECT target = targetRect(window, pos);
  dropRedundantFlags(window, pos, target);
  bool geometryChanged = applyGeometry(window, target, pos.flags);
  if (!(pos.flags & SWP_NOZORDER)) reorder(window, pos.hwndInsertAfter);
  if (pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))
    changeVisibility(window, pos.flags & SWP_SHOWWINDOW, !(pos.flags & SWP_NOREDRAW));
  activateAsPlaced(window, pos.flags);
  if (windowFrom(window->hwnd)) eraseAfterPlacing(window, pos.flags, geometryChanged);
  if (!windowFrom(window->hwnd) || (pos.flags & kStateFlags) == kNothingMoved) return true;
  pos = {window->hwnd, pos.hwndInsertAfter, window->rect.left, window->rect.top, widthOf(window->rect),
         heightOf(window->rect), pos.flags};
  callWindowProc(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return true;
}

bool placeAndHandOver(Window* window, HWND insertAfter, const RECT& rect, UINT flags) {
  bool handsOver = (flags & SWP_HIDEWINDOW) && activeWindow() == window;
  bool placed = placeWindow(window, insertAfter, rect.left, rect.top, widthOf(rect), heightOf(rect), flags);
  if (handsOver && windowFrom(window->hwnd)) activateOtherThan(window);
  return placed;
}

}  // namespace platform::user

using namespace platform::user;

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  Window* window = windowOrFail(hWnd);
  if (!window || window == &desktop()) return FALSE;
  UINT allowed = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                 SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
  return placeAndHandOver(window, hWndInsertAfter, {X, Y, X + cx, Y + cy}, uFlags & allowed);
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
