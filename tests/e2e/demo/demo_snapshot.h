// What the end-to-end test needs to know of the demo: where its controls
// are on the native window, and the pixels it shows there.
#pragma once

#include <string>

#include "demo_window.h"

namespace demo {

// One line on standard error: the centres of the field and the Go button,
// in the coordinates of the part of the window the backend shows.
void reportLayout(const DemoWindow& demo);

// The shown part of the window's surface (contentRect) as a PNG file.
bool saveShownPart(HWND window, const std::string& path);

}  // namespace demo
