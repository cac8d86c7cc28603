// Pixel operations behind text drawing: blending an 8-bit coverage mask in a
// colour, and filling a solid rectangle (underline, strike-out). Both touch
// only pixels inside the target's clip rectangle and inside the target.
#pragma once

#include <cstdint>

#include "platform/text/font.h"

namespace platform::text {

// An 8-bit alpha mask: rows of pitch bytes, 0 transparent, 255 opaque.
struct CoverageMask {
  const uint8_t* alpha = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;
};

// Blends colour over the target through the mask placed with its top-left
// corner at (left, top). Each channel becomes (c * a + d * (255 - a)) / 255,
// rounded, so full coverage gives exactly the colour.
// Positions are 64-bit so that a far-off position plus a size cannot overflow.
void blendMask(PixelTarget& target, long long left, long long top, const CoverageMask& mask, uint32_t color);

// Sets [left, right) x [top, bottom) to colour.
void fillSolid(PixelTarget& target, long long left, long long top, long long right, long long bottom, uint32_t color);

}  // namespace platform::text
