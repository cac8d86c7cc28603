#include "app/program_surroundings.h"
#include "platform/backend.h"
#include "platform/termination.h"

namespace velmaro {

void EndLinesWithLinefeeds() {}

// Real windows, unless VELMARO_BACKEND says otherwise.
bool OpenDisplay() { return platform::startBackend("sdl"); }

void CloseOnTerminationRequests() { platform::closeOnTerminationSignals(); }

bool TerminationRequested() { return platform::terminationSignal() != 0; }

}  // namespace velmaro
