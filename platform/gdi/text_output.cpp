#include "platform/gdi/text_output.h"

#include "platform/gdi/device_text.h"
#include "platform/gdi/painter.h"

namespace platform::gdi {
namespace {

Region clipped(const DeviceContext& dc, RECT surfaceBox, const std::optional<RECT>& clip) {
  Region area(surfaceBox);
  if (clip) area.intersect(dc.toSurface(*clip));
  return area.intersect(dc.drawable());
}

}  // namespace

const text::Font& fontOf(const DeviceContext& dc) {
  if (dc.state.font.data && dc.state.font.data->font) return *dc.state.font.data->font;
  static std::shared_ptr<const text::Font> fallback = text::Font::system();
  return *fallback;
}

void outputText(DeviceContext& dc, int x, int y, std::string_view run, const std::optional<RECT>& clip) {
  const text::Font& font = fontOf(dc);
  POINT at = dc.toSurface(x, y);
  RECT box{at.x, at.y, at.x + font.textWidth(run), at.y + font.metrics().height};
  Region area = clipped(dc, box, clip);
  if (area.empty()) return;
  if (dc.state.bkMode == OPAQUE)
    Painter(dc).paint(area, spanOpForRop2(R2_COPYPEN), pixelFromColorRef(dc.state.bkColor));
  Surface& surface = *dc.surface;
  uint32_t color = pixelFromColorRef(dc.state.textColor);
  for (const RECT& r : area.rects()) {
    text::PixelTarget target{surface.row(0), surface.width(), surface.height(), surface.width(),
                             static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                             static_cast<int>(r.bottom)};
    font.draw(target, at.x, at.y, run, color);
    surface.keepMonochrome(r);
    drawDeviceText(dc, font, at, run, r, color);
  }
  dc.touch(area);
}

void underlineChar(DeviceContext& dc, int x, int y, std::string_view run, int index, const std::optional<RECT>& clip) {
  const text::Font& font = fontOf(dc);
  POINT at = dc.toSurface(x, y);
  int left = at.x + font.textWidth(run.substr(0, index));
  int width = font.charWidth(static_cast<unsigned char>(run[index]));
  int top = at.y + font.metrics().ascent + 1;
  Region area = clipped(dc, RECT{left, top, left + width, top + 1}, clip);
  Painter(dc).paint(area, spanOpForRop2(R2_COPYPEN), pixelFromColorRef(dc.state.textColor));
}

}  // namespace platform::gdi
