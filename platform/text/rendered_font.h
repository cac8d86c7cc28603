// A Font drawn from one FreeType face at one size.
//
// The font has a size of its own on its face, which fonts of other sizes may
// share (freetype_face.h). Glyphs are rendered the first time a character is
// measured or drawn and kept for the font's life, one slot per byte value, so
// drawing a run after the first costs only blending.
#pragma once

#include <array>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/text/font.h"
#include "platform/text/freetype_face.h"

namespace platform::text {

struct Glyph {
  int advance = 0;
  int left = 0;  // bitmap's left edge from the pen position
  int top = 0;   // bitmap's top edge above the baseline
  int width = 0;
  int rows = 0;
  std::vector<uint8_t> alpha;
};

class RenderedFont final : public Font {
 public:
  // The font for a request, or nullptr when no face can be opened.
  static std::unique_ptr<RenderedFont> create(const FontRequest& request);
  ~RenderedFont() override;
  RenderedFont(const RenderedFont&) = delete;
  RenderedFont& operator=(const RenderedFont&) = delete;

  const FontMetrics& metrics() const override { return metrics_; }
  const std::string& faceName() const override { return faceName_; }
  int charWidth(unsigned char c) const override;
  int textWidth(std::string_view text) const override;
  void draw(PixelTarget& target, int x, int y, std::string_view text, uint32_t color) const override;

 private:
  struct Stroke {
    int top = 0;  // from the top of the cell
    int thickness = 0;
  };

  RenderedFont(std::shared_ptr<FreeTypeFace> face, const FaceFile& file, const FontRequest& request);
  void makeSize(const FontSize& size);
  void setMetrics(const FontSize& size);
  void setStrokes(const FontSize& size);
  const Glyph& glyph(unsigned char c) const;  // lock_ held
  void render(unsigned char c, Glyph& glyph) const;

  std::shared_ptr<FreeTypeFace> face_;
  FT_Size size_ = nullptr;
  bool emboldened_;
  bool slanted_;
  std::string faceName_;
  FontMetrics metrics_;
  Stroke underline_;
  Stroke strikeout_;
  mutable std::mutex lock_;
  mutable std::array<std::unique_ptr<Glyph>, 256> glyphs_;
};

}  // namespace platform::text
