// The non-client area of a window, as DefWindowProcA draws it on WM_NCPAINT.
#pragma once

#include "platform/user/frame_layout.h"
#include "platform/user/window.h"

namespace platform::user {

FrameLayout layoutOf(const Window* window);
void paintNonClient(Window* window);

}  // namespace platform::user
