// A FreeType stream over a font file that reads only what FreeType asks for.
//
// FreeType's own file streams map the whole file. Every page of a mapping
// that is touched counts towards the process's resident memory, and the
// kernel maps the pages around each one touched too, so drawing a few glyphs
// made most of the file resident (560 KiB of DejaVu Sans's 742 KiB in the
// calculator). Read on demand instead, the tables FreeType keeps are copied
// to its heap (about a tenth of the file) and each glyph's outline is read
// when the glyph is rendered, once per font.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace platform::text {

class FontFileStream {
 public:
  // The stream of the file, or nullptr when it cannot be opened.
  static std::unique_ptr<FontFileStream> open(const std::string& path);
  ~FontFileStream();
  FontFileStream(const FontFileStream&) = delete;
  FontFileStream& operator=(const FontFileStream&) = delete;

  // For FT_Open_Face; the stream must outlive the face opened from it.
  FT_Stream stream() { return &stream_; }

 private:
  FontFileStream() = default;
  FT_StreamRec stream_{};
};

}  // namespace platform::text
