// One FreeType face opened from a font file, owned, with its vertical figures.
//
// All faces share the process's one FreeType library, which lives until the
// process ends; opening and closing faces is serialised because the library
// is not safe to change from two threads at once.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>

#include "platform/text/face_match.h"
#include "platform/text/font_size.h"

namespace platform::text {

class FreeTypeFace {
 public:
  // The face of the file, or nullptr when FreeType cannot open it.
  static std::unique_ptr<FreeTypeFace> open(const FaceFile& file);
  ~FreeTypeFace();
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  FT_Face face() const { return face_; }
  // Windows-style figures: ascent and descent from the OS/2 table's Windows
  // values when present, else from the horizontal header.
  FaceUnits units() const;
  // Underline centre below the baseline and thickness, in font units.
  int underlinePosition() const;
  int underlineThickness() const;
  // Top of the strike-out stroke above the baseline, and its thickness.
  int strikeoutPosition() const;
  int strikeoutThickness() const;

 private:
  explicit FreeTypeFace(FT_Face face) : face_(face) {}
  FT_Face face_;
};

}  // namespace platform::text
