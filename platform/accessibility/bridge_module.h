// The contract between the program and its accessibility bridge, a module
// loaded at run time (bridge_loader.h): the program hands the module its
// window tree, the module hands back what the program calls. Only virtual
// calls and function pointers cross, so the module needs no symbol of the
// program and the program links nothing of the desktop's accessibility
// stack.
#pragma once

#include "platform/accessibility/accessible_tree.h"
#include "platform/accessibility/win_events.h"

namespace platform::accessibility {

struct BridgeCalls {
  WinEventListener winEvent = nullptr;
  // Runs the bridge's work that is ready, never waiting.
  void (*runReadyWork)() = nullptr;
  // A descriptor readable while bridge work waits to run (-1: none), and
  // the milliseconds until its next timed work (INFINITE: none), as the
  // last runReadyWork left them.
  int (*descriptor)() = nullptr;
  DWORD (*timeToNextWork)() = nullptr;
};

// The module's entry point, looked up by this name.
constexpr const char* kBridgeEntry = "velmaro_accessibility_bridge_start";
// Connects to the desktop's accessibility bus and puts the tree on it under
// the application's name; false when it could not, having changed nothing.
using BridgeEntry = bool (*)(Tree* tree, const char* applicationName, BridgeCalls* calls);

}  // namespace platform::accessibility
