#include "platform/accessibility/control_font.h"

#include "platform/gdi/gdi_objects.h"

namespace platform::accessibility {
namespace {

// Windows' logical resolution, which font heights in pixels are given at.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

std::shared_ptr<gdi::FontData> fontDataOf(HWND control) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  return gdi::objectFrom<gdi::FontData>(font);
}

}  // namespace

std::shared_ptr<const text::Font> glyphsOf(HWND control) {
  std::shared_ptr<gdi::FontData> data = fontDataOf(control);
  return data && data->font ? data->font : text::Font::system();
}

// The size is the characters' height without the leading above them, in
// points; the family the installed face's that draws the text.
TextFont textFontOf(HWND control) {
  std::shared_ptr<gdi::FontData> data = fontDataOf(control);
  std::shared_ptr<const text::Font> glyphs = glyphsOf(control);
  const text::FontMetrics& m = glyphs->metrics();
  int points = ((m.height - m.internalLeading) * kPointsPerInch + kPixelsPerInch / 2) / kPixelsPerInch;
  return {glyphs->faceName(), points, data ? data->request.weight : FW_NORMAL};
}

}  // namespace platform::accessibility
