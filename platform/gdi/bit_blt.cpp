// BitBlt: a rectangle of one DC combined into another through a raster
// operation over the destination's brush (the pattern), the source and the
// destination. Where source and destination differ in colour depth the
// source is converted first, as Windows converts it: to monochrome, the
// source DC's background colour is white and every other colour black; from
// monochrome, black is the destination's text colour and white its
// background colour. Pixels whose source lies outside the source's surface
// are left alone.
//
// Into a window presented at a scale, the operation is also carried out on
// its device picture, pixel by device pixel: the source is the source
// window's device picture when it has one (a window copied within itself
// keeps its detail), and otherwise its pixels magnified (a bitmap).
#include <algorithm>

#include "platform/gdi/painter.h"

using namespace platform;
using namespace platform::gdi;

namespace {

struct Blit {
  DeviceContext& destination;
  DeviceContext* source;  // none when the operation does not read one
  POINT sourceShift;      // destination surface point + shift = source surface point
  uint8_t table;
  uint32_t pattern;
};

uint32_t converted(const Blit& b, uint32_t pixel) {
  bool fromMonochrome = b.source->surface->monochrome(), toMonochrome = b.destination.surface->monochrome();
  if (fromMonochrome == toMonochrome) return pixel;
  if (toMonochrome) return pixel == pixelFromColorRef(b.source->state.bkColor) ? 0x00FFFFFFu : 0u;
  return pixelFromColorRef(pixel ? b.destination.state.bkColor : b.destination.state.textColor);
}

// The part of area (destination surface coordinates) whose source pixels
// exist.
Region withSource(const Blit& b, Region area) {
  if (!b.source) return area;
  const Surface& from = *b.source->surface;
  return area.intersect(RECT{-b.sourceShift.x, -b.sourceShift.y, from.width() - b.sourceShift.x,
                             from.height() - b.sourceShift.y});
}

void blitRow(const Blit& b, int y, int left, int right) {
  uint32_t* to = b.destination.surface->row(y);
  for (int x = left; x < right; ++x) {
    uint32_t source = b.source ? converted(b, b.source->surface->pixel(x + b.sourceShift.x, y + b.sourceShift.y)) : 0;
    to[x] = b.destination.surface->fit(rasterPixel(b.table, b.pattern, source, to[x]));
  }
}

// The source pixel under device pixel (x, y) of the destination.
uint32_t deviceSource(const Blit& b, int scale, int x, int y) {
  const Surface& from = *b.source->surface;
  const Surface* picture = from.device();
  if (picture && from.scale() == scale)
    return converted(b, picture->pixel(x + b.sourceShift.x * scale, y + b.sourceShift.y * scale));
  return converted(b, from.pixel(x / scale + b.sourceShift.x, y / scale + b.sourceShift.y));
}

void blitDevice(const Blit& b, const RECT& r) {
  Surface& surface = *b.destination.surface;
  Surface* device = surface.device();
  if (!device) return;
  int scale = surface.scale();
  RECT d = toDevice(r, scale);
  for (int y = d.top; y < d.bottom; ++y) {
    uint32_t* to = device->row(y);
    for (int x = d.left; x < d.right; ++x)
      to[x] = rasterPixel(b.table, b.pattern, b.source ? deviceSource(b, scale, x, y) : 0, to[x]);
  }
}

// The device picture first: a source in the same surface is read before
// its pixels change.
void run(const Blit& b, const Region& area) {
  Surface& surface = *b.destination.surface;
  Region target = withSource(b, area.combined(b.destination.drawable(), Region::Op::And));
  target.intersect(RECT{0, 0, surface.width(), surface.height()});
  for (const RECT& r : target.rects()) {
    blitDevice(b, r);
    for (int y = r.top; y < r.bottom; ++y) blitRow(b, y, r.left, r.right);
  }
  b.destination.touch(target);
}

}  // namespace

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  DeviceContext* destination = deviceContextFrom(hdc);
  DeviceContext* source = usesSource(rop) ? deviceContextFrom(hdcSrc) : nullptr;
  if (!destination || (usesSource(rop) && !source)) return FALSE;
  auto brush = destination->state.brush.data;
  // A hollow brush paints nothing.
  if (usesPattern(rop) && (!brush || brush->hollow)) return TRUE;
  RECT logical{std::min(x, x + cx), std::min(y, y + cy), std::max(x, x + cx), std::max(y, y + cy)};
  RECT area = destination->toSurface(logical);
  POINT shift{0, 0};
  if (source) {
    POINT from = source->toSurface(x1, y1), to = destination->toSurface(x, y);
    shift = {from.x - to.x, from.y - to.y};
  }
  uint32_t pattern = brush ? destination->surface->fit(pixelFromColorRef(brush->color)) : 0;
  run({*destination, source, shift, static_cast<uint8_t>(rop >> 16), pattern}, Region(area));
  return TRUE;
}
