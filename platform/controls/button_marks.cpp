#include "platform/controls/button_marks.h"

namespace platform::controls {
namespace {

// Pixel pictures: S shadow, H highlight, D darkest shadow, L light face,
// W the well (window colour, or face colour when pushed or disabled), o and
// X the mark, '.' left alone.
constexpr const char* kRadio[12] = {
    "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDLH.", ".SDWWWWWWLH.", "SDWWWooWWWLH", "SDWWooooWWLH",
    "SDWWooooWWLH", "SDWWWooWWWLH", ".SDWWWWWWLH.", ".SDLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
};

constexpr const char* kTick[7] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};

struct Palette {
  COLORREF well;
  COLORREF mark;
};

Palette paletteOf(const MarkLook& look) {
  bool plainWell = look.enabled && !look.pushed;
  bool grayMark = !look.enabled || look.check == BST_INDETERMINATE;
  return {GetSysColor(plainWell ? COLOR_WINDOW : COLOR_3DFACE), GetSysColor(grayMark ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT)};
}

COLORREF colorOf(char c, const Palette& p, bool marked) {
  switch (c) {
    case 'S': return GetSysColor(COLOR_3DSHADOW);
    case 'H': return GetSysColor(COLOR_3DHIGHLIGHT);
    case 'D': return GetSysColor(COLOR_3DDKSHADOW);
    case 'L': return GetSysColor(COLOR_3DLIGHT);
    case 'W': return p.well;
    default: return marked ? p.mark : p.well;
  }
}


void fill(HDC hdc, RECT r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
}

}  // namespace

void drawCheckMark(HDC hdc, int x, int y, const MarkLook& look) {
  Palette p = paletteOf(look);
  RECT box{x, y, x + kMarkSize, y + kMarkSize};
  DrawEdge(hdc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  fill(hdc, box, p.well);
  if (look.check != BST_UNCHECKED) drawTick(hdc, x + 3, y + 3, p.mark);
}

void drawRadioMark(HDC hdc, int x, int y, const MarkLook& look) {
  Palette p = paletteOf(look);
  bool marked = look.check != BST_UNCHECKED;
  for (int row = 0; row < 12; ++row)
    for (int col = 0; col < 12; ++col)
      if (kRadio[row][col] != '.') SetPixel(hdc, x + col, y + row, colorOf(kRadio[row][col], p, marked));
}

void drawTick(HDC hdc, int x, int y, COLORREF color) {
  for (int row = 0; row < kTickSize; ++row)
    for (int col = 0; col < kTickSize; ++col)
      if (kTick[row][col] == 'X') SetPixel(hdc, x + col, y + row, color);
}

}  // namespace platform::controls
