// A press on a window's standard scroll bar, as DefWindowProcA carries it
// out for WM_SYSCOMMAND SC_VSCROLL or SC_HSCROLL: the window takes the
// mouse capture and hears WM_VSCROLL or WM_HSCROLL (lParam NULL) until the
// button is released.
//
// An arrow sends SB_LINEUP or SB_LINEDOWN and the track beside the thumb
// SB_PAGEUP or SB_PAGEDOWN at once, then again and again while the button
// is held over that part (after a first delay, then at a faster pace). A
// dragged thumb sends SB_THUMBTRACK with each new position it passes and
// SB_THUMBPOSITION with the last when released. Every press ends with
// SB_ENDSCROLL. The bar's position is the window's to change.
#pragma once

#include "platform/user/scroll_bar_layout.h"
#include "platform/user/window.h"

namespace platform::user {

// Runs the press until the button is released; screen is where it was
// pressed.
void trackScrollBar(Window* window, int bar, POINT screen);

// The position the dragged thumb stands for while the bar is being
// tracked, fallback otherwise.
int trackingPosition(HWND window, int bar, int fallback);
// The part held down and drawn pressed, None when the bar is not pressed
// or the pointer has left the part.
ScrollPart pressedPart(HWND window, int bar);

}  // namespace platform::user
