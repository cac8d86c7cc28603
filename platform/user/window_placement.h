// Moving, sizing, showing and hiding windows, with the messages Windows
// sends for each (WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED,
// whose default processing sends WM_MOVE and WM_SIZE).
//
// What the window procedure leaves in the WINDOWPOS of WM_WINDOWPOSCHANGING
// (place, size, flags) is what happens. Flags that ask for nothing new are
// then dropped and the ones that tell what stayed added (SWP_NOMOVE,
// SWP_NOSIZE, SWP_NOZORDER; SWP_NOREDRAW for a window that stays hidden),
// and a call that changed nothing sends no WM_WINDOWPOSCHANGED.
// SWP_NOREDRAW leaves every update region as it was.
#pragma once

#include "platform/user/window.h"

// Internal flags of WM_WINDOWPOSCHANGED: the client area did not change
// size or place, so no WM_SIZE or WM_MOVE follows.
#define SWP_NOCLIENTSIZE 0x0800
#define SWP_NOCLIENTMOVE 0x1000

namespace platform::user {

// The client rectangle for a window rectangle, asked of the window through
// WM_NCCALCSIZE (parent client coordinates).
RECT calculateClient(Window* window, const RECT& windowRect);

// SetWindowPos for a valid window, internal flags included.
bool placeWindow(Window* window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
// The same, and an active window it hides hands activation on, after its
// WM_WINDOWPOSCHANGED.
bool placeAndHandOver(Window* window, HWND insertAfter, const RECT& rect, UINT flags);

// WM_SIZE (SIZE_MAXIMIZED, SIZE_MINIMIZED with no size, or SIZE_RESTORED)
// and WM_MOVE for a window's current client area.
void sendSize(Window* window);
void sendMove(Window* window);
void sendSizeAndMove(Window* window);

}  // namespace platform::user
