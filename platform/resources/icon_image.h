// Icons as pixels: what LoadIconA hands out, for the backends and the
// framework to draw. Platform-internal; not part of the Win32 subset.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace platform::resources {

// One size of an icon: width * height pixels, row-major from the top, each
// 0xAARRGGBB with straight (not premultiplied) alpha.
struct IconImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;  // colour depth of the source image
  std::vector<uint32_t> pixels;
};

// Every size of a live icon, smallest first, or nullptr for a handle that is
// not a live icon.
const std::vector<IconImage>* iconImages(HICON icon);

// The image best fitting size: the smallest at least that wide, else the
// largest; among equal sizes the deepest colour. nullptr for a bad handle.
const IconImage* iconImage(HICON icon, int size);

}  // namespace platform::resources
