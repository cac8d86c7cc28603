// Scrolling by keys: a window with standard scroll bars scrolls for the
// navigation keys as it does for presses on its bars.
#pragma once

#include "platform/win32.h"

namespace vorn {

// When the key is a navigation key and the window has the bar it moves
// (Page Up, Page Down, the up and down arrows, Home and End the vertical
// one; the left and right arrows the horizontal one), sends the window the
// WM_VSCROLL or WM_HSCROLL a press on that bar would (lParam NULL, as for
// a window's standard bars) and answers true; otherwise false.
bool ScrollByKey(HWND hwnd, WPARAM key);

}  // namespace vorn
