// PNG files from surfaces (8-bit RGB), through libpng.
#pragma once

#include <string>

#include "platform/gdi/surface.h"

namespace platform::headless {

bool writePng(const gdi::Surface& surface, const std::string& path);

}  // namespace platform::headless
