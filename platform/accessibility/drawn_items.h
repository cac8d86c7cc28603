// What a window's procedure draws itself, and the names it gives its
// controls: its answer to WM_GETDRAWNITEMS.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::accessibility {

std::vector<DRAWNITEM> drawnItems(HWND window);
// The name the control's top-level window gives it; empty when none.
std::string givenName(HWND control);

}  // namespace platform::accessibility
