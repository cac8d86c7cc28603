// Bringing the run-time's process-wide objects to life and releasing them.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// The instance handle given to the entry point.
extern HINSTANCE ghDLLInstance;

// The run-time's own window state: the instance, the main window that owns
// the run-time's dialogs (0 until the program names one or the run-time
// makes its own, runtime/primitives/main_window.h) and a spare word.
struct ovGlobalRecord {
  HINSTANCE instance;
  HWND mainWindow;
  uint32_t spare;
};
extern ovGlobalRecord Global;

// Creates, in order: the free-block cache, the heap (first sub-heap and
// mutex), the visit table, the seven shared constants and gLocalThread.
void ovRunTimeStartup();
// Releases them: constants and thread record directly, then the visit
// table, the cache and the heap. Values must not be touched afterwards.
void ovRunTimeShutdown();

void ovRunTimeStartup_Objects();
void ovRunTimeShutdown_Objects();
