#include "platform/text/rendered_font.h"

#include FT_SIZES_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>

#include "platform/text/glyph_blend.h"
#include "platform/text/windows_1252.h"

namespace platform::text {
namespace {

int scaled(int units, int pixelsPerEm, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(units) * pixelsPerEm / unitsPerEm));
}

// Light hinting snaps outlines to the pixel grid vertically only, which keeps
// glyph shapes and whole-pixel advances stable from size to size.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

void copyBitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.alpha.resize(static_cast<size_t>(glyph.width) * glyph.rows);
  for (int row = 0; row < glyph.rows; ++row) {
    const uint8_t* source = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
    std::copy(source, source + glyph.width, glyph.alpha.begin() + static_cast<long>(row) * glyph.width);
  }
}

}  // namespace

std::unique_ptr<RenderedFont> RenderedFont::create(const FontRequest& request) {
  FaceFile file = matchFace(request.face, request.weight >= 600, request.italic);
  if (file.path.empty()) return nullptr;
  std::shared_ptr<FreeTypeFace> face = FreeTypeFace::open(file);
  if (!face) return nullptr;
  std::unique_ptr<RenderedFont> font(new RenderedFont(std::move(face), file, request));
  return font->size_ ? std::move(font) : nullptr;
}

RenderedFont::RenderedFont(std::shared_ptr<FreeTypeFace> face, const FaceFile& file, const FontRequest& request)
    : face_(std::move(face)), emboldened_(file.emboldened), slanted_(file.slanted), faceName_(file.family) {
  FontSize size = fontSize(face_->units(), request.height, request.width);
  makeSize(size);
  setMetrics(size);
  setStrokes(size);
  if (!request.underline) underline_.thickness = 0;
  if (!request.strikeOut) strikeout_.thickness = 0;
}

RenderedFont::~RenderedFont() {
  std::lock_guard guard(face_->lock());
  FT_Done_Size(size_);
}

// size_ stays null when FreeType has no memory for another size.
void RenderedFont::makeSize(const FontSize& size) {
  std::lock_guard guard(face_->lock());
  if (FT_New_Size(face_->face(), &size_) != 0) {
    size_ = nullptr;
    return;
  }
  FT_Activate_Size(size_);
  FT_Set_Pixel_Sizes(face_->face(), size.emWidth, size.emHeight);
}

void RenderedFont::setMetrics(const FontSize& size) {
  metrics_.ascent = size.ascent;
  metrics_.descent = size.descent;
  metrics_.height = size.ascent + size.descent;
  metrics_.internalLeading = std::max(0, metrics_.height - size.emHeight);
  metrics_.externalLeading = size.externalLeading;
  metrics_.averageCharWidth = size.averageCharWidth;
  metrics_.maxCharWidth = size.maxCharWidth;
}

// Both strokes stay inside the cell, at least one pixel thick.
void RenderedFont::setStrokes(const FontSize& size) {
  int unitsPerEm = face_->face()->units_per_EM;
  int height = metrics_.height;
  underline_.thickness = std::max(1, scaled(face_->underlineThickness(), size.emHeight, unitsPerEm));
  int centre = size.ascent + scaled(face_->underlinePosition(), size.emHeight, unitsPerEm);
  underline_.top = std::clamp(centre - underline_.thickness / 2, 0, std::max(0, height - underline_.thickness));
  strikeout_.thickness = std::max(1, scaled(face_->strikeoutThickness(), size.emHeight, unitsPerEm));
  int top = size.ascent - scaled(face_->strikeoutPosition(), size.emHeight, unitsPerEm);
  strikeout_.top = std::clamp(top, 0, std::max(0, height - strikeout_.thickness));
}

void RenderedFont::render(unsigned char c, Glyph& glyph) const {
  std::lock_guard guard(face_->lock());
  FT_Activate_Size(size_);
  FT_Face face = face_->face();
  FT_UInt index = FT_Get_Char_Index(face, unicodeOfWindows1252(c));
  if (FT_Load_Glyph(face, index, kLoadFlags) != 0) return;
  if (emboldened_) FT_GlyphSlot_Embolden(face->glyph);
  if (slanted_) FT_GlyphSlot_Oblique(face->glyph);
  glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return;
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  copyBitmap(face->glyph->bitmap, glyph);
}

const Glyph& RenderedFont::glyph(unsigned char c) const {
  std::unique_ptr<Glyph>& slot = glyphs_[c];
  if (!slot) {
    slot = std::make_unique<Glyph>();
    render(c, *slot);
  }
  return *slot;
}

int RenderedFont::charWidth(unsigned char c) const {
  std::lock_guard guard(lock_);
  return glyph(c).advance;
}

int RenderedFont::textWidth(std::string_view text) const {
  std::lock_guard guard(lock_);
  int width = 0;
  for (unsigned char c : text) width += glyph(c).advance;
  return width;
}

void RenderedFont::draw(PixelTarget& target, int x, int y, std::string_view text, uint32_t color) const {
  std::lock_guard guard(lock_);
  long long pen = x;
  long long baseline = static_cast<long long>(y) + metrics_.ascent;
  for (unsigned char c : text) {
    const Glyph& g = glyph(c);
    blendMask(target, pen + g.left, baseline - g.top, {g.alpha.data(), g.width, g.rows, g.width}, color);
    pen += g.advance;
  }
  for (const Stroke& stroke : {underline_, strikeout_}) {
    long long top = static_cast<long long>(y) + stroke.top;
    if (stroke.thickness > 0) fillSolid(target, x, top, pen, top + stroke.thickness, color);
  }
}

}  // namespace platform::text
