#include "platform/text/font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/text/face_match.h"
#include "platform/text/font_size.h"
#include "platform/text/missing_face_font.h"
#include "platform/text/windows_1252.h"

using platform::text::Font;
using platform::text::FontRequest;
using platform::text::PixelTarget;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSentinel = 0x00ABCDEF;

struct Surface {
  int width, height;
  std::vector<uint32_t> pixels;
  Surface(int w, int h, uint32_t fill = kWhite) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  PixelTarget target() { return {pixels.data(), width, height, width, 0, 0, width, height}; }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  bool rowHasInk(int y, int left, int right, uint32_t background = kWhite) const {
    for (int x = left; x < right; ++x)
      if (at(x, y) != background) return true;
    return false;
  }
  int inkCount(uint32_t background = kWhite) const {
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [&](uint32_t p) { return p != background; }));
  }
  // Pixels outside the clip rectangle that no longer hold the sentinel.
  int changedOutside(int left, int top, int right, int bottom) const {
    int changed = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        changed += (x < left || x >= right || y < top || y >= bottom) && at(x, y) != kSentinel;
    return changed;
  }
};

std::shared_ptr<const Font> open(const std::string& face, int height, int weight = 400) {
  FontRequest request;
  request.face = face;
  request.height = height;
  request.weight = weight;
  return Font::open(request);
}

Surface drawn(const Font& font, const std::string& text, uint32_t color = 0) {
  Surface s(font.textWidth(text) + 8, font.metrics().height + 8);
  PixelTarget t = s.target();
  font.draw(t, 4, 4, text, color);
  return s;
}

std::string everyPrintableByte() {
  std::string text;
  for (int c = 0x20; c < 0x100; ++c) text += static_cast<char>(c);
  return text;
}

// How many of the process's descriptors have the file open.
int descriptorsOf(const std::string& path) {
  int count = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    if (std::filesystem::read_symlink(entry.path(), error) == path) ++count;
  }
  return count;
}

bool isMapped(const std::string& path) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.ends_with(path)) return true;
  return false;
}

}  // namespace

TEST(Font, MetricsFollowTheHeightConventions) {
  for (int height : {-10, -11, -13, -16, -24, -40}) {
    auto m = open("MS Sans Serif", height)->metrics();
    EXPECT_EQ(m.ascent + m.descent, m.height) << height;
    EXPECT_EQ(m.height - m.internalLeading, -height) << height;
    EXPECT_GT(m.averageCharWidth, 0);
    EXPECT_GE(m.maxCharWidth, m.averageCharWidth);
  }
  for (int height : {13, 16, 20, 33}) {
    auto m = open("Arial", height)->metrics();
    EXPECT_EQ(m.height, height);
    EXPECT_EQ(m.ascent + m.descent, m.height);
  }
}

TEST(Font, TextWidthIsTheSumOfCharacterWidths) {
  for (const char* face : {"MS Sans Serif", "Courier New", "Times New Roman"}) {
    auto font = open(face, -13);
    std::string text = everyPrintableByte();
    int sum = 0;
    for (unsigned char c : text) sum += font->charWidth(c);
    EXPECT_EQ(font->textWidth(text), sum) << face;
    EXPECT_EQ(font->textWidth(""), 0);
  }
}

TEST(Font, WindowsFacesMapToInstalledFacesOfTheirKind) {
  for (const char* face : {"MS Sans Serif", "Arial", "Helvetica", "System", "", "No Such Face 17"}) {
    EXPECT_EQ(open(face, -13)->faceName(), "DejaVu Sans") << face;
  }
  for (const char* face : {"Courier", "courier new"}) {
    auto font = open(face, -13);
    EXPECT_EQ(font->faceName(), "DejaVu Sans Mono") << face;
    EXPECT_EQ(font->charWidth('i'), font->charWidth('W'));
  }
  EXPECT_EQ(open("Times New Roman", -13)->faceName(), "DejaVu Serif");
  EXPECT_EQ(open("DejaVu Sans Mono", -13)->faceName(), "DejaVu Sans Mono");  // installed names are kept
}

TEST(Font, RequestsBelowTheLegibleMinimumAreClamped) {
  auto minimum = open("MS Sans Serif", -platform::text::kLegibleCharHeight);
  for (int height : {-1, -6, 1, 8}) {
    auto font = open("MS Sans Serif", height);
    EXPECT_EQ(font->metrics().height, minimum->metrics().height) << height;
    EXPECT_EQ(font->textWidth("Golden"), minimum->textWidth("Golden")) << height;
  }
}

TEST(Font, EqualRequestsShareOneFont) {
  auto a = open("MS Sans Serif", 8);
  auto b = open("ms sans serif", 8);
  EXPECT_EQ(a.get(), b.get());
  EXPECT_NE(a.get(), open("MS Sans Serif", 9).get());
  EXPECT_NE(a.get(), open("MS Sans Serif", 8, 700).get());
  EXPECT_EQ(Font::system().get(), Font::system().get());
}

TEST(Font, FontsOfOneFaceShareItsFileEachAtItsOwnSize) {
  std::string path = platform::text::matchFace("MS Sans Serif", false, false).path;
  auto small = open("MS Sans Serif", -11);
  auto large = open("MS Sans Serif", -23);
  EXPECT_LT(small->textWidth("Golden"), large->textWidth("Golden"));
  EXPECT_EQ(descriptorsOf(path), 1);
  EXPECT_FALSE(isMapped(path));
}

TEST(Font, SystemFontIsBoldAtSixteenPixels) {
  auto system = Font::system();
  EXPECT_EQ(system->metrics().height, 16);
  auto regular = open("System", 16);
  EXPECT_EQ(regular->metrics().height, 16);
  EXPECT_GT(drawn(*system, "Velmaro").inkCount(), drawn(*regular, "Velmaro").inkCount() * 6 / 5);
}

TEST(Font, DrawsInTheColourOverTheBackground) {
  auto font = open("MS Sans Serif", -20);
  Surface s = drawn(*font, "HIM", 0xFF0000);
  int full = 0, partial = 0;
  for (uint32_t p : s.pixels) {
    if (p == kWhite) continue;
    EXPECT_EQ(p >> 16, 0xFFu);                     // red stays full over white
    EXPECT_EQ((p >> 8) & 0xFF, p & 0xFF);          // green and blue fade together
    (p == 0xFF0000 ? full : partial)++;
  }
  EXPECT_GT(full, 40);  // the straight stems are fully covered
  EXPECT_GT(partial, 0);  // edges are anti-aliased
}

TEST(Font, GlyphsSitOnTheBaselineInsideTheCell) {
  auto font = open("MS Sans Serif", -20);
  const auto& m = font->metrics();
  Surface s = drawn(*font, "H");
  int baselineRow = 4 + m.ascent;
  EXPECT_TRUE(s.rowHasInk(baselineRow - 1, 0, s.width));
  EXPECT_FALSE(s.rowHasInk(baselineRow, 0, s.width));  // "H" has no descender
  Surface g = drawn(*font, "g");
  EXPECT_TRUE(g.rowHasInk(baselineRow + 1, 0, g.width));
  for (int y = 0; y < 4; ++y) EXPECT_FALSE(g.rowHasInk(y, 0, g.width));
  for (int y = 4 + m.height; y < g.height; ++y) EXPECT_FALSE(g.rowHasInk(y, 0, g.width));
}

// The target is 40x30 pixels within rows of 48, with a guard row above and
// below it.
TEST(Font, NeverTouchesPixelsOutsideTheClipOrTheTarget) {
  FontRequest request{"Times New Roman", -24, 0, 700, true, true, true};
  auto font = Font::open(request);
  for (int x : {-30, -3, 0, 10, 35}) {
    for (int y : {-20, -5, 0, 12, 28}) {
      Surface s(48, 32, kSentinel);
      PixelTarget target{s.pixels.data() + s.width, 40, 30, s.width, 5, 4, 30, 22};
      font->draw(target, x, y, "Wg\xC9j|_", 0);
      EXPECT_EQ(s.changedOutside(5, 5, 30, 23), 0) << x << "," << y;
    }
  }
}

TEST(Font, UnderlineAndStrikeOutSpanTheText) {
  FontRequest plainRequest{"MS Sans Serif", -20, 0, 400, false, false, false};
  FontRequest underlined = plainRequest, struck = plainRequest;
  underlined.underline = true;
  struck.strikeOut = true;
  auto plain = Font::open(plainRequest);
  const auto& m = plain->metrics();
  std::string text = "a b";
  Surface base = drawn(*plain, text), under = drawn(*Font::open(underlined), text), strike = drawn(*Font::open(struck), text);
  auto fullRowsBelow = [&](const Surface& s, int fromRow, int toRow) {
    int rows = 0;
    for (int y = fromRow; y < toRow; ++y) {
      bool full = true;
      for (int x = 4; x < 4 + plain->textWidth(text); ++x) full = full && s.at(x, y) == 0;
      rows += full;
    }
    return rows;
  };
  int baseline = 4 + m.ascent;
  EXPECT_EQ(fullRowsBelow(base, 4, 4 + m.height), 0);
  EXPECT_GE(fullRowsBelow(under, baseline, 4 + m.height), 1);
  EXPECT_EQ(fullRowsBelow(under, 4, baseline), 0);
  EXPECT_GE(fullRowsBelow(strike, 4 + m.internalLeading, baseline), 1);
  EXPECT_EQ(fullRowsBelow(strike, baseline, 4 + m.height), 0);
}

TEST(Font, ItalicAndWidthChangeTheShapes) {
  FontRequest upright{"MS Sans Serif", -20, 0, 400, false, false, false};
  FontRequest italic = upright, wide = upright;
  italic.italic = true;
  wide.width = 20;
  EXPECT_NE(drawn(*Font::open(upright), "l").pixels, drawn(*Font::open(italic), "l").pixels);
  EXPECT_GT(Font::open(wide)->textWidth("golden"), Font::open(upright)->textWidth("golden") * 3 / 2);
}

TEST(Font, Windows1252BytesFindTheirGlyphs) {
  const std::pair<unsigned char, char32_t> mapped[] = {
      {'A', U'A'}, {0x80, U'\u20AC'}, {0x92, U'\u2019'}, {0x9F, U'\u0178'}, {0x81, U'\u0081'}, {0xE9, U'\u00E9'}};
  for (auto [byte, unicode] : mapped) EXPECT_EQ(platform::text::unicodeOfWindows1252(byte), unicode) << int{byte};
  auto font = open("MS Sans Serif", -20);
  // The euro sign and the e-acute are real glyphs, distinct from the missing-glyph box.
  auto euro = drawn(*font, "\x80").pixels, eAcute = drawn(*font, "\xE9").pixels, missing = drawn(*font, "\x81").pixels;
  EXPECT_NE(euro, missing);
  EXPECT_NE(eAcute, drawn(*font, "e").pixels);
}

TEST(Font, MissingFaceFallbackKeepsMetricsAndClip) {
  platform::text::MissingFaceFont font({"", -13, 0, 400, false, false, false});
  const auto& m = font.metrics();
  EXPECT_EQ(m.ascent + m.descent, m.height);
  EXPECT_EQ(m.height - m.internalLeading, 13);
  EXPECT_EQ(font.textWidth("abc"), 3 * font.charWidth('a'));
  Surface s(20, 20, kSentinel);
  PixelTarget t = s.target();
  t.clipLeft = 2, t.clipTop = 2, t.clipRight = 10, t.clipBottom = 10;
  font.draw(t, 0, 0, "WWWWWW", 0);
  EXPECT_EQ(s.changedOutside(2, 2, 10, 10), 0);
  EXPECT_GT(s.inkCount(kSentinel), 0);
}
