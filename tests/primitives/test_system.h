// What the primitives' tests need of the system beyond Win32, served by
// test_system_linux.cpp and tests/windows/test_system_windows.cpp: a
// display for their windows, and the process's memory map.
#pragma once

#include <string>
#include <vector>

// Readies a display for the tests' windows; false when it cannot.
bool StartTestDisplay();

// Whether the process runs translated by valgrind, whose own code pages are
// writable and executable.
bool UnderValgrind();

// Every region of the process's memory writable and executable at once, as
// a line describing it.
std::vector<std::string> WritableExecutableRegions();
