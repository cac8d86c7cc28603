// The "Static" class: text that a dialog or window shows and the user does
// not change. The kind is the low five bits of the style (kKinds); the
// background is the brush the parent answers to WM_CTLCOLORSTATIC. Static
// controls let clicks through to their parent.
//
// Not supported: icons, bitmaps, frames and rectangles, owner drawing,
// SS_NOTIFY and the ellipsis styles; those kinds show only their background.
#include "platform/controls/builtin_procs.h"
#include "platform/controls/control_support.h"

namespace platform::controls {
namespace {

struct StaticState {
  HFONT font = nullptr;
};

struct StaticKind {
  bool drawsText;
  UINT format;
};

constexpr UINT kWrapped = DT_WORDBREAK | DT_EXPANDTABS;

// Indexed by the style's low five bits.
const StaticKind kKinds[32] = {
    {true, DT_LEFT | kWrapped},    // SS_LEFT
    {true, DT_CENTER | kWrapped},  // SS_CENTER
    {true, DT_RIGHT | kWrapped},   // SS_RIGHT
    {}, {}, {}, {}, {}, {}, {}, {},
    {true, DT_LEFT | DT_SINGLELINE},   // SS_SIMPLE
    {true, DT_LEFT | DT_EXPANDTABS},   // SS_LEFTNOWORDWRAP
};

DWORD styleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }

void drawText(HWND hwnd, HDC hdc, const StaticKind& kind) {
  char text[1024];
  GetWindowTextA(hwnd, text, sizeof text);
  RECT box = clientRect(hwnd);
  UINT format = kind.format | ((styleOf(hwnd) & SS_NOPREFIX) ? DT_NOPREFIX : 0);
  if (!IsWindowEnabled(hwnd)) {
    drawEtchedText(hdc, text, box, format);
    return;
  }
  SetBkMode(hdc, TRANSPARENT);
  DrawTextA(hdc, text, -1, &box, format);
}

LRESULT paint(HWND hwnd, StaticState& state) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (!hdc) return 0;
  RECT client = clientRect(hwnd);
  FillRect(hdc, &client, parentColors(hwnd, hdc, WM_CTLCOLORSTATIC));
  const StaticKind& kind = kKinds[styleOf(hwnd) & SS_TYPEMASK];
  HGDIOBJ oldFont = SelectObject(hdc, fontOrSystem(state.font));
  if (kind.drawsText) drawText(hwnd, hdc, kind);
  SelectObject(hdc, oldFont);
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT setText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefWindowProcA(hwnd, WM_SETTEXT, wParam, lParam);
  InvalidateRect(hwnd, nullptr, TRUE);
  return result;
}

LRESULT setFont(HWND hwnd, StaticState& state, WPARAM font, LPARAM redraw) {
  state.font = reinterpret_cast<HFONT>(font);
  if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}

LRESULT handle(HWND hwnd, StaticState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return paint(hwnd, state);
    case WM_ERASEBKGND: return 1;
    case WM_SETTEXT: return setText(hwnd, wParam, lParam);
    case WM_SETFONT: return setFont(hwnd, state, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return withState<StaticState>(hwnd, message, wParam, lParam, handle);
}

}  // namespace platform::controls
