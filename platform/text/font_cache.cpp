// Font::open and Font::system: fonts are shared while anyone holds them.
//
// Requests that differ only in the case of the face name are the same
// request. The cache holds weak references, so a font whose last holder lets
// go is freed, and the next equal request renders it afresh.
#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/text/missing_face_font.h"
#include "platform/text/rendered_font.h"

namespace platform::text {
namespace {

using RequestKey = std::tuple<std::string, int, int, int, bool, bool, bool>;

RequestKey keyOf(const FontRequest& request) {
  std::string face = request.face;
  std::transform(face.begin(), face.end(), face.begin(), [](unsigned char c) { return std::tolower(c); });
  return {face, request.height, request.width, request.weight, request.italic, request.underline, request.strikeOut};
}

std::shared_ptr<const Font> openUncached(const FontRequest& request) {
  if (auto font = RenderedFont::create(request)) return font;
  FontRequest fallback = request;
  fallback.face = "System";
  if (auto font = RenderedFont::create(fallback)) return font;
  return std::make_shared<MissingFaceFont>(request);
}

}  // namespace

std::shared_ptr<const Font> Font::open(const FontRequest& request) {
  static std::mutex lock;
  static std::map<RequestKey, std::weak_ptr<const Font>> cache;
  RequestKey key = keyOf(request);
  std::lock_guard guard(lock);
  std::erase_if(cache, [](const auto& entry) { return entry.second.expired(); });
  if (auto shared = cache[key].lock()) return shared;
  std::shared_ptr<const Font> font = openUncached(request);
  cache[key] = font;
  return font;
}

std::shared_ptr<const Font> Font::system() {
  static const std::shared_ptr<const Font> font = open({"System", kDefaultCellHeight, 0, 700, false, false, false});
  return font;
}

}  // namespace platform::text
