// A window's standard scroll bars as the rest of the window manager sees
// them: their state in the window record, where they lie, and drawing one
// again after a change.
#pragma once

#include "platform/user/scroll_bar_layout.h"
#include "platform/user/window.h"

namespace platform::user {

// The window's bars; when it has none yet and create holds, both are made
// with their defaults.
ScrollBars* scrollBarsOf(Window* window, bool create);
bool isStandardBar(int bar);
// The bar's rectangle in window coordinates, empty when the window does not
// show it.
RECT scrollBarRect(const Window* window, int bar);
// The bar's layout with its thumb where it is drawn now (following a drag).
ScrollBarLayout scrollBarLayoutOf(Window* window, int bar);
// Draws the bar again when the window is on the screen and shows it.
void redrawScrollBar(Window* window, int bar);
// Draws a bar's arrows, track and thumb (nonclient painting).
void paintScrollBar(HDC hdc, Window* window, int bar);

}  // namespace platform::user
