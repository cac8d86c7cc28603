#include "platform/user/activation.h"

#include <algorithm>

#include "platform/backend.h"

namespace platform::user {
namespace {

struct FocusState {
  HWND active = nullptr;
  HWND focus = nullptr;
  HWND capture = nullptr;
  bool applicationActive = false;
};

FocusState& state() {
  static FocusState s;
  return s;
}

LRESULT send(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
  return callWindowProc(window, message, wParam, lParam);
}

std::vector<Window*> topLevelWindows() { return desktop().children; }

void bringToFront(Window* window) {
  auto& list = desktop().children;
  std::erase(list, window);
  list.insert(list.begin(), window);
}

void sendActivateApp(bool active) {
  for (Window* w : topLevelWindows())
    if (windowFrom(w->hwnd)) send(w, WM_ACTIVATEAPP, active, 0);
}

void deactivate(Window* previous, Window* next) {
  send(previous, WM_NCACTIVATE, FALSE, 0);
  if (windowFrom(previous->hwnd)) send(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(next ? next->hwnd : nullptr));
}

void killFocus(HWND next) {
  Window* focus = windowFrom(state().focus);
  state().focus = nullptr;
  if (focus) send(focus, WM_KILLFOCUS, reinterpret_cast<WPARAM>(next), 0);
}

bool canTakeActivation(Window* w) { return w->isVisible() && w->isEnabled() && !w->destroying; }

}  // namespace

Window* activeWindow() { return windowFrom(state().active); }
Window* focusWindow() { return windowFrom(state().focus); }
Window* captureWindow() { return windowFrom(state().capture); }

void activate(Window* window, int how) {
  Window* previous = activeWindow();
  if (previous == window) return;
  if (previous) deactivate(previous, window);
  if (!windowFrom(window->hwnd)) return;
  state().active = window->hwnd;
  bringToFront(window);
  NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, window->hwnd, OBJID_WINDOW, CHILDID_SELF);
  if (!state().applicationActive) {
    state().applicationActive = true;
    sendActivateApp(true);
  }
  send(window, WM_NCACTIVATE, TRUE, 0);
  if (windowFrom(window->hwnd))
    send(window, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(previous ? previous->hwnd : nullptr));
}

void activateOtherThan(Window* window) {
  if (activeWindow() != window) return;
  Window* owner = window->owner;
  Window* next = owner && canTakeActivation(owner) ? owner : nullptr;
  for (Window* w : topLevelWindows())
    if (!next && w != window && canTakeActivation(w)) next = w;
  if (next) activate(next, WA_ACTIVE);
  else deactivateApplication();
}

void deactivateApplication() {
  Window* previous = activeWindow();
  if (previous) deactivate(previous, nullptr);
  state().active = nullptr;
  // The foreground is another program's, whose window this one cannot name.
  if (previous) NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, nullptr, OBJID_WINDOW, CHILDID_SELF);
  if (state().applicationActive) {
    state().applicationActive = false;
    sendActivateApp(false);
  }
  killFocus(nullptr);
}

void dropFocusWithin(Window* window) {
  Window* focus = focusWindow();
  if (focus != window && !isDescendant(window, focus)) return;
  Window* parent = window->isChild() ? window->parent : nullptr;
  SetFocus(parent ? parent->hwnd : nullptr);
}

void dropCaptureWithin(Window* window) {
  Window* capture = captureWindow();
  if (capture == window || isDescendant(window, capture)) ReleaseCapture();
}

}  // namespace platform::user

using namespace platform::user;

HWND WINAPI GetFocus(void) {
  Window* w = focusWindow();
  return w ? w->hwnd : nullptr;
}

HWND WINAPI GetActiveWindow(void) {
  Window* w = activeWindow();
  return w ? w->hwnd : nullptr;
}

HWND WINAPI GetForegroundWindow(void) { return GetActiveWindow(); }

HWND WINAPI GetCapture(void) {
  Window* w = captureWindow();
  return w ? w->hwnd : nullptr;
}

// A window that is disabled or minimised, or inside one, cannot take the
// focus.
HWND WINAPI SetFocus(HWND hWnd) {
  Window* window = nullptr;
  if (hWnd) {
    window = windowOrFail(hWnd);
    if (!window || window == &desktop()) return nullptr;
    for (Window* w = window; w != &desktop(); w = w->parent)
      if (!w->isEnabled() || w->isMinimized()) return nullptr;
    Window* top = topLevelOf(window);
    if (top != activeWindow()) activate(top, WA_ACTIVE);
    if (!windowFrom(hWnd)) return nullptr;
  }
  Window* previous = focusWindow();
  HWND previousHandle = previous ? previous->hwnd : nullptr;
  if (previous == window) return previousHandle;
  if (previous) {
    state().focus = nullptr;
    callWindowProc(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
  }
  if (window && windowFrom(hWnd)) {
    state().focus = hWnd;
    callWindowProc(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previousHandle), 0);
    if (state().focus == hWnd) NotifyWinEvent(EVENT_OBJECT_FOCUS, hWnd, OBJID_CLIENT, CHILDID_SELF);
  }
  return previousHandle;
}

// A child cannot be made the active window: Windows then changes nothing
// and answers the active window, without an error.
HWND WINAPI SetActiveWindow(HWND hWnd) {
  Window* window = windowOrFail(hWnd);
  if (!window || window == &desktop()) return nullptr;
  HWND previous = GetActiveWindow();
  if (!window->isChild()) activate(window, WA_ACTIVE);
  return previous;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  Window* window = windowOrFail(hWnd);
  if (!window || window == &desktop()) return FALSE;
  Window* top = topLevelOf(window);
  activate(top, WA_ACTIVE);
  if (windowFrom(top->hwnd) && top->isVisible()) platform::backend().windowBroughtForward(top->hwnd);
  return TRUE;
}

// The window that had the capture hears that it lost it to hWnd, even when
// that is itself.
HWND WINAPI SetCapture(HWND hWnd) {
  Window* window = windowOrFail(hWnd);
  if (!window || window == &desktop()) return nullptr;
  Window* previous = captureWindow();
  state().capture = hWnd;
  if (!previous) platform::backend().setMouseCapture(true);
  if (previous) callWindowProc(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
  return previous ? previous->hwnd : nullptr;
}

BOOL WINAPI ReleaseCapture(void) {
  Window* previous = captureWindow();
  state().capture = nullptr;
  if (!previous) return TRUE;
  platform::backend().setMouseCapture(false);
  callWindowProc(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}
