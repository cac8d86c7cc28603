// Starting velmaro.exe (VELMARO_PROGRAM, relative to the test program's
// folder) from a test on Windows, and waiting for it to end.
#pragma once

#include <windows.h>

#include <string>

struct StandardHandles {
  HANDLE input = nullptr, output = nullptr, error = nullptr;
};

// Starts the program with the arguments given (one command line), with
// these standard handles when given; a zeroed record when it cannot start.
PROCESS_INFORMATION StartVelmaro(const std::string& arguments, StandardHandles handles = {});

// Waits for the program to end (ctest's time limit guards a hang) and gives
// its exit status; closes its handles.
int WaitForExit(PROCESS_INFORMATION& process);
