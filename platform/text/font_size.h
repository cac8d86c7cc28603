// Turns a LOGFONT-style height and width into pixel sizes for a face.
//
// A negative height asks for that character (em) height, a positive one for
// that cell height (ascent + descent), 0 for the default size. The cell of a
// face is its Windows ascent plus descent, so a cell request is scaled by
// em / (ascent + descent). Requests below the legible minimum are raised to
// it; absurdly large ones are capped so a glyph bitmap stays bounded.
#pragma once

namespace platform::text {

// A face's vertical figures in font units.
struct FaceUnits {
  int unitsPerEm = 2048;
  int ascent = 0;       // above the baseline, positive
  int descent = 0;      // below the baseline, positive
  int lineGap = 0;      // extra space between lines the face suggests
  int headerHeight = 0; // horizontal header ascender + descender, for the line gap
  int averageWidth = 0;
  int maxAdvance = 0;
};

// Smallest character height drawn, in pixels: about the width and line height
// of the classic 8-point dialog face at 96 dpi.
constexpr int kLegibleCharHeight = 10;
// Largest character height drawn, in pixels.
constexpr int kLargestCharHeight = 512;
// Cell height of a request with height 0.
constexpr int kDefaultCellHeight = 16;

struct FontSize {
  int emHeight = 0;  // pixels per em, vertically
  int emWidth = 0;   // pixels per em, horizontally
  int ascent = 0;
  int descent = 0;
  int externalLeading = 0;
  int averageCharWidth = 0;
  int maxCharWidth = 0;
};

FontSize fontSize(const FaceUnits& face, int requestHeight, int requestWidth);

}  // namespace platform::text
