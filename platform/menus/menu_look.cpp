#include "platform/menus/menu_look.h"

#include <algorithm>

#include "platform/controls/control_support.h"

namespace platform::menus {
namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;

int fontHeight() {
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, menuFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(hdc, &tm);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  return tm.tmHeight;
}

}  // namespace

HFONT menuFont() {
  static HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  return font;
}

int itemHeight() {
  static int height = std::max(GetSystemMetrics(SM_CYMENU) - 2, fontHeight() + 4);
  return height;
}

int menuTextWidth(const std::string& text) {
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, menuFont());
  RECT box{0, 0, 0, 0};
  DrawTextA(hdc, text.c_str(), -1, &box, kTextFormat | DT_CALCRECT);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  return box.right - box.left;
}

void drawMenuText(HDC hdc, const std::string& text, RECT box, ItemLook look) {
  HGDIOBJ old = SelectObject(hdc, menuFont());
  if (look == ItemLook::Grayed) {
    controls::drawEtchedText(hdc, text.c_str(), box, kTextFormat);
  } else {
    int color = look == ItemLook::Selected ? COLOR_HIGHLIGHTTEXT : look == ItemLook::Normal ? COLOR_MENUTEXT : COLOR_GRAYTEXT;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(color));
    DrawTextA(hdc, text.c_str(), -1, &box, kTextFormat);
  }
  SelectObject(hdc, old);
}

}  // namespace platform::menus
