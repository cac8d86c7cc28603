// The framework's own question "which window is under the pointer?".
//
// Answering it hit-tests windows (WindowFromPoint sends WM_NCHITTEST, as on
// Win32). The window procedure asks for a menu update when a hit test finds
// the pointer over a menu bar, so that menus are right before the user can
// open one; a probe of the framework's own (the idle pass shaping the
// cursor) is not the pointer arriving anywhere and must not ask: it would
// ask again on every idle pass for as long as the pointer rests on the bar,
// and the update, which redraws the bar, would keep an idle program busy.
#pragma once

#include "platform/win32.h"

namespace vorn {

// The window under a screen point, without asking for menu updates.
HWND WindowUnderPointer(POINT screen);

// Whether a hit test under way comes from WindowUnderPointer.
bool ProbingPointer();

}  // namespace vorn
