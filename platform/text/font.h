// Fonts for the platform's text output: faces found through fontconfig,
// glyphs rendered by FreeType, drawn anti-aliased into 32-bit pixel buffers.
//
// Text is single-byte (the Windows-1252 code page of the "A" functions).
// Windows face names such as "MS Sans Serif" map to an installed face of the
// same kind; small sizes are clamped to a legible minimum.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform::text {

// What CreateFontA asks for, in LOGFONT terms.
struct FontRequest {
  std::string face;  // empty: the system font
  int height = 0;    // < 0: character height in pixels; > 0: cell height; 0: default
  int width = 0;     // average character width, 0 for the face's own
  int weight = 400;  // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// TEXTMETRIC-like figures, in pixels.
struct FontMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int averageCharWidth = 0;
  int maxCharWidth = 0;
};

// Where draw writes: pixels are 0x00RRGGBB, row-major; stride counts pixels.
// Nothing outside the clip rectangle [clipLeft, clipRight) x [clipTop,
// clipBottom) is touched.
struct PixelTarget {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  int clipLeft = 0;
  int clipTop = 0;
  int clipRight = 0;
  int clipBottom = 0;
};

class Font {
 public:
  virtual ~Font() = default;

  // The font closest to the request; never nullptr (falls back to the
  // system face). Fonts of equal requests may be shared.
  static std::shared_ptr<const Font> open(const FontRequest& request);
  // The system font: what a window uses that was never given a font.
  static std::shared_ptr<const Font> system();

  virtual const FontMetrics& metrics() const = 0;
  // The family of the installed face that draws this font.
  virtual const std::string& faceName() const = 0;
  // Advance width of one character, and of a run of characters on one line.
  virtual int charWidth(unsigned char c) const = 0;
  virtual int textWidth(std::string_view text) const = 0;
  // Draws a run of characters on one line with the top of its cell at y and
  // its first advance starting at x, in color, blended over what is there.
  // Underline and strike-out are drawn when the font has them.
  virtual void draw(PixelTarget& target, int x, int y, std::string_view text, uint32_t color) const = 0;
};

}  // namespace platform::text
