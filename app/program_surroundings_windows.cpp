#include "app/program_surroundings.h"

namespace velmaro {

// Windows is the display.
bool OpenDisplay() { return true; }

// Windows asks a program to end through its windows (WM_CLOSE,
// WM_QUERYENDSESSION), which the framework answers already.
void CloseOnTerminationRequests() {}

bool TerminationRequested() { return false; }

}  // namespace velmaro
