// How menus look, on the bar and in drop-down menus: their font, sizes and
// the drawing of an item's text in each of its states.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform::menus {

// The menu font: the 8-point dialog face.
HFONT menuFont();

// Space left and right of a bar item's text.
constexpr int kBarItemPadding = 6;
// A drop-down menu: its raised frame, the column for check marks left of
// the text, the column for submenu arrows right of it, the gap before the
// accelerator text, and the height of a separator.
constexpr int kPopupFrame = 3;
constexpr int kCheckColumn = 18;
constexpr int kArrowColumn = 16;
constexpr int kAcceleratorGap = 16;
constexpr int kSeparatorHeight = 9;
// Height of a drop-down menu's text item.
int itemHeight();

// Width of text as a menu shows it (an "&" marks the next letter and takes
// no room).
int menuTextWidth(const std::string& text);

enum class ItemLook { Normal, Selected, Grayed, GrayedSelected };

// Draws text left-aligned and centred vertically in box, with its mnemonic
// underlined; the selected looks draw on the highlight colour the caller
// has filled in.
void drawMenuText(HDC hdc, const std::string& text, RECT box, ItemLook look);

}  // namespace platform::menus
