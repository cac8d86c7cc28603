#include "platform/text/glyph_blend.h"

#include <algorithm>

namespace platform::text {
namespace {

struct Span {
  long long left, top, right, bottom;
  bool empty() const { return left >= right || top >= bottom; }
};

// The writable part of the target: its clip rectangle cut to its bounds. A
// target without pixels, or whose rows overlap, has none.
Span writable(const PixelTarget& target) {
  if (!target.pixels || target.width <= 0 || target.height <= 0 || target.stride < target.width) return {0, 0, 0, 0};
  return {std::max(target.clipLeft, 0), std::max(target.clipTop, 0), std::min(target.clipRight, target.width),
          std::min(target.clipBottom, target.height)};
}

Span intersect(Span a, Span b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

uint32_t blendChannel(uint32_t source, uint32_t destination, uint32_t alpha, int shift) {
  uint32_t s = (source >> shift) & 0xFF;
  uint32_t d = (destination >> shift) & 0xFF;
  uint32_t mixed = s * alpha + d * (255 - alpha) + 128;
  return ((mixed + (mixed >> 8)) >> 8) << shift;  // mixed / 255, rounded, exact for every sum up to 255 * 255
}

uint32_t blendPixel(uint32_t color, uint32_t destination, uint32_t alpha) {
  if (alpha == 255) return color;
  return blendChannel(color, destination, alpha, 16) | blendChannel(color, destination, alpha, 8) |
         blendChannel(color, destination, alpha, 0);
}

}  // namespace

void blendMask(PixelTarget& target, long long left, long long top, const CoverageMask& mask, uint32_t color) {
  color &= 0x00FFFFFF;
  Span area = intersect(writable(target), {left, top, left + mask.width, top + mask.height});
  if (area.empty() || !mask.alpha) return;
  for (long long y = area.top; y < area.bottom; ++y) {
    const uint8_t* alphaRow = mask.alpha + (y - top) * mask.pitch;
    uint32_t* row = target.pixels + y * target.stride;
    for (long long x = area.left; x < area.right; ++x) {
      uint8_t alpha = alphaRow[x - left];
      if (alpha != 0) row[x] = blendPixel(color, row[x], alpha);
    }
  }
}

void fillSolid(PixelTarget& target, long long left, long long top, long long right, long long bottom, uint32_t color) {
  Span area = intersect(writable(target), {left, top, right, bottom});
  if (area.empty()) return;
  for (long long y = area.top; y < area.bottom; ++y) {
    uint32_t* row = target.pixels + y * target.stride;
    std::fill(row + area.left, row + area.right, color & 0x00FFFFFF);
  }
}

}  // namespace platform::text
