// One FreeType face opened from a font file, with its vertical figures,
// shared by every font drawn from that face while any of them holds it: the
// face's tables are read once, whatever the sizes. The file is read on
// demand (font_file_stream.h), never mapped whole.
//
// Each font has a size of its own (FT_Size). The face's glyph slot and its
// active size are shared, so a font holds lock() while it activates its size
// and uses the slot.
//
// All faces share the process's one FreeType library, which lives until the
// process ends; opening and closing faces is serialised because the library
// is not safe to change from two threads at once.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <mutex>

#include "platform/text/face_match.h"
#include "platform/text/font_file_stream.h"
#include "platform/text/font_size.h"

namespace platform::text {

class FreeTypeFace {
 public:
  // The face of the file, or nullptr when FreeType cannot open it.
  static std::shared_ptr<FreeTypeFace> open(const FaceFile& file);
  ~FreeTypeFace();
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  FT_Face face() const { return face_; }
  std::mutex& lock() const { return lock_; }
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
  FreeTypeFace(std::unique_ptr<FontFileStream> file, FT_Face face) : file_(std::move(file)), face_(face) {}
  static std::unique_ptr<FreeTypeFace> openUnshared(const FaceFile& file);

  std::unique_ptr<FontFileStream> file_;  // outlives face_
  FT_Face face_;
  mutable std::mutex lock_;
};

}  // namespace platform::text
