// Text in a window's device picture (surface.h): each character rendered
// by the font at the device's size and placed where the program's font puts
// it, so that the text keeps the program's layout and gains the device's
// detail.
#pragma once

#include <string_view>

#include "platform/gdi/device_context.h"

namespace platform::gdi {

// Draws run as outputText drew it with font at surface point at, within
// area (surface coordinates), into the device picture of the DC's surface;
// nothing when the surface has none.
void drawDeviceText(DeviceContext& dc, const text::Font& font, POINT at, std::string_view run, const RECT& area,
                    uint32_t color);

}  // namespace platform::gdi
