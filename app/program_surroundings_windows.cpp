#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <initializer_list>

#include "app/program_surroundings.h"

namespace velmaro {

// A program with windows started without redirection has no standard
// streams at all: there is nothing to change then.
void EndLinesWithLinefeeds() {
  for (FILE* stream : {stdout, stderr})
    if (_fileno(stream) >= 0) _setmode(_fileno(stream), _O_BINARY);
}

// Windows is the display. The program declares no awareness of display
// density, so on a high-density display Windows magnifies its windows, as
// the sdl backend does on Linux.
bool OpenDisplay() { return true; }

// Windows asks a program to end through its windows (WM_CLOSE,
// WM_QUERYENDSESSION), which the framework answers already.
void CloseOnTerminationRequests() {}

bool TerminationRequested() { return false; }

}  // namespace velmaro
