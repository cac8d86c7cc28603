// Loading the accessibility bridge, and its work in the platform's wait.
//
// The bridge (a module beside the program: velmaro-accessibility.so) is
// loaded only when the desktop's accessibility bus can be reached: the
// environment names it (AT_SPI_BUS_ADDRESS) or the X display's root window
// carries its address (AT_SPI_BUS, set by the bus's launcher on every
// accessible desktop; the backend asks through its own connection). Otherwise, or with NO_AT_BRIDGE=1 set, nothing
// is loaded and nothing printed. The bridge's work (the bus's messages, its
// timers) runs on the program's one thread, inside the platform's wait:
// its descriptor is watched with the backend's input, its timers shorten
// the wait, and runBridgeWork runs what is ready.
#pragma once

#include <functional>

#include "platform/win32.h"

namespace platform::accessibility {

// Whether to start the bridge, asked once, at the program's first window:
// when a bus is there (the display asked last), the start falls due.
void startBridgeIfBusReachable(const std::function<bool()>& displayCarriesBus);
// Loads and starts a bridge whose start is due. The wait calls it once the
// first frames are shown, so that connecting to the bus (a few round
// trips) never delays the program's first picture.
void startDueBridge();

int bridgeDescriptor();
// milliseconds, shortened to the bridge's next timed work.
DWORD bridgeWaitLimit(DWORD milliseconds);
void runBridgeWork();

}  // namespace platform::accessibility
