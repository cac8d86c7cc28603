// Working a window's menu bar: a modal loop that opens drop-down menus and
// follows the mouse and the keyboard until an item is chosen or the menu is
// left. The window hears WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP
// before each menu opens, WM_MENUSELECT as the highlight moves,
// WM_ENTERIDLE (MSGF_MENU) when nothing happens, and WM_EXITMENULOOP; a
// chosen item's WM_COMMAND (its id, high word 0, lParam 0) is posted once
// the menus are closed. Grayed and disabled items cannot be chosen.
//
// Mouse: a press on a bar item opens its menu; moving over another bar item
// opens that one instead; releasing over an item chooses it; a press
// outside the menus, or on the open bar item, closes them.
// Keyboard: Alt or F10 alone selects the first bar item; Alt and a letter
// opens the menu whose title has that mnemonic; arrows move, Enter and
// mnemonic letters choose, Escape steps back, Alt or F10 leaves.
#pragma once

#include "platform/win32.h"

namespace platform::menus {

// The window manager's hooks (user/menu_bar_hook.h).
void trackByMouse(HWND window, POINT screen);
void trackByKeyboard(HWND window, int letter);

}  // namespace platform::menus
