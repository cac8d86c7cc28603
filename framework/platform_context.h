// What framework methods need at hand for their platform calls: the
// application's instance, the device a window is painting into, a colour as
// the platform's COLORREF, and the platform child window of a window item.
#pragma once

#include <string>

#include "platform/win32.h"

struct ovC_object;

namespace vorn {

// The application's instance handle (the run-time's
// "get-application-instances").
HINSTANCE ApplicationInstance();

// The device context of the paint under way (the universal "Get Current
// Device"), or nullptr outside a paint.
HDC CurrentDevice();

// An RGB value as a COLORREF (the universal "RGB To ColorRef").
COLORREF ColorRefOf(ovC_object* rgb);

// Creates the platform child window of a window item: at the item's "Get
// Coordinates", inside its owner's platform window, identified by the
// item's "Number" (read after the style, which may renumber a default push
// button).
HWND CreateItemWindow(ovC_object* item, ovC_object* owner, DWORD exStyle, const char* className,
                      const std::string& text, DWORD style);

}  // namespace vorn
