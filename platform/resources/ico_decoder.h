// Decodes the .ico file format: a directory of images, each a device-
// independent bitmap (1, 4, 8, 24 or 32 bits per pixel, palette for the
// smaller depths) followed by a 1-bit transparency mask. Images stored as PNG
// are skipped. Every offset and size is checked against the data: a damaged
// entry is skipped, never read past.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/resources/icon_image.h"

namespace platform::resources {

// The images of the file, smallest first; empty when none can be decoded.
std::vector<IconImage> decodeIco(const uint8_t* data, size_t size);

}  // namespace platform::resources
