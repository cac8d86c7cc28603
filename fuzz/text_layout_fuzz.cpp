// DrawTextA's layout on any text, format and rectangle: every line keeps
// its underline inside its text, lines stack one line-height apart, and a
// word-broken line is only wider than the rectangle when it is one word.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/gdi/text_layout.h"

namespace {

class FixedFont : public platform::text::Font {
 public:
  FixedFont() {
    metrics_.height = 10;
    metrics_.ascent = 8;
    metrics_.descent = 2;
    metrics_.averageCharWidth = 5;
    metrics_.maxCharWidth = 9;
  }
  const platform::text::FontMetrics& metrics() const override { return metrics_; }
  const std::string& faceName() const override { return name_; }
  int charWidth(unsigned char c) const override { return 3 + c % 7; }
  int textWidth(std::string_view text) const override {
    int w = 0;
    for (char c : text) w += charWidth(static_cast<unsigned char>(c));
    return w;
  }
  void draw(platform::text::PixelTarget&, int, int, std::string_view, uint32_t) const override {}

 private:
  platform::text::FontMetrics metrics_;
  std::string name_ = "Fixed";
};

void check(bool condition) {
  if (!condition) std::abort();
}

// One word, perhaps after leading blanks.
bool oneWord(const platform::gdi::TextLine& line) {
  if (line.runs.size() != 1) return false;
  std::string_view text = line.runs[0].text;
  size_t start = text.find_first_not_of(" \t");
  return start == std::string_view::npos || text.find_first_of(" \t", start) == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  UINT format = 0;
  std::memcpy(&format, data, 4);
  format &= ~static_cast<UINT>(DT_TABSTOP);
  RECT rect{0, 0, data[4] * 2 - 60, data[5] - 20};
  std::string_view text(reinterpret_cast<const char*>(data + 8), size - 8);
  static FixedFont font;
  platform::gdi::TextLayout layout = platform::gdi::layoutText(text, format, rect, font);
  check(!layout.lines.empty());
  for (size_t i = 0; i < layout.lines.size(); ++i) {
    const auto& line = layout.lines[i];
    if (line.underlineRun >= 0) {
      check(static_cast<size_t>(line.underlineRun) < line.runs.size());
      check(static_cast<size_t>(line.underlineIndex) < line.runs[line.underlineRun].text.size());
    }
    if (i > 0) check(line.y - layout.lines[i - 1].y == layout.lineHeight);
    bool wrapped = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    if (wrapped && !(format & DT_EXPANDTABS) && line.width > rect.right - rect.left) check(oneWord(line));
    check(line.width <= layout.widest);
  }
  return 0;
}
