#include "platform/gdi/painter.h"

namespace platform::gdi {
namespace {

// The operation over every device pixel of r: at the device's resolution,
// so that an inversion or XOR over text rendered there inverts that text.
void paintDevice(Surface& surface, const RECT& r, SpanOp op, uint32_t pixel) {
  Surface* device = surface.device();
  if (!device) return;
  RECT d = toDevice(r, surface.scale());
  for (int y = d.top; y < d.bottom; ++y) op(device->row(y) + d.left, d.right - d.left, pixel);
}

}  // namespace

void Painter::paint(const Region& area, SpanOp op, uint32_t pixel) {
  Region target = area.combined(drawable_, Region::Op::And);
  Surface& surface = *dc_.surface;
  pixel = surface.fit(pixel);
  target.intersect(RECT{0, 0, surface.width(), surface.height()});
  if (target.empty()) return;
  for (const RECT& r : target.rects()) {
    for (int y = r.top; y < r.bottom; ++y) op(surface.row(y) + r.left, r.right - r.left, pixel);
    paintDevice(surface, r, op, pixel);
  }
  dc_.touch(target);
}

void Painter::plot(int x, int y, SpanOp op, uint32_t pixel) {
  if (!dc_.surface->contains(x, y) || !drawable_.contains(x, y)) return;
  pixel = dc_.surface->fit(pixel);
  op(dc_.surface->row(y) + x, 1, pixel);
  RECT dot{x, y, x + 1, y + 1};
  paintDevice(*dc_.surface, dot, op, pixel);
  dc_.touch(dot);
}

void Painter::span(int y, int left, int right, SpanOp op, uint32_t pixel) {
  if (left < right) paint(RECT{left, y, right, y + 1}, op, pixel);
}

}  // namespace platform::gdi
