// Putting a run of text on a device context with its selected font, text
// colour and background mode.
#pragma once

#include <optional>
#include <string_view>

#include "platform/gdi/device_context.h"

namespace platform::gdi {

// The DC's font (the system font when none could be selected).
const text::Font& fontOf(const DeviceContext& dc);

// Draws text with the top-left of its cell at logical (x, y). In OPAQUE mode
// the cell box of the run is first filled with the background colour. When
// clip is given (logical), nothing lands outside it.
void outputText(DeviceContext& dc, int x, int y, std::string_view text, const std::optional<RECT>& clip);

// Underlines the character at index of a run drawn at (x, y).
void underlineChar(DeviceContext& dc, int x, int y, std::string_view run, int index, const std::optional<RECT>& clip);

}  // namespace platform::gdi
