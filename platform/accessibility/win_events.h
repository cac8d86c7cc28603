// Who hears NotifyWinEvent: the accessibility bridge, once loaded. Until
// then, and in programs that never load it, an event costs one test.
#pragma once

#include "platform/win32.h"

namespace platform::accessibility {

using WinEventListener = void (*)(DWORD event, HWND window, LONG idObject, LONG idChild);

// nullptr stops listening.
void listenToWinEvents(WinEventListener listener);

}  // namespace platform::accessibility
