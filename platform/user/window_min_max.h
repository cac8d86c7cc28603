// Maximised and minimised windows: the sizes and places WM_GETMINMAXINFO
// offers a window, and the state changes ShowWindow makes when it
// maximises, minimises or restores one.
//
// A maximised window takes ptMaxPosition and ptMaxSize: by default its
// parent's client area (the screen, for a top-level window) with the
// window's frame just outside it. A minimised top-level window is parked
// at (-32000, -32000), a minimised child at the bottom-left corner of its
// parent, both SM_CXMINIMIZED x SM_CYMINIMIZED large. A window that is
// neither keeps its place in normalRect, where restoring brings it back.
#pragma once

#include "platform/user/window.h"

// Internal flag of WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED: the
// window was maximised, minimised or restored, so WM_SIZE follows even
// when its client area kept its size.
#define SWP_STATECHANGED 0x8000

namespace platform::user {

// Whether the show command minimises (SW_MINIMIZE, SW_SHOWMINIMIZED,
// SW_SHOWMINNOACTIVE, SW_FORCEMINIMIZE).
bool minimizes(int command);

// The window's sizes as its procedure answers WM_GETMINMAXINFO about
// Windows' defaults; the largest tracking size is never below the
// smallest.
MINMAXINFO minMaxInfo(Window* window);

// Puts the window into the state the show command asks for (a minimising
// command, SW_MAXIMIZE, or SW_RESTORE and the commands that restore like
// it): sets its styles, answers the rectangle it is to take (parent
// client coordinates) and the SetWindowPos flags that go with it.
// Leaving the minimised state first asks WM_QUERYOPEN; a refusal changes
// nothing and answers SWP_NOSIZE | SWP_NOMOVE.
UINT changeShowState(Window* window, int command, RECT& rect);

}  // namespace platform::user
