#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform::gdi {
namespace {

// Nearer by the squared distance of the channels.
uint32_t nearerOfBlackAndWhite(uint32_t pixel) {
  long long toBlack = 0, toWhite = 0;
  for (int shift : {0, 8, 16}) {
    int c = static_cast<int>((pixel >> shift) & 0xFF);
    toBlack += c * c;
    toWhite += (255 - c) * (255 - c);
  }
  return toWhite < toBlack ? 0x00FFFFFFu : 0u;
}

}  // namespace

Surface::Surface(int width, int height, uint32_t fill, bool monochrome)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, monochrome ? nearerOfBlackAndWhite(fill) : fill),
      monochrome_(monochrome) {}

uint32_t Surface::fit(uint32_t pixel) const { return monochrome_ ? nearerOfBlackAndWhite(pixel) : pixel; }

void Surface::keepMonochrome(const RECT& area) {
  if (!monochrome_) return;
  for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, height_); ++y)
    for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, width_); ++x)
      row(y)[x] = nearerOfBlackAndWhite(row(y)[x]);
}

void Surface::resize(int width, int height, uint32_t fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<uint32_t, PixelAllocator<uint32_t>> pixels(static_cast<size_t>(width) * height, fill);
  int keepWidth = std::min(width, width_);
  for (int y = 0; y < std::min(height, height_); ++y)
    std::copy_n(row(y), keepWidth, pixels.data() + static_cast<size_t>(y) * width);
  pixels_.swap(pixels);
  width_ = width;
  height_ = height;
  markAllChanged();
  if (device_) device_->resize(width * scale_, height * scale_, fill);
}

void Surface::copy(const RECT& from, POINT to) {
  int left = std::max<int>(from.left, std::max<int>(0, from.left - to.x));
  int top = std::max<int>(from.top, std::max<int>(0, from.top - to.y));
  int right = std::min<int>(from.right, std::min(width_, width_ + from.left - to.x));
  int bottom = std::min<int>(from.bottom, std::min(height_, height_ + from.top - to.y));
  int dx = to.x - from.left, dy = to.y - from.top;
  if (left >= right || top >= bottom || (dx == 0 && dy == 0)) return;
  size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
  // Rows are copied away from the direction of the move, so none is
  // overwritten before it is read.
  for (int i = 0; i < bottom - top; ++i) {
    int y = dy > 0 ? bottom - 1 - i : top + i;
    std::memmove(row(y + dy) + left + dx, row(y) + left, bytes);
  }
  markChanged(RECT{left + dx, top + dy, right + dx, bottom + dy});
  if (device_) device_->copy(toDevice(from, scale_), {to.x * scale_, to.y * scale_});
}

void Surface::presentAtScale(int scale) {
  if (scale < 2 || monochrome_) return;
  scale_ = scale;
  device_ = std::make_unique<Surface>(width_ * scale, height_ * scale);
  // Each row is widened once and copied to the rows below it.
  for (int y = 0; y < height_; ++y) {
    uint32_t* widened = device_->row(y * scale);
    for (int x = 0; x < width_; ++x) std::fill_n(widened + x * scale, scale, pixel(x, y));
    for (int copy = 1; copy < scale; ++copy) std::copy_n(widened, device_->width(), device_->row(y * scale + copy));
  }
}

namespace {

bool encloses(const RECT& outer, const RECT& inner) {
  RECT common;
  return IntersectRect(&common, &outer, &inner) && EqualRect(&common, &inner);
}

}  // namespace

// Kept in whole tiles of kChangedTile pixels: a dotted line, drawn a dot at
// a time, is one strip, and the region stays a few rectangles. Drawing
// comes in many small pieces (a line is a span a row), most of them inside
// what is marked already: those are passed over without a union.
void Surface::markChanged(const Region& area) {
  if (area.empty() || (changed_.isRectangle() && encloses(changed_.box(), area.box()))) return;
  for (const RECT& r : area.rects()) markChanged(r);
}

void Surface::markChanged(const RECT& area) {
  constexpr int kChangedTile = 8;
  auto down = [](LONG v) { return v - (v % kChangedTile + kChangedTile) % kChangedTile; };
  auto up = [&](LONG v) { return down(v + kChangedTile - 1); };
  RECT tiles{down(area.left), down(area.top), up(area.right), up(area.bottom)};
  if (encloses(lastMarked_, tiles)) return;
  changed_.unite(tiles);
  lastMarked_ = tiles;
}

Region Surface::takeChanged() {
  SetRectEmpty(&lastMarked_);
  return std::exchange(changed_, {});
}

}  // namespace platform::gdi
