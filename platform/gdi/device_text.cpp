#include "platform/gdi/device_text.h"

namespace platform::gdi {
namespace {

std::shared_ptr<FontData> fontDataOf(const DeviceContext& dc) {
  if (dc.state.font.data && dc.state.font.data->font) return dc.state.font.data;
  return objectFrom<FontData>(systemFontHandle());
}

// The program's font with its cell height, and its average width when it
// asked for one, times the scale; kept with the font object.
const text::Font& deviceFont(FontData& data, int scale) {
  if (!data.deviceFont || data.deviceScale != scale) {
    const text::FontMetrics& metrics = data.font->metrics();
    text::FontRequest request = data.request;
    request.height = metrics.height * scale;
    request.width = request.width ? metrics.averageCharWidth * scale : 0;
    data.deviceFont = text::Font::open(request);
    data.deviceScale = scale;
  }
  return *data.deviceFont;
}

}  // namespace

void drawDeviceText(DeviceContext& dc, const text::Font& font, POINT at, std::string_view run, const RECT& area,
                    uint32_t color) {
  Surface* device = dc.surface->device();
  std::shared_ptr<FontData> data = fontDataOf(dc);
  if (!device || !data || !data->font) return;
  int scale = dc.surface->scale();
  const text::Font& large = deviceFont(*data, scale);
  RECT clip = toDevice(area, scale);
  text::PixelTarget target{device->row(0),
                           device->width(),
                           device->height(),
                           device->width(),
                           static_cast<int>(clip.left),
                           static_cast<int>(clip.top),
                           static_cast<int>(clip.right),
                           static_cast<int>(clip.bottom)};
  // The baselines meet; each character starts where the program's font
  // puts it.
  int top = (at.y + font.metrics().ascent) * scale - large.metrics().ascent;
  int pen = at.x;
  for (size_t i = 0; i < run.size(); ++i) {
    large.draw(target, pen * scale, top, run.substr(i, 1), color);
    pen += font.charWidth(static_cast<unsigned char>(run[i]));
  }
}

}  // namespace platform::gdi
