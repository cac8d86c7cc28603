// Changing a window's state: enabling, its text, its stored values.
#include <cstring>

#include "platform/user/activation.h"
#include "platform/user/style_rules.h"
#include "platform/user/window.h"

using namespace platform::user;

namespace {

bool extraSlot(Window* w, int index, size_t size) {
  if (index >= 0 && static_cast<size_t>(index) + size <= w->extra.size()) return true;
  SetLastError(ERROR_INVALID_INDEX);
  return false;
}

LONG_PTR readExtra(Window* w, int index) {
  LONG_PTR value = 0;
  std::memcpy(&value, w->extra.data() + index, sizeof value);
  return value;
}

}  // namespace

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  auto alive = keepAlive(w);
  BOOL wasDisabled = !w->isEnabled();
  if ((bEnable != FALSE) == !wasDisabled) return wasDisabled;
  if (!bEnable) {
    callWindowProc(w, WM_CANCELMODE, 0, 0);
    w->style |= WS_DISABLED;
    Window* focus = focusWindow();
    if (focus == w || isDescendant(w, focus)) SetFocus(nullptr);
    dropCaptureWithin(w);
  } else {
    w->style &= ~WS_DISABLED;
  }
  if (windowFrom(hWnd)) callWindowProc(w, WM_ENABLE, bEnable != FALSE, 0);
  return wasDisabled;
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (!windowOrFail(hWnd)) return FALSE;
  return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0;
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (!windowOrFail(hWnd) || !lpString || nMaxCount <= 0) return 0;
  return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd) {
  if (!windowOrFail(hWnd)) return 0;
  return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
  Window* w = windowOrFail(hWnd);
  if (!w) return 0;
  switch (nIndex) {
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE: return w->exStyle;
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->isChild() ? w->parent->hwnd : (w->owner ? w->owner->hwnd : nullptr));
    case GWLP_ID: return reinterpret_cast<LONG_PTR>(w->menu);
    case GWLP_USERDATA: return w->userData;
    default: return extraSlot(w, nIndex, sizeof(LONG_PTR)) ? readExtra(w, nIndex) : 0;
  }
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  Window* w = windowOrFail(hWnd);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtrA(hWnd, nIndex);
  switch (nIndex) {
    case GWL_STYLE: w->style = storedStyle(static_cast<DWORD>(dwNewLong), w->isTopLevel()); break;
    case GWL_EXSTYLE: w->exStyle = storedExStyle(static_cast<DWORD>(dwNewLong), w->style); break;
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(dwNewLong); break;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(dwNewLong); break;
    case GWLP_ID: w->menu = reinterpret_cast<HMENU>(dwNewLong); break;
    case GWLP_USERDATA: w->userData = dwNewLong; break;
    default:
      if (!extraSlot(w, nIndex, sizeof(LONG_PTR))) return 0;
      std::memcpy(w->extra.data() + nIndex, &dwNewLong, sizeof dwNewLong);
  }
  return old;
}
