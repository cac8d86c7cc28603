// The menu bar of a top-level window: where its items lie, how it is
// painted (through the window manager's menu-bar hook), and which item the
// menu being tracked shows highlighted.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::menus {

// Hands the window manager the bar painter and the handlers that open
// menus by mouse and keyboard; done once, when the first menu is made.
void installMenuHooks();

// Screen rectangles of the bar's items, in order; empty when the window
// shows no bar.
std::vector<RECT> barItemRects(HWND window);
// The bar item under a screen point, or -1.
int barItemAt(HWND window, POINT screen);

// The bar item drawn highlighted: open (its menu is shown, drawn pressed)
// or only selected by keyboard (drawn raised). item -1: none. Repaints the
// bar.
void setBarHighlight(HWND window, int item, bool open);

}  // namespace platform::menus
