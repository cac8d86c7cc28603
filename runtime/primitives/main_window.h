// The run-time's main window: the owner of the dialog that "show" runs. The
// program may name one of its own windows ("set-application-main-window");
// without one the run-time makes a plain window of its own on first need.
// The handle lives in the second field of Global.
#pragma once

#include "platform/win32.h"

// Stores w as the main window when IsWindow accepts it; else the old one
// stays. 1 when w was stored.
int ovioSetMainWindow(HWND w);

// The stored main window when it is still a window; else the window
// CreateMainWindow(SW_SHOWNORMAL) makes, or nullptr when it cannot.
HWND ovioGetMainWindow();

// Without a live main window: registers the class "Orvane Application"
// (redrawn on any resize, background COLOR_WINDOW + 1) and makes, shows
// and updates an overlapped window "Orvane Default Window" of it as the
// main window. 1 when a main window exists afterwards, else 0.
int CreateMainWindow(int showCommand);
