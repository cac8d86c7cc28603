// Writing pixels through a device context: everything is clipped to the
// DC's drawable region and goes through one span operation of pixel_ops;
// on a monochrome surface the colour is first made black or white.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/pixel_ops.h"

namespace platform::gdi {

class Painter {
 public:
  explicit Painter(DeviceContext& dc) : dc_(dc), drawable_(dc.drawable()) {}

  // area is in surface coordinates.
  void paint(const Region& area, SpanOp op, uint32_t pixel);
  void paint(const RECT& area, SpanOp op, uint32_t pixel) { paint(Region(area), op, pixel); }
  // One pixel, when the DC may draw there.
  void plot(int x, int y, SpanOp op, uint32_t pixel);
  // A run of pixels on row y from left up to (not including) right.
  void span(int y, int left, int right, SpanOp op, uint32_t pixel);

 private:
  DeviceContext& dc_;
  Region drawable_;
};

}  // namespace platform::gdi
