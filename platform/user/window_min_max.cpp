#include "platform/user/window_min_max.h"

#include <algorithm>

#include "platform/user/activation.h"

namespace platform::user {
namespace {

// The parent's client area enlarged by the window's frame. A caption
// counts as a plain frame: a maximised window's caption stays on the
// screen while its borders fall just outside it.
RECT maximizedFrame(const Window* w) {
  const RECT& parent = w->parent->client;
  RECT frame{0, 0, parent.right - parent.left, parent.bottom - parent.top};
  DWORD style = (w->style & WS_CAPTION) == WS_CAPTION ? w->style & ~WS_BORDER : w->style;
  AdjustWindowRectEx(&frame, style, (w->style & WS_POPUP) && w->menu, w->exStyle);
  return frame;
}

MINMAXINFO defaultMinMaxInfo(const Window* w) {
  RECT frame = maximizedFrame(w);
  POINT border{-frame.left, -frame.top};
  MINMAXINFO info{};
  info.ptMaxSize = {frame.right - frame.left, frame.bottom - frame.top};
  info.ptMaxPosition = {frame.left, frame.top};
  bool framed = (w->style & (WS_DLGFRAME | WS_BORDER)) != 0;
  info.ptMinTrackSize = framed ? POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)}
                               : POINT{2 * border.x, 2 * border.y};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  return info;
}

RECT sizedAt(POINT at, POINT size) { return {at.x, at.y, at.x + size.x, at.y + size.y}; }

RECT maximizedRect(Window* w) {
  MINMAXINFO info = minMaxInfo(w);
  return sizedAt(info.ptMaxPosition, info.ptMaxSize);
}

// Top-level windows are parked off the screen; children at the bottom
// left of their parent's client area.
RECT minimizedRect(const Window* w) {
  POINT size{GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED)};
  if (w->isTopLevel()) return sizedAt({-32000, -32000}, size);
  return sizedAt({0, (w->parent->client.bottom - w->parent->client.top) - size.y}, size);
}

// The focus leaves a window being minimised for its parent, or for no
// window at all.
void moveFocusOut(Window* w) {
  Window* focus = focusWindow();
  if (focus != w && !isDescendant(w, focus)) return;
  SetFocus(w->isChild() ? w->parent->hwnd : nullptr);
}

UINT minimize(Window* w, RECT& rect) {
  w->restoresMaximized = w->isMaximized();
  moveFocusOut(w);
  DWORD old = w->style;
  w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
  rect = minimizedRect(w);
  return SWP_NOCOPYBITS | ((old & WS_MINIMIZE) ? 0 : SWP_STATECHANGED);
}

UINT maximize(Window* w, RECT& rect) {
  if (w->isMaximized() && w->isVisible()) return SWP_NOSIZE | SWP_NOMOVE;
  rect = maximizedRect(w);
  DWORD old = w->style;
  w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
  return (old & WS_MAXIMIZE) ? 0 : SWP_STATECHANGED;
}

UINT restore(Window* w, int command, RECT& rect) {
  if (command == SW_SHOWNOACTIVATE) w->restoresMaximized = false;
  DWORD old = w->style;
  w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  if ((old & WS_MINIMIZE) && w->restoresMaximized) {
    rect = maximizedRect(w);
    w->style |= WS_MAXIMIZE;
    return SWP_STATECHANGED;
  }
  if (!(old & (WS_MINIMIZE | WS_MAXIMIZE))) return 0;
  rect = w->normalRect;
  return SWP_STATECHANGED;
}

}  // namespace

bool minimizes(int command) {
  return command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE ||
         command == SW_FORCEMINIMIZE;
}

MINMAXINFO minMaxInfo(Window* window) {
  MINMAXINFO info = defaultMinMaxInfo(window);
  callWindowProc(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  info.ptMaxTrackSize.x = std::max(info.ptMaxTrackSize.x, info.ptMinTrackSize.x);
  info.ptMaxTrackSize.y = std::max(info.ptMaxTrackSize.y, info.ptMinTrackSize.y);
  return info;
}

UINT changeShowState(Window* window, int command, RECT& rect) {
  UINT flags = 0;
  if (window->isMinimized()) {
    if (minimizes(command)) {
      rect = minimizedRect(window);
      return SWP_NOSIZE | SWP_NOMOVE;
    }
    if (!callWindowProc(window, WM_QUERYOPEN, 0, 0)) return SWP_NOSIZE | SWP_NOMOVE;
    flags |= SWP_NOCOPYBITS;
  }
  if (minimizes(command)) return flags | minimize(window, rect);
  if (command == SW_MAXIMIZE) return flags | maximize(window, rect);
  return flags | restore(window, command, rect);
}

}  // namespace platform::user

using namespace platform::user;

BOOL WINAPI IsZoomed(HWND hWnd) {
  Window* w = windowFrom(hWnd);
  return w && w->isMaximized();
}

BOOL WINAPI IsIconic(HWND hWnd) {
  Window* w = windowFrom(hWnd);
  return w && w->isMinimized();
}
