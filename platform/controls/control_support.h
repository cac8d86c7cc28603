// What the built-in controls share: their state kept in the window's extra
// bytes, notifications and colours from the parent, fonts, and the disabled
// (etched) text of the classic look.
#pragma once

#include <memory>

#include "platform/win32.h"

namespace platform::controls {

// Every built-in control keeps one state struct, created on WM_NCCREATE and
// released on WM_NCDESTROY, its address stored in the window's first extra
// bytes. kStateBytes is the cbWndExtra of such a class.
constexpr int kStateBytes = static_cast<int>(sizeof(void*));

template <typename State>
State* stateOf(HWND hwnd) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, 0));
}

template <typename State>
State* createState(HWND hwnd) {
  auto state = std::make_unique<State>();
  SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(state.get()));
  return state.release();
}

template <typename State>
void releaseState(HWND hwnd) {
  delete stateOf<State>(hwnd);
  SetWindowLongPtrA(hwnd, 0, 0);
}

// A control's window procedure around its handler: the state is made on
// WM_NCCREATE and released on WM_NCDESTROY; in between every message goes
// to handle with it.
template <typename State>
LRESULT withState(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                  LRESULT (*handle)(HWND, State&, UINT, WPARAM, LPARAM)) {
  if (message == WM_NCCREATE) createState<State>(hwnd);
  State* state = stateOf<State>(hwnd);
  if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message != WM_NCDESTROY) return handle(hwnd, *state, message, wParam, lParam);
  releaseState<State>(hwnd);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// WM_COMMAND with (control id, code) and the control's handle, sent to the
// parent.
void notifyParent(HWND control, WORD code);

// Asks the parent for the control's colours with a WM_CTLCOLOR* message;
// the colours land in hdc. The brush the parent answered, or the default
// procedure's when the parent answered none.
HBRUSH parentColors(HWND control, HDC hdc, UINT message);

// The font a control draws with: the one WM_SETFONT gave it, or the system
// font.
HFONT fontOrSystem(HFONT font);

// The client rectangle.
RECT clientRect(HWND hwnd);

// Draws a visible control at once through a DC of its client area, as
// Windows' controls show a change of focus, leaving nothing for WM_PAINT.
template <typename Draw>
void drawNow(HWND hwnd, Draw draw) {
  if (!IsWindowVisible(hwnd)) return;
  HDC hdc = GetDC(hwnd);
  draw(hdc);
  ReleaseDC(hwnd, hdc);
}

// Text of a disabled control, etched into the face: a highlight copy one
// pixel down and right under a shadow copy.
void drawEtchedText(HDC hdc, const char* text, RECT box, UINT format);

}  // namespace platform::controls
