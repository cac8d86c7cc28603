#include "platform/gdi/surface.h"

#include <algorithm>

namespace platform::gdi {

Surface::Surface(int width, int height, uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

void Surface::resize(int width, int height, uint32_t fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, fill);
  int keepWidth = std::min(width, width_);
  for (int y = 0; y < std::min(height, height_); ++y)
    std::copy_n(row(y), keepWidth, pixels.data() + static_cast<size_t>(y) * width);
  pixels_.swap(pixels);
  width_ = width;
  height_ = height;
  dirty_ = true;
}

bool Surface::takeDirty() {
  bool was = dirty_;
  dirty_ = false;
  return was;
}

}  // namespace platform::gdi
