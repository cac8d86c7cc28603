// The hooks through which menus draw a window's menu bar and take the keys
// and clicks that open it. A top-level window
// with a menu gets SM_CYMENU of non-client height for the bar, and
// WM_NCHITTEST answers HTMENU over it; what the bar shows belongs to the
// menu code, which installs a painter. Without one the bar is left blank in
// the menu colour.
#pragma once

#include "platform/win32.h"

namespace platform::user {

using MenuBarPainter = void (*)(HWND window, HDC hdc, const RECT& bar);
void setMenuBarPainter(MenuBarPainter painter);
MenuBarPainter menuBarPainter();

// Keyboard access to the menu bar: DefWindowProcA turns Alt+letter, and Alt
// or F10 pressed and released alone, into WM_SYSCOMMAND SC_KEYMENU, whose
// default processing calls this handler with the letter (0 for the bare
// key). Without a handler nothing happens.
using MenuKeyHandler = void (*)(HWND window, int letter);
void setMenuKeyHandler(MenuKeyHandler handler);
MenuKeyHandler menuKeyHandler();

// A press on the menu bar: DefWindowProcA turns WM_NCLBUTTONDOWN over it
// into WM_SYSCOMMAND SC_MOUSEMENU, whose default processing calls this
// handler with the screen point.
using MenuMouseHandler = void (*)(HWND window, POINT screen);
void setMenuMouseHandler(MenuMouseHandler handler);
MenuMouseHandler menuMouseHandler();

}  // namespace platform::user
