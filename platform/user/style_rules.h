// The styles Windows adds to or takes from a window of its own accord, at
// creation and when a program sets them:
// - a window that is not a child clips its siblings, and an overlapped one
//   (neither child nor pop-up) always has a caption;
// - WS_EX_WINDOWEDGE follows the frame: a dialog modal frame, a caption or a
//   sizing frame has it (not a child or pop-up whose frame is a static
//   edge), other windows do not.
#pragma once

#include "platform/win32.h"

namespace platform::user {

// The style and extended style a window created with these has.
DWORD createdStyle(DWORD style);
DWORD createdExStyle(DWORD exStyle, DWORD createdStyle);

// What SetWindowLongPtrA stores for a new style or extended style of a
// window (topLevel: a child of the desktop) whose style is style.
DWORD storedStyle(DWORD newStyle, bool topLevel);
DWORD storedExStyle(DWORD newExStyle, DWORD style);

// An overlapped window hears its first WM_SIZE and WM_MOVE when it is first
// shown, not at creation.
inline bool isOverlapped(DWORD style) { return (style & (WS_CHILD | WS_POPUP)) == 0; }

}  // namespace platform::user
