// DestroyWindow: ancestors hear WM_PARENTNOTIFY; a visible window is hidden
// (a child with WM_SHOWWINDOW first, as ShowWindow hides it; then
// WM_WINDOWPOSCHANGING/CHANGED) and gives up activation, focus and capture;
// windows it owns go first; then WM_DESTROY reaches the window before its
// children, and WM_NCDESTROY the children before the window, after which
// each handle is dead, and a top-level window's menu is destroyed with it.
#include "platform/backend.h"
#include "platform/user/activation.h"
#include "platform/user/painting.h"
#include "platform/user/timers.h"
#include "platform/user/window_class.h"
#include "platform/user/window_placement.h"

using namespace platform;
using namespace platform::user;

namespace {

void destroyOwnedWindows(Window* w) {
  std::vector<Window*> tops = desktop().children;
  for (Window* top : tops)
    if (windowFrom(top->hwnd) && top->owner == w) DestroyWindow(top->hwnd);
}

// A child is hidden as ShowWindow hides it (WM_SHOWWINDOW first), a
// top-level window by SetWindowPos alone.
void hide(Window* w) {
  if (!w->isVisible()) return;
  if (w->isChild()) {
    ShowWindow(w->hwnd, SW_HIDE);
    return;
  }
  placeWindow(w, nullptr, 0, 0, 0, 0,
              SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void markDestroying(Window* w) {
  w->destroying = true;
  for (Window* child : w->children) markDestroying(child);
}

void sendDestroy(Window* w) {
  callWindowProc(w, WM_DESTROY, 0, 0);
  std::vector<Window*> children = w->children;
  for (Window* child : children)
    if (windowFrom(child->hwnd)) sendDestroy(child);
}

void free(Window* w) {
  killTimersOf(w->hwnd);
  if (w->hasMenuBar()) DestroyMenu(w->menu);
  if (w->windowClass) --w->windowClass->windows;
  if (w->isTopLevel()) backend().windowDestroyed(w->hwnd);
  releaseWindow(w);
}

void sendNcDestroy(Window* w) {
  auto alive = keepAlive(w);
  std::vector<Window*> children = w->children;
  for (Window* child : children)
    if (windowFrom(child->hwnd)) sendNcDestroy(child);
  callWindowProc(w, WM_NCDESTROY, 0, 0);
  if (windowFrom(w->hwnd)) free(w);
}

}  // namespace

BOOL WINAPI DestroyWindow(HWND hWnd) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  if (w == &desktop()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (w->destroying) return TRUE;
  auto alive = keepAlive(w);
  notifyParents(w, WM_DESTROY);
  if (!windowFrom(hWnd) || w->destroying) return TRUE;
  markDestroying(w);
  bool wasActive = activeWindow() == w;
  hide(w);
  destroyOwnedWindows(w);
  if (wasActive) activateOtherThan(w);
  if (!w->isTopLevel()) dropFocusWithin(w);
  else if (focusWindow() == w || isDescendant(w, focusWindow())) SetFocus(nullptr);
  dropCaptureWithin(w);
  NotifyWinEvent(EVENT_OBJECT_DESTROY, hWnd, OBJID_WINDOW, CHILDID_SELF);
  sendDestroy(w);
  sendNcDestroy(w);
  return TRUE;
}
