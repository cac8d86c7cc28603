// A 32-bit pixel buffer: one per top-level window, holding its frame and
// client area and those of its children, and one per bitmap. Pixels are
// 0x00RRGGBB, row-major. A monochrome surface (a monochrome bitmap) holds
// black and white only: drawing maps every colour to the nearer of the two.
//
// A window presented at a scale above 1 keeps a second buffer beside its
// pixels, the device picture: the same drawing with scale x scale device
// pixels to each pixel, text in it rendered at the device's size. Drawing
// writes both; what a program reads back (GetPixel, BitBlt) comes from the
// pixels, exactly as at scale 1; the backend presents the device picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/pixel_allocator.h"
#include "platform/gdi/region.h"
#include "platform/win32.h"

namespace platform::gdi {

class Surface {
 public:
  Surface(int width, int height, uint32_t fill = 0, bool monochrome = false);

  int width() const { return width_; }
  int height() const { return height_; }
  uint32_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t pixel(int x, int y) const { return row(y)[x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  bool monochrome() const { return monochrome_; }
  // The pixel value a colour is stored as: itself, or on a monochrome
  // surface black or white, whichever is nearer.
  uint32_t fit(uint32_t pixel) const;
  // Maps the pixels of area back to black and white on a monochrome surface
  // (after drawing that blends colours, such as text).
  void keepMonochrome(const RECT& area);

  // Changes the size, keeping the pixels both sizes share.
  void resize(int width, int height, uint32_t fill = 0);
  // Copies the pixels of from (clipped to the surface) so that its top-left
  // corner lands at to; the two places may overlap.
  void copy(const RECT& from, POINT to);

  // Starts keeping the device picture at scale (2 or more), magnified from
  // the pixels drawn so far.
  void presentAtScale(int scale);
  int scale() const { return device_ ? scale_ : 1; }
  Surface* device() { return device_.get(); }
  const Surface* device() const { return device_.get(); }

  // Marks area (surface coordinates) as drawn since the last present; what
  // is marked may reach a few pixels further, and past the surface's edges.
  void markChanged(const Region& area);
  void markChanged(const RECT& area);
  void markAllChanged() { markChanged(RECT{0, 0, width_, height_}); }
  // What was drawn since the last present; taking it starts afresh.
  Region takeChanged();

 private:
  int width_;
  int height_;
  std::vector<uint32_t, PixelAllocator<uint32_t>> pixels_;
  bool monochrome_;
  Region changed_;
  RECT lastMarked_{};
  int scale_ = 1;
  std::unique_ptr<Surface> device_;
};

// A rectangle of surface pixels in device pixels.
inline RECT toDevice(const RECT& r, int scale) {
  return {r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
}

// COLORREF (0x00BBGGRR) to surface pixel (0x00RRGGBB) and back.
inline uint32_t pixelFromColorRef(uint32_t colorRef) {
  return ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
}
inline uint32_t colorRefFromPixel(uint32_t pixel) { return pixelFromColorRef(pixel); }

}  // namespace platform::gdi
