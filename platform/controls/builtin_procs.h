// The window procedures of the classes every process has from the start
// (user/builtin_classes.cpp registers them).
#pragma once

#include "platform/win32.h"

namespace platform::controls {
LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
}  // namespace platform::controls
