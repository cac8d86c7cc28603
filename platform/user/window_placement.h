// Moving, sizing, showing and hiding windows, with the messages Windows
// sends for each (WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED,
// whose default processing sends WM_MOVE and WM_SIZE).
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

// SetWindowPos for a valid window.
bool placeWindow(Window* window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

// WM_SIZE and WM_MOVE for a window's current client area.
void sendSizeAndMove(Window* window);

}  // namespace platform::user
