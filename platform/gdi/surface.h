// A 32-bit pixel buffer: one per top-level window, holding its frame and
// client area and those of its children. Pixels are 0x00RRGGBB, row-major.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace platform::gdi {

class Surface {
 public:
  Surface(int width, int height, uint32_t fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  uint32_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t pixel(int x, int y) const { return row(y)[x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Changes the size, keeping the pixels both sizes share.
  void resize(int width, int height, uint32_t fill = 0);
  // Copies the pixels of from (clipped to the surface) so that its top-left
  // corner lands at to; the two places may overlap.
  void copy(const RECT& from, POINT to);

  // Marks drawing since the last present; the backend clears it.
  void markDirty() { dirty_ = true; }
  bool takeDirty();

 private:
  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
  bool dirty_ = false;
};

// COLORREF (0x00BBGGRR) to surface pixel (0x00RRGGBB) and back.
inline uint32_t pixelFromColorRef(uint32_t colorRef) {
  return ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
}
inline uint32_t colorRefFromPixel(uint32_t pixel) { return pixelFromColorRef(pixel); }

}  // namespace platform::gdi
