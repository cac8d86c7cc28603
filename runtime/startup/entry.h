// The process's Windows-shaped entry point.
#pragma once

#include "platform/win32.h"

// Runs the whole program: starts the run-time, readies the tables and the
// archived data, calls the application, and shuts everything down. The
// previous instance, the command line and the show command are ignored.
// Returns 0.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);
