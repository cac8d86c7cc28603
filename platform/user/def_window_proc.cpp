// DefWindowProcA: Windows' default handling, message by message.
#include <algorithm>
#include <cstring>

#include "platform/backend.h"
#include "platform/user/activation.h"
#include "platform/user/keyboard.h"
#include "platform/user/menu_bar_hook.h"
#include "platform/user/message_trace.h"
#include "platform/user/nonclient_paint.h"
#include "platform/user/scroll_bar_tracking.h"
#include "platform/user/scroll_bars.h"
#include "platform/user/style_rules.h"
#include "platform/user/window_class.h"
#include "platform/user/window_min_max.h"
#include "platform/user/window_placement.h"

using namespace platform;
using namespace platform::user;

namespace {

HWND closePressedIn = nullptr;

// A minimised window is all client area.
LRESULT calcSize(Window* w, WPARAM wParam, LPARAM lParam) {
  RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
  if (!rect || w->isMinimized()) return 0;
  FrameLayout f = frameLayout(w->style, w->exStyle, w->hasMenuBar(), rect->right - rect->left, rect->bottom - rect->top);
  *rect = {rect->left + f.client.left, rect->top + f.client.top, rect->left + f.client.right, rect->top + f.client.bottom};
  return 0;
}

// A minimised window answers as its caption.
LRESULT hitTest(Window* w, LPARAM lParam) {
  POINT origin = windowOrigin(w);
  POINT p{GET_X_LPARAM(lParam) - origin.x, GET_Y_LPARAM(lParam) - origin.y};
  int hit = hitTestFrame(layoutOf(w), w->rect.right - w->rect.left, w->rect.bottom - w->rect.top, p);
  return hit != HTNOWHERE && w->isMinimized() ? HTCAPTION : hit;
}

LRESULT eraseBackground(Window* w, WPARAM wParam) {
  HBRUSH brush = w->windowClass ? w->windowClass->info.hbrBackground : nullptr;
  if (!brush) return 0;
  RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
  return 1;
}

LRESULT paint(Window* w) {
  PAINTSTRUCT ps;
  if (BeginPaint(w->hwnd, &ps)) EndPaint(w->hwnd, &ps);
  return 0;
}

LRESULT setText(Window* w, LPARAM lParam) {
  w->text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
  if (w->isTopLevel()) backend().windowTitled(w->hwnd, w->text);
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, w->hwnd, OBJID_WINDOW, CHILDID_SELF);
  if ((w->style & WS_CAPTION) == WS_CAPTION && isShowing(w)) paintNonClient(w);
  return TRUE;
}

LRESULT getText(Window* w, WPARAM wParam, LPARAM lParam) {
  auto* buffer = reinterpret_cast<LPSTR>(lParam);
  if (!buffer || wParam == 0) return 0;
  size_t count = std::min<size_t>(w->text.size(), wParam - 1);
  std::memcpy(buffer, w->text.data(), count);
  buffer[count] = '\0';
  return static_cast<LRESULT>(count);
}

LRESULT ncActivate(Window* w, WPARAM wParam) {
  w->captionActive = wParam != 0;
  if (isShowing(w)) paintNonClient(w);
  return TRUE;
}

// Size changes of overlapped and sizable windows keep within the tracking
// sizes WM_GETMINMAXINFO gives (a minimised window only below the largest).
LRESULT positionChanging(Window* w, LPARAM lParam) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  bool limited = isOverlapped(w->style) || (w->style & WS_THICKFRAME);
  if (!pos || (pos->flags & SWP_NOSIZE) || !limited) return 0;
  MINMAXINFO info = minMaxInfo(w);
  pos->cx = std::min<int>(pos->cx, info.ptMaxTrackSize.x);
  pos->cy = std::min<int>(pos->cy, info.ptMaxTrackSize.y);
  if (w->isMinimized()) return 0;
  pos->cx = std::max<int>(pos->cx, info.ptMinTrackSize.x);
  pos->cy = std::max<int>(pos->cy, info.ptMinTrackSize.y);
  return 0;
}

// WM_SIZE also follows a change of state that kept the client area's size.
LRESULT positionChanged(Window* w, LPARAM lParam) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  if (!pos) return 0;
  HWND hwnd = w->hwnd;
  if (!(pos->flags & SWP_NOCLIENTMOVE)) sendMove(w);
  if ((!(pos->flags & SWP_NOCLIENTSIZE) || (pos->flags & SWP_STATECHANGED)) && windowFrom(hwnd)) sendSize(w);
  return 0;
}

// Child windows let their parent answer first.
LRESULT askParent(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!w->isChild() || !w->parent || w->parent == &desktop()) return 0;
  return callWindowProc(w->parent, message, wParam, lParam);
}

LRESULT mouseActivate(Window* w, WPARAM wParam, LPARAM lParam) {
  LRESULT parent = askParent(w, WM_MOUSEACTIVATE, wParam, lParam);
  return parent ? parent : MA_ACTIVATE;
}

LPCSTR sizingCursor(int hit) {
  switch (hit) {
    case HTLEFT: case HTRIGHT: return IDC_SIZEWE;
    case HTTOP: case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT: case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT: case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_ARROW;
  }
}

LRESULT setCursor(Window* w, WPARAM wParam, LPARAM lParam) {
  if (askParent(w, WM_SETCURSOR, wParam, lParam)) return TRUE;
  auto hit = static_cast<short>(LOWORD(lParam));
  if (hit == HTERROR) return FALSE;
  if (hit == HTCLIENT) {
    HCURSOR cursor = w->windowClass ? w->windowClass->info.hCursor : nullptr;
    if (!cursor) return FALSE;
    SetCursor(cursor);
    return TRUE;
  }
  SetCursor(LoadCursorA(nullptr, sizingCursor(hit)));
  return TRUE;
}

// A window made with either scroll-bar style gets both bars' state.
LRESULT nonClientCreate(Window* w) {
  if (w->style & (WS_VSCROLL | WS_HSCROLL)) scrollBarsOf(w, true);
  return TRUE;
}

// A press on a scroll bar, double clicks included, tracks it.
LRESULT nonClientButton(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
  bool press = message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK;
  if (press && wParam == HTVSCROLL) return callWindowProc(w, WM_SYSCOMMAND, SC_VSCROLL + HTVSCROLL, lParam);
  if (press && wParam == HTHSCROLL) return callWindowProc(w, WM_SYSCOMMAND, SC_HSCROLL + HTHSCROLL, lParam);
  if (message == WM_NCLBUTTONDOWN && wParam == HTMENU)
    return callWindowProc(w, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, lParam);
  if (message == WM_NCLBUTTONDOWN) closePressedIn = wParam == HTCLOSE ? w->hwnd : nullptr;
  if (message == WM_NCLBUTTONUP && wParam == HTCLOSE && closePressedIn == w->hwnd) {
    closePressedIn = nullptr;
    return callWindowProc(w, WM_SYSCOMMAND, SC_CLOSE, lParam);
  }
  return 0;
}

LRESULT systemKeyDown(Window* w, WPARAM wParam, LPARAM lParam) {
  bool alt = (lParam >> 29) & 1;
  if (wParam == VK_F4 && alt) return callWindowProc(topLevelOf(w), WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

// Alt or F10 released with no other key or button pressed since its own
// press opens the menu bar.
LRESULT systemKeyUp(Window* w, WPARAM wParam) {
  bool alone = (wParam == VK_MENU || wParam == VK_F10) && lastKeyPressed() == wParam;
  return alone ? callWindowProc(topLevelOf(w), WM_SYSCOMMAND, SC_KEYMENU, 0) : 0;
}

// A disabled window carries out no system command.
LRESULT systemCommand(Window* w, WPARAM wParam, LPARAM lParam) {
  if (!w->isEnabled()) return 0;
  switch (wParam & 0xFFF0) {
    case SC_CLOSE: return callWindowProc(w, WM_CLOSE, 0, 0);
    case SC_MINIMIZE: ShowWindow(w->hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(w->hwnd, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ShowWindow(w->hwnd, SW_RESTORE); return 0;
    case SC_VSCROLL: trackScrollBar(w, SB_VERT, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case SC_HSCROLL: trackScrollBar(w, SB_HORZ, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case SC_KEYMENU:
      if (MenuKeyHandler handler = menuKeyHandler()) handler(w->hwnd, static_cast<int>(lParam));
      return 0;
    case SC_MOUSEMENU:
      if (MenuMouseHandler handler = menuMouseHandler()) handler(w->hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    default: return 0;
  }
}

LRESULT controlColor(UINT message, WPARAM wParam) {
  auto hdc = reinterpret_cast<HDC>(wParam);
  bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  int background = field ? COLOR_WINDOW : message == WM_CTLCOLORSCROLLBAR ? COLOR_SCROLLBAR : COLOR_3DFACE;
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(hdc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

LRESULT handle(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: return nonClientCreate(w);
    case WM_NCCALCSIZE: return calcSize(w, wParam, lParam);
    case WM_NCHITTEST: return hitTest(w, lParam);
    case WM_NCPAINT: paintNonClient(w, reinterpret_cast<HRGN>(wParam)); return 0;
    case WM_NCACTIVATE: return ncActivate(w, wParam);
    case WM_ERASEBKGND: return eraseBackground(w, wParam);
    case WM_PAINT: return paint(w);
    case WM_SETTEXT: return setText(w, lParam);
    case WM_GETTEXT: return getText(w, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE: DestroyWindow(w->hwnd); return 0;
    case WM_QUERYOPEN: return TRUE;
    case WM_SYSCOMMAND: return systemCommand(w, wParam, lParam);
    case WM_WINDOWPOSCHANGING: return positionChanging(w, lParam);
    case WM_WINDOWPOSCHANGED: return positionChanged(w, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(w->hwnd);
      return 0;
    case WM_MOUSEACTIVATE: return mouseActivate(w, wParam, lParam);
    case WM_SETCURSOR: return setCursor(w, wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP: return nonClientButton(w, message, wParam, lParam);
    case WM_SYSKEYDOWN: return systemKeyDown(w, wParam, lParam);
    case WM_SYSKEYUP: return systemKeyUp(w, wParam);
    case WM_SYSCHAR: return callWindowProc(topLevelOf(w), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
    case WM_CANCELMODE:
      if (GetCapture() == w->hwnd) ReleaseCapture();
      return 0;
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: return controlColor(message, wParam);
    default: return 0;
  }
}

// Kept out of line, so that with the trace off a message pays one branch.
[[gnu::noinline]] LRESULT handleTraced(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
  return traceMessage(MessageRoad::kDefault, w, message, wParam, lParam,
                      [&] { return handle(w, message, wParam, lParam); });
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* w = windowOrFail(hWnd);
  if (!w) return 0;
  auto alive = keepAlive(w);
  if (gTraceMessages) [[unlikely]]
    return handleTraced(w, Msg, wParam, lParam);
  return handle(w, Msg, wParam, lParam);
}

// The program is not an MDI application: the frame and child procedures
// do what the plain default procedure does.
LRESULT WINAPI DefFrameProcA(HWND hWnd, HWND, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT WINAPI DefMDIChildProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
