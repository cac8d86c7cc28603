#include "platform/text/freetype_face.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace platform::text {
namespace {

std::mutex libraryLock;

// Created on first use and never destroyed: faces may be closed during the
// process's exit, after function-local statics would already be gone.
FT_Library library() {
  static FT_Library instance = [] {
    FT_Library created = nullptr;
    return FT_Init_FreeType(&created) == 0 ? created : nullptr;
  }();
  return instance;
}

const TT_OS2* windowsTable(FT_Face face) {
  auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  return os2 && os2->version != 0xFFFF ? os2 : nullptr;
}

}  // namespace

std::shared_ptr<FreeTypeFace> FreeTypeFace::open(const FaceFile& file) {
  static std::mutex cacheLock;
  static std::map<std::pair<std::string, int>, std::weak_ptr<FreeTypeFace>> cache;
  std::lock_guard guard(cacheLock);
  std::erase_if(cache, [](const auto& entry) { return entry.second.expired(); });
  std::weak_ptr<FreeTypeFace>& cached = cache[{file.path, file.index}];
  if (auto shared = cached.lock()) return shared;
  std::shared_ptr<FreeTypeFace> face = openUnshared(file);
  cached = face;
  return face;
}

std::unique_ptr<FreeTypeFace> FreeTypeFace::openUnshared(const FaceFile& file) {
  std::unique_ptr<FontFileStream> stream = FontFileStream::open(file.path);
  if (!stream) return nullptr;
  FT_Open_Args arguments{};
  arguments.flags = FT_OPEN_STREAM;
  arguments.stream = stream->stream();
  std::lock_guard guard(libraryLock);
  FT_Face face = nullptr;
  if (!library() || FT_Open_Face(library(), &arguments, file.index, &face) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  return std::unique_ptr<FreeTypeFace>(new FreeTypeFace(std::move(stream), face));
}

FreeTypeFace::~FreeTypeFace() {
  std::lock_guard guard(libraryLock);
  FT_Done_Face(face_);
}

FaceUnits FreeTypeFace::units() const {
  FaceUnits units;
  units.unitsPerEm = face_->units_per_EM;
  units.ascent = face_->ascender;
  units.descent = -face_->descender;
  units.lineGap = std::max(0, face_->height - units.ascent - units.descent);
  units.headerHeight = units.ascent + units.descent;
  units.maxAdvance = face_->max_advance_width;
  units.averageWidth = face_->max_advance_width / 2;
  if (const TT_OS2* os2 = windowsTable(face_)) {
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      units.ascent = os2->usWinAscent;
      units.descent = os2->usWinDescent;
    }
    if (os2->xAvgCharWidth > 0) units.averageWidth = os2->xAvgCharWidth;
  }
  return units;
}

int FreeTypeFace::underlinePosition() const {
  return face_->underline_position != 0 ? -face_->underline_position : face_->units_per_EM / 10;
}

int FreeTypeFace::underlineThickness() const {
  return face_->underline_thickness > 0 ? face_->underline_thickness : face_->units_per_EM / 20;
}

int FreeTypeFace::strikeoutPosition() const {
  const TT_OS2* os2 = windowsTable(face_);
  return os2 && os2->yStrikeoutSize > 0 ? os2->yStrikeoutPosition : face_->units_per_EM * 3 / 10;
}

int FreeTypeFace::strikeoutThickness() const {
  const TT_OS2* os2 = windowsTable(face_);
  return os2 && os2->yStrikeoutSize > 0 ? os2->yStrikeoutSize : underlineThickness();
}

}  // namespace platform::text
