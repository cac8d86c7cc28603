#include "platform/user/window_placement.h"

#include <algorithm>

#include "platform/backend.h"
#include "platform/user/activation.h"
#include "platform/user/painting.h"

namespace platform::user {
namespace {

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

// True when the window moved, changed size or had its frame recomputed.
bool applyGeometry(Window* window, const RECT& rect, UINT& flags) {
  RECT oldRect = window->rect;
  RECT oldClient = window->client;
  bool sized = widthOf(rect) != widthOf(oldRect) || heightOf(rect) != heightOf(oldRect);
  bool moved = rect.left != oldRect.left || rect.top != oldRect.top;
  RECT client = (sized || (flags & SWP_FRAMECHANGED)) ? calculateClient(window, rect) : oldClient;
  if (!sized && !(flags & SWP_FRAMECHANGED)) OffsetRect(&client, rect.left - oldRect.left, rect.top - oldRect.top);
  window->rect = rect;
  window->client = client;
  if (widthOf(client) == widthOf(oldClient) && heightOf(client) == heightOf(oldClient)) flags |= SWP_NOCLIENTSIZE;
  if (client.left == oldClient.left && client.top == oldClient.top) flags |= SWP_NOCLIENTMOVE;
  if (window->surface) window->surface->resize(widthOf(rect), heightOf(rect));
  bool changed = sized || moved || (flags & SWP_FRAMECHANGED);
  if (!changed || !isShowing(window)) return changed;
  if (window->isTopLevel() && !sized && !moved) {
    clientAreaMoved(window, oldClient);
    return true;
  }
  if (!window->isTopLevel()) exposeInParent(window->parent, oldRect);
  invalidateEverything(window);
  if (window->isTopLevel()) backend().windowPlaced(window->hwnd, rect);
  return true;
}

void changeVisibility(Window* window, bool show) {
  if (show == window->isVisible()) return;
  if (show) {
    window->style |= WS_VISIBLE;
    invalidateEverything(window);
  } else {
    window->style &= ~WS_VISIBLE;
    exposeInParent(window->parent, window->rect);
  }
  if (window->isTopLevel()) backend().windowShown(window->hwnd, show);
}

// What Windows paints during the call: a top-level window being shown, or
// whose frame changed, gets its frame drawn and its background erased; a
// child hidden, moved or sized gets the part of its parent it uncovered
// erased.
void eraseAfterPlacing(Window* window, UINT flags, bool geometryChanged) {
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

void sendSizeAndMove(Window* window) {
  int kind = (window->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : (window->style & WS_MINIMIZE) ? SIZE_MINIMIZED : SIZE_RESTORED;
  callWindowProc(window, WM_SIZE, kind, MAKELPARAM(widthOf(window->client), heightOf(window->client)));
  if (windowFrom(window->hwnd)) callWindowProc(window, WM_MOVE, 0, MAKELPARAM(window->client.left, window->client.top));
}

bool placeWindow(Window* window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  auto alive = keepAlive(window);
  if (flags & SWP_NOMOVE) {
    x = window->rect.left;
    y = window->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    cx = widthOf(window->rect);
    cy = heightOf(window->rect);
  }
  WINDOWPOS pos{window->hwnd, insertAfter, x, y, std::max(cx, 0), std::max(cy, 0), flags};
  if (!(flags & SWP_NOSENDCHANGING)) callWindowProc(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!windowFrom(window->hwnd)) return false;
  bool geometryChanged = applyGeometry(window, {pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy}, pos.flags);
  if (!(pos.flags & SWP_NOZORDER)) reorder(window, pos.hwndInsertAfter);
  if (pos.flags & SWP_SHOWWINDOW) changeVisibility(window, true);
  if (pos.flags & SWP_HIDEWINDOW) changeVisibility(window, false);
  bool activates = window->isTopLevel() && !(pos.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && window->isVisible();
  if (activates) activate(window, WA_ACTIVE);
  if (windowFrom(window->hwnd)) eraseAfterPlacing(window, pos.flags, geometryChanged);
  if (windowFrom(window->hwnd)) callWindowProc(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return true;
}

}  // namespace platform::user

using namespace platform::user;

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  Window* window = windowOrFail(hWnd);
  if (!window || window == &desktop()) return FALSE;
  UINT allowed = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                 SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
  if (uFlags & SWP_HIDEWINDOW) {
    bool wasActive = activeWindow() == window;
    placeWindow(window, hWndInsertAfter, X, Y, cx, cy, uFlags & allowed);
    if (wasActive && windowFrom(hWnd)) activateOtherThan(window);
    return TRUE;
  }
  return placeWindow(window, hWndInsertAfter, X, Y, cx, cy, uFlags & allowed);
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  Window* window = windowOrFail(hWnd);
  if (!window || window == &desktop()) return FALSE;
  auto alive = keepAlive(window);
  bool wasVisible = window->isVisible();
  bool show = nCmdShow != SW_HIDE;
  bool activating = show && window->isTopLevel() && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE &&
                    nCmdShow != SW_SHOWMINNOACTIVE;
  if (show == wasVisible) {
    if (activating) activate(window, WA_ACTIVE);
    return wasVisible;
  }
  callWindowProc(window, WM_SHOWWINDOW, show, 0);
  if (!windowFrom(hWnd)) return wasVisible;
  // A child of a window not showing only changes its style.
  if (window->isChild() && !isShowing(window->parent)) {
    window->style = show ? window->style | WS_VISIBLE : window->style & ~WS_VISIBLE;
  } else {
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (!activating) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
  }
  if (!show && !window->isTopLevel() && windowFrom(hWnd)) dropFocusWithin(window);
  if (show && window->sizePending && windowFrom(hWnd)) {
    window->sizePending = false;
    sendSizeAndMove(window);
  }
  return wasVisible;
}
