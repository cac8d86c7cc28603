#include "platform/text/missing_face_font.h"

#include "platform/text/glyph_blend.h"

namespace platform::text {
namespace {

// Proportions of a common sans face, in units of a 2048 em.
FaceUnits typicalSansUnits() {
  FaceUnits units;
  units.ascent = 1901;
  units.descent = 483;
  units.headerHeight = units.ascent + units.descent;
  units.averageWidth = 1038;
  units.maxAdvance = 2048;
  return units;
}

void outlineBox(PixelTarget& target, long long left, long long top, long long right, long long bottom, uint32_t color) {
  fillSolid(target, left, top, right, top + 1, color);
  fillSolid(target, left, bottom - 1, right, bottom, color);
  fillSolid(target, left, top, left + 1, bottom, color);
  fillSolid(target, right - 1, top, right, bottom, color);
}

}  // namespace

MissingFaceFont::MissingFaceFont(const FontRequest& request) {
  FontSize size = fontSize(typicalSansUnits(), request.height, request.width);
  metrics_.ascent = size.ascent;
  metrics_.descent = size.descent;
  metrics_.height = size.ascent + size.descent;
  metrics_.internalLeading = metrics_.height - size.emHeight;
  metrics_.averageCharWidth = size.averageCharWidth;
  metrics_.maxCharWidth = size.averageCharWidth;
}

int MissingFaceFont::charWidth(unsigned char) const { return metrics_.averageCharWidth; }

int MissingFaceFont::textWidth(std::string_view text) const {
  return static_cast<int>(text.size()) * metrics_.averageCharWidth;
}

void MissingFaceFont::draw(PixelTarget& target, int x, int y, std::string_view text, uint32_t color) const {
  long long pen = x;
  long long top = static_cast<long long>(y) + metrics_.internalLeading;
  long long bottom = static_cast<long long>(y) + metrics_.ascent;
  for (unsigned char c : text) {
    if (c > ' ') outlineBox(target, pen + 1, top, pen + metrics_.averageCharWidth, bottom, color);
    pen += metrics_.averageCharWidth;
  }
}

}  // namespace platform::text
