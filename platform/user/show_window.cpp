// ShowWindow: each show command as a SetWindowPos, after WM_SHOWWINDOW
// when the visibility changes (not when the window is maximised, minimised
// or restored, which the WM_WINDOWPOSCHANGED and WM_SIZE that follow
// tell). A command that finds the window as it asks does nothing.
// SW_MINIMIZE hands activation to the next window, as Windows does during
// the call (Wine leaves that to the X server's change of focus); a window
// restored from the minimised state takes the focus, and a top-level one
// hears WM_ACTIVATE again.
#include <optional>

#include "platform/user/activation.h"
#include "platform/user/window_min_max.h"
#include "platform/user/window_placement.h"

using namespace platform::user;

namespace {

UINT hiddenOrShownFlags(const Window* w, UINT flags) {
  return flags | SWP_NOSIZE | SWP_NOMOVE | (w->isChild() ? SWP_NOACTIVATE | SWP_NOZORDER : 0);
}

std::optional<UINT> minimizeFlags(Window* w, int command, RECT& place) {
  bool wasMinimized = w->isMinimized(), visible = w->isVisible();
  UINT flags = SWP_SHOWWINDOW | SWP_FRAMECHANGED | changeShowState(w, command, place);
  if (command != SW_SHOWMINIMIZED) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  if (wasMinimized && visible) return std::nullopt;
  return flags;
}

std::optional<UINT> maximizeFlags(Window* w, RECT& place) {
  bool wasMaximized = w->isMaximized(), visible = w->isVisible();
  UINT flags = (visible ? 0 : SWP_SHOWWINDOW) | SWP_FRAMECHANGED | changeShowState(w, SW_MAXIMIZE, place);
  if (wasMaximized && visible) return std::nullopt;
  return flags;
}

// SW_RESTORE, SW_SHOWNORMAL, SW_SHOWDEFAULT and SW_SHOWNOACTIVATE.
std::optional<UINT> restoreFlags(Window* w, int command, RECT& place) {
  bool visible = w->isVisible();
  UINT flags = (command == SW_SHOWNOACTIVATE ? SWP_NOACTIVATE | SWP_NOZORDER : 0) | (visible ? 0 : SWP_SHOWWINDOW);
  if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
    flags |= SWP_FRAMECHANGED | changeShowState(w, command, place);
  } else {
    if (visible) return std::nullopt;
    flags |= SWP_NOSIZE | SWP_NOMOVE;
  }
  if (w->isChild() && !(flags & SWP_STATECHANGED)) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  return flags;
}

// The SetWindowPos flags (and the place, for a change of state) that the
// command needs, or nothing when there is nothing to do.
std::optional<UINT> commandFlags(Window* w, int command, RECT& place) {
  bool visible = w->isVisible();
  switch (command) {
    case SW_HIDE: return visible ? std::optional(hiddenOrShownFlags(w, SWP_HIDEWINDOW)) : std::nullopt;
    case SW_SHOW: return visible ? std::nullopt : std::optional(hiddenOrShownFlags(w, SWP_SHOWWINDOW));
    case SW_SHOWNA:
      return SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | (w->isChild() ? SWP_NOZORDER : 0);
    case SW_MINIMIZE: case SW_SHOWMINIMIZED: case SW_SHOWMINNOACTIVE: case SW_FORCEMINIMIZE:
      return minimizeFlags(w, command, place);
    case SW_SHOWMAXIMIZED: return maximizeFlags(w, place);
    case SW_RESTORE: case SW_SHOWNORMAL: case SW_SHOWDEFAULT: case SW_SHOWNOACTIVATE:
      return restoreFlags(w, command, place);
    default: return std::nullopt;
  }
}

bool tellsVisibility(int command, bool show, bool wasVisible, UINT flags) {
  return (show != wasVisible || command == SW_SHOWNA) && command != SW_SHOWMAXIMIZED && !(flags & SWP_STATECHANGED);
}

// A child of a window not showing only changes its style.
void apply(Window* w, bool show, const RECT& place, UINT flags) {
  if (w->isChild() && !isShowing(w->parent) && !(flags & SWP_STATECHANGED)) {
    w->style = show ? w->style | WS_VISIBLE : w->style & ~WS_VISIBLE;
    return;
  }
  placeAndHandOver(w, HWND_TOP, place, flags);
}

void afterRestoringFromMinimized(Window* w, UINT flags) {
  SetFocus(w->hwnd);
  if (w->isTopLevel() && !(flags & SWP_NOACTIVATE) && windowFrom(w->hwnd))
    callWindowProc(w, WM_ACTIVATE, WA_ACTIVE, 0);
}

}  // namespace

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  Window* window = windowOrFail(hWnd);
  if (!window || window == &desktop()) return FALSE;
  auto alive = keepAlive(window);
  bool wasVisible = window->isVisible(), wasActive = activeWindow() == window;
  bool wasMinimized = window->isMinimized(), show = nCmdShow != SW_HIDE;
  RECT place = window->rect;
  std::optional<UINT> flags = commandFlags(window, nCmdShow, place);
  if (!flags || !windowFrom(hWnd)) return wasVisible;
  if (tellsVisibility(nCmdShow, show, wasVisible, *flags)) callWindowProc(window, WM_SHOWWINDOW, show, 0);
  if (!windowFrom(hWnd)) return wasVisible;
  apply(window, show, place, *flags);
  if (!windowFrom(hWnd)) return wasVisible;
  if (!show && !window->isTopLevel()) dropFocusWithin(window);
  if ((nCmdShow == SW_MINIMIZE || nCmdShow == SW_FORCEMINIMIZE) && wasActive) activateOtherThan(window);
  if (window->sizePending && windowFrom(hWnd)) {
    window->sizePending = false;
    sendSizeAndMove(window);
  }
  if (wasMinimized && !window->isMinimized() && windowFrom(hWnd)) afterRestoringFromMinimized(window, *flags);
  return wasVisible;
}
