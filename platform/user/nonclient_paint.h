// The non-client area of a window, as DefWindowProcA draws it on WM_NCPAINT.
#pragma once

#include "platform/user/frame_layout.h"
#include "platform/user/window.h"

namespace platform::user {

FrameLayout layoutOf(const Window* window);
// Draws the part of the non-client area in region (screen coordinates, as
// WM_NCPAINT gives it; 1 for all of it). A minimised window has none.
void paintNonClient(Window* window, HRGN region = reinterpret_cast<HRGN>(1));

}  // namespace platform::user
