// CreateWindowExA: the new window hears WM_GETMINMAXINFO (overlapped and
// sizable windows, whose size keeps within the tracking sizes), WM_NCCREATE,
// WM_NCCALCSIZE and WM_CREATE, then, unless it is an overlapped window,
// WM_SIZE and WM_MOVE, in that order (an overlapped window hears those at
// its first ShowWindow); a window created with WS_MAXIMIZE or WS_MINIMIZE
// is then maximised or minimised; its ancestors then hear WM_PARENTNOTIFY,
// and a window created visible is shown (and, when top-level, activated). The styles Windows adds (style_rules.h) are in the
// window's styles from the start, the extended one in the CREATESTRUCT too.
#include <algorithm>

#include "platform/backend.h"
#include "platform/user/message_queue.h"
#include "platform/user/style_rules.h"
#include "platform/user/window_class.h"
#include "platform/user/window_min_max.h"
#include "platform/user/window_placement.h"

using namespace platform;
using namespace platform::user;

namespace {

struct Placement {
  int x, y, cx, cy;
};

Placement defaultPlacement(Placement p, bool topLevel) {
  if (!topLevel) {
    if (p.x == CW_USEDEFAULT) p.x = p.y = 0;
    if (p.cx == CW_USEDEFAULT) p.cx = p.cy = 0;
    return p;
  }
  static int cascade = 0;
  SIZE screen = backend().screenSize();
  if (p.x == CW_USEDEFAULT) {
    p.x = p.y = 22 * (cascade++ % 8);
  }
  if (p.cx == CW_USEDEFAULT) {
    p.cx = screen.cx * 3 / 4;
    p.cy = screen.cy * 3 / 4;
  }
  return p;
}

void applyMinMaxInfo(Window* w, Placement& p) {
  MINMAXINFO info = minMaxInfo(w);
  p.cx = std::clamp<int>(p.cx, info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
  p.cy = std::clamp<int>(p.cy, info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
}

Window* resolveParent(DWORD style, HWND parentHandle, Window*& owner) {
  owner = nullptr;
  if (!parentHandle) {
    if (style & WS_CHILD) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return nullptr;
    }
    return &desktop();
  }
  Window* parent = windowOrFail(parentHandle);
  if (!parent) return nullptr;
  if (style & WS_CHILD) return parent;
  owner = parent == &desktop() ? nullptr : topLevelOf(parent);
  return &desktop();
}

void initialise(Window* w, WindowClass* c, DWORD exStyle, DWORD style, LPCSTR name, HMENU menu, HINSTANCE instance,
                const Placement& p) {
  w->windowClass = c;
  w->queue = &currentQueue();
  w->proc = c->info.lpfnWndProc;
  w->style = createdStyle(style) & ~WS_VISIBLE;
  w->exStyle = createdExStyle(exStyle, createdStyle(style));
  w->sizePending = isOverlapped(style);
  w->text = name ? name : "";
  w->menu = menu;
  w->instance = instance;
  w->extra.assign(c->info.cbWndExtra, 0);
  w->rect = {p.x, p.y, p.x + p.cx, p.y + p.cy};
  w->client = w->rect;
  w->normalRect = w->rect;
  ++c->windows;
  if (w->isTopLevel()) {
    w->surface = std::make_shared<gdi::Surface>(p.cx, p.cy, gdi::pixelFromColorRef(GetSysColor(COLOR_WINDOW)));
    w->surface->presentAtScale(backend().scale());
    backend().windowCreated(w->hwnd);
    backend().windowPlaced(w->hwnd, w->rect);
  }
}

// Runs the creation messages; false when the window refused to be created
// (and has been destroyed).
bool runCreation(Window* w, CREATESTRUCTA& cs) {
  HWND hwnd = w->hwnd;
  if (!callWindowProc(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    DestroyWindow(hwnd);
    return false;
  }
  if (!windowFrom(hwnd)) return false;
  RECT client = w->rect;
  callWindowProc(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  if (!windowFrom(hwnd)) return false;
  w->client = client;
  if (callWindowProc(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return false;
  }
  if (!windowFrom(hwnd)) return false;
  w->style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
  if (!w->sizePending) sendSizeAndMove(w);
  return windowFrom(hwnd) != nullptr;
}

// A window created maximised or minimised (its state styles held until
// WM_CREATE returned) takes that state now, without being activated.
void applyInitialState(Window* w, DWORD state) {
  if (!state) return;
  RECT place = w->rect;
  UINT flags = changeShowState(w, (state & WS_MINIMIZE) ? SW_MINIMIZE : SW_MAXIMIZE, place);
  placeWindow(w, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
              flags | SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

int initialShowCommand(DWORD style) { return (style & WS_MINIMIZE) && !(style & WS_MAXIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW; }

}  // namespace

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
  WindowClass* c = findClass(lpClassName);
  if (!c) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window* owner = nullptr;
  Window* parent = resolveParent(dwStyle, hWndParent, owner);
  if (!parent) return nullptr;
  bool topLevel = parent == &desktop();
  Placement p = defaultPlacement({X, Y, nWidth, nHeight}, topLevel);
  Window* w = newWindow(parent);
  if (!w) return nullptr;
  HWND hwnd = w->hwnd;
  auto alive = keepAlive(w);
  w->owner = owner;
  initialise(w, c, dwExStyle, dwStyle, lpWindowName, hMenu, hInstance, p);
  if (isOverlapped(dwStyle) || (dwStyle & WS_THICKFRAME)) {
    applyMinMaxInfo(w, p);
    w->rect = w->client = w->normalRect = {p.x, p.y, p.x + p.cx, p.y + p.cy};
    if (w->surface) w->surface->resize(p.cx, p.cy);
  }
  CREATESTRUCTA cs{lpParam, hInstance, hMenu, hWndParent, p.cy, p.cx, p.y, p.x, static_cast<LONG>(dwStyle),
                   lpWindowName, c->name.c_str(), w->exStyle};
  if (!runCreation(w, cs)) return nullptr;
  applyInitialState(w, dwStyle & (WS_MAXIMIZE | WS_MINIMIZE));
  if (!windowFrom(hwnd)) return nullptr;
  notifyParents(w, WM_CREATE);
  NotifyWinEvent(EVENT_OBJECT_CREATE, hwnd, OBJID_WINDOW, CHILDID_SELF);
  if ((dwStyle & WS_VISIBLE) && windowFrom(hwnd)) ShowWindow(hwnd, initialShowCommand(dwStyle));
  return windowFrom(hwnd) ? hwnd : nullptr;
}
