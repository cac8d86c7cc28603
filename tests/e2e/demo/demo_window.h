// The demo's one window, built on the platform layer alone: a File menu with
// Exit, an edit field for digits holding "100", a "Go" button, and the
// painted smaller golden-section part of the field's number, which Go also
// reports on standard output.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32.h"

namespace demo {

// round(x * 0.6180499), half away from zero; 0 for an empty field.
long long smallerPart(std::string_view digits);

struct DemoWindow {
  HWND window = nullptr;
  HWND field = nullptr;
  HWND go = nullptr;
};

// The value the window shows ("" before the first Go).
const std::string& shownValue();

// Registers the class and opens the window, shown and active; all handles
// null when the platform refuses.
DemoWindow openDemoWindow();

}  // namespace demo
