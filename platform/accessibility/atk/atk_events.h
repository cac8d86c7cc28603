// What the platform tells (NotifyWinEvent), told on the bus as ATK's
// signals: focus, text and caret, names, windows shown, hidden, created
// and destroyed, menus opened and closed.
#pragma once

#include "platform/win32.h"

namespace platform::accessibility::atk {

void onWinEvent(DWORD event, HWND window, LONG idObject, LONG idChild);

}  // namespace platform::accessibility::atk
