// A window built with the platform layer alone in the shape of the
// calculator's: 455 x 193 with fourteen children (four lines, six texts,
// four bordered boxes), each child painting itself. The baseline of the
// repaint benchmarks.
#pragma once

#include "platform/win32.h"

// Builds the window on the backend in use and lets it paint once.
HWND BuildPlatformCalculatorWindow();
