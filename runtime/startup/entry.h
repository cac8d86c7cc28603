// The process's Windows-shaped entry point.
#pragma once

#include "platform/win32.h"

// Runs the whole program: starts the run-time, readies the tables and the
// archived data, calls the universal method "Application" (which runs until
// the application quits), and shuts everything down. The previous instance,
// the command line and the show command are ignored. Returns the exit
// status: 0 unless the program asked for another.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);

// Runs the program as WinMain does with body in place of the call of the
// "Application" universal: a driver that opens the application and runs
// its loop itself. Returns the exit status.
int ovRunProgram(HINSTANCE instance, void (*body)(void* context), void* context);

// The status WinMain returns once the application has ended. A program that
// cannot do its work (its main window cannot be opened) sets a non-zero one.
void ovSetExitStatus(int status);
