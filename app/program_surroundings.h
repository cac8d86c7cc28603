// What the program needs of the system it runs on beyond Win32: its
// standard output, a display for its windows and a way to be ended from
// outside through its own shutdown. program_surroundings_linux.cpp serves them with the platform
// layer's backends and signals; program_surroundings_windows.cpp with
// Windows itself.
#pragma once

namespace velmaro {

// Lines written to standard output and error end in "\n" alone, as on
// Linux (Windows' C library would write "\r\n"), so that what the program
// prints reads the same on every system.
void EndLinesWithLinefeeds();

// Readies the display for a person's use of the program; false, with one
// line on standard error saying why and what to do, when there is none.
bool OpenDisplay();

// From now on a request from outside to end the program (SIGTERM and SIGINT
// on Linux) closes its windows as their close buttons would.
void CloseOnTerminationRequests();

// Whether such a request came.
bool TerminationRequested();

}  // namespace velmaro
