#include "platform/controls/control_support.h"

namespace platform::controls {

void notifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (!parent) return;
  auto id = static_cast<WORD>(GetWindowLongPtrA(control, GWLP_ID));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

HBRUSH parentColors(HWND control, HDC hdc, UINT message) {
  HWND parent = GetParent(control);
  auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageA(parent, message, reinterpret_cast<WPARAM>(hdc),
                                                              reinterpret_cast<LPARAM>(control)))
                      : nullptr;
  if (brush) return brush;
  return reinterpret_cast<HBRUSH>(
      DefWindowProcA(control, message, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(control)));
}

HFONT fontOrSystem(HFONT font) { return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

RECT clientRect(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return r;
}

void drawEtchedText(HDC hdc, const char* text, RECT box, UINT format) {
  int oldMode = SetBkMode(hdc, TRANSPARENT);
  COLORREF oldColor = SetTextColor(hdc, GetSysColor(COLOR_3DHIGHLIGHT));
  RECT shifted = box;
  OffsetRect(&shifted, 1, 1);
  DrawTextA(hdc, text, -1, &shifted, format);
  SetTextColor(hdc, GetSysColor(COLOR_3DSHADOW));
  DrawTextA(hdc, text, -1, &box, format);
  SetTextColor(hdc, oldColor);
  SetBkMode(hdc, oldMode);
}

}  // namespace platform::controls
