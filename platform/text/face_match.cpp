#include "platform/text/face_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

namespace platform::text {
namespace {

struct KindNames {
  std::vector<std::string> windowsFaces;
  std::vector<const char*> families;  // in order of preference
};

const std::vector<KindNames>& kindTable() {
  static const std::vector<KindNames> table = {
      {{"courier", "courier new", "fixed", "fixedsys", "terminal", "lucida console", "consolas", "monospace"},
       {"DejaVu Sans Mono", "monospace"}},
      {{"times new roman", "times", "ms serif", "serif", "georgia"}, {"DejaVu Serif", "serif"}},
      {{"ms sans serif", "ms shell dlg", "arial", "helvetica", "system", "tahoma", "verdana", "sans-serif"},
       {"DejaVu Sans", "sans-serif"}},
  };
  return table;
}

std::string lowercase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) { return std::tolower(c); });
  return result;
}

// The kind of a Windows face name, or nullptr for a name that is not one.
const KindNames* kindOf(const std::string& face) {
  for (const KindNames& names : kindTable()) {
    if (std::find(names.windowsFaces.begin(), names.windowsFaces.end(), face) != names.windowsFaces.end()) return &names;
  }
  return nullptr;
}

std::string stringOf(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch ? reinterpret_cast<char*>(value) : "";
}

int integerOf(FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

// The best match for the families in order, with the weight and slant asked for.
FcPattern* bestMatch(const std::vector<std::string>& families, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  for (const std::string& family : families) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  return match;
}

FaceFile faceFileOf(FcPattern* match, bool bold, bool italic) {
  FaceFile face;
  face.path = stringOf(match, FC_FILE);
  face.index = integerOf(match, FC_INDEX, 0);
  face.family = stringOf(match, FC_FAMILY);
  face.emboldened = bold && integerOf(match, FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD;
  face.slanted = italic && integerOf(match, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN;
  return face;
}

// An installed family of exactly that name (case aside), or nothing.
FaceFile installedFace(const std::string& face, bool bold, bool italic) {
  if (face.empty()) return {};
  FcPattern* match = bestMatch({face}, bold, italic);
  if (!match) return {};
  FaceFile found = faceFileOf(match, bold, italic);
  FcPatternDestroy(match);
  return lowercase(found.family) == face ? found : FaceFile{};
}

FaceFile substituteFace(const KindNames& kind, bool bold, bool italic) {
  FcPattern* match = bestMatch({kind.families.begin(), kind.families.end()}, bold, italic);
  if (!match) return {};
  FaceFile found = faceFileOf(match, bold, italic);
  FcPatternDestroy(match);
  return found;
}

FaceFile resolve(const std::string& face, bool bold, bool italic) {
  if (const KindNames* kind = kindOf(face)) return substituteFace(*kind, bold, italic);
  FaceFile found = installedFace(face, bold, italic);
  return found.path.empty() ? substituteFace(kindTable().back(), bold, italic) : found;
}

}  // namespace

FaceFile matchFace(std::string_view windowsFace, bool bold, bool italic) {
  static std::mutex lock;
  static std::map<std::tuple<std::string, bool, bool>, FaceFile> cache;
  std::string face = lowercase(windowsFace);
  std::lock_guard guard(lock);
  auto key = std::make_tuple(face, bold, italic);
  auto found = cache.find(key);
  if (found != cache.end()) return found->second;
  return cache.emplace(key, resolve(face, bold, italic)).first->second;
}

}  // namespace platform::text
