// What the platform tells (NotifyWinEvent), told on the bus as ATK's
// signals: focus, text and caret, scroll bars' values, names, windows
// shown, hidden, created, destroyed, activated and deactivated, menus
// opened and closed.
#pragma once

#include "platform/win32.h"

namespace platform::accessibility::atk {

void onWinEvent(DWORD event, HWND window, LONG idObject, LONG idChild);

}  // namespace platform::accessibility::atk
