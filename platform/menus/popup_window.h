// The window that shows an open drop-down menu: a top-level pop-up of the
// class "#32768" that never takes activation, with one item highlighted.
// The tracker moves the highlight; the window only draws.
#pragma once

#include "platform/win32.h"

namespace platform::menus {

// Opens a window for menu at a screen point, owned by owner; it is moved
// left or up as needed to stay on the screen. Null when the menu is not one.
HWND openPopup(HWND owner, HMENU menu, POINT topLeft);

HMENU popupMenu(HWND popup);
int popupSelection(HWND popup);
// item -1: none.
void setPopupSelection(HWND popup, int item);
// The item under a screen point, or -1 (separators included).
int popupItemAt(HWND popup, POINT screen);
// An item's screen rectangle.
RECT popupItemRect(HWND popup, int item);

}  // namespace platform::menus
