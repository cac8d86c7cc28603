// The boxes of check boxes and the circles of radio buttons, in the classic
// sunken look, with their ticks and dots.
#pragma once

#include "platform/win32.h"

namespace platform::controls {

// Width and height of a box or circle.
constexpr int kMarkSize = 13;

struct MarkLook {
  UINT check;   // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
  bool pushed;  // the face shows pressed: grey instead of the window colour
  bool enabled;
};

// Draws a mark with its top-left corner at (x, y).
void drawCheckMark(HDC hdc, int x, int y, const MarkLook& look);
void drawRadioMark(HDC hdc, int x, int y, const MarkLook& look);

// The 7 by 7 tick of a check box (and of a checked menu item).
constexpr int kTickSize = 7;
void drawTick(HDC hdc, int x, int y, COLORREF color);

}  // namespace platform::controls
