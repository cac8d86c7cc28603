#include "platform/gdi/text_layout.h"

namespace platform::gdi {
namespace {

// A paragraph with its '&' prefixes taken out.
struct Marked {
  std::string text;
  int underline = -1;
};

Marked stripPrefixes(std::string_view s, UINT format) {
  Marked out;
  if (format & DT_NOPREFIX) {
    out.text = s;
    return out;
  }
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&') {
      if (++i == s.size()) break;
      if (s[i] != '&' && !(format & DT_HIDEPREFIX)) out.underline = static_cast<int>(out.text.size());
    }
    out.text += s[i];
  }
  return out;
}

std::vector<std::string_view> paragraphsOf(std::string_view text, UINT format) {
  if (format & DT_SINGLELINE) return {text};
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    out.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  out.push_back(text.substr(start));
  return out;
}

class Measurer {
 public:
  Measurer(const text::Font& font, UINT format) : font_(font), expandTabs_(format & DT_EXPANDTABS) {
    int chars = (format & DT_TABSTOP) ? static_cast<int>((format >> 8) & 0xFF) : 8;
    tabWidth_ = std::max(1, chars * std::max(1, font.metrics().averageCharWidth));
  }

  bool isTab(char c) const { return expandTabs_ && c == '\t'; }

  // Splits a piece of a line at its tabs into runs placed at tab stops.
  std::vector<TextRun> runs(std::string_view s, int& width) const {
    std::vector<TextRun> out{{0, {}}};
    int pen = 0;
    for (char c : s) {
      if (isTab(c)) {
        pen = (pen / tabWidth_ + 1) * tabWidth_;
        out.push_back({pen, {}});
      } else {
        out.back().text += c;
        pen += font_.charWidth(static_cast<unsigned char>(c));
      }
    }
    width = pen;
    return out;
  }

  int width(std::string_view s) const {
    int w = 0;
    runs(s, w);
    return w;
  }

 private:
  const text::Font& font_;
  bool expandTabs_;
  int tabWidth_;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// [start, end) pieces of a paragraph, broken at blanks so each fits in
// maxWidth; a single word wider than that keeps its own line.
std::vector<std::pair<size_t, size_t>> wrap(const std::string& s, int maxWidth, const Measurer& measure) {
  std::vector<std::pair<size_t, size_t>> pieces;
  size_t start = 0;
  do {
    size_t end = start, i = start;
    while (i < s.size()) {
      size_t wordEnd = i;
      while (wordEnd < s.size() && !isBlank(s[wordEnd])) ++wordEnd;
      if (end > start && measure.width(std::string_view(s).substr(start, wordEnd - start)) > maxWidth) break;
      end = wordEnd;
      i = wordEnd;
      while (i < s.size() && isBlank(s[i])) ++i;
    }
    if (end == start) end = i;
    pieces.emplace_back(start, end);
    start = end;
    while (start < s.size() && isBlank(s[start])) ++start;
  } while (start < s.size());
  return pieces;
}

void placeUnderline(TextLine& line, int underline, size_t start, size_t end, const Measurer& measure,
                    const std::string& s) {
  if (underline < static_cast<int>(start) || underline >= static_cast<int>(end)) return;
  // A tab moves the pen; there is no character there to underline.
  if (measure.isTab(s[underline])) return;
  int run = 0, index = 0;
  for (size_t i = start; i < static_cast<size_t>(underline); ++i) {
    if (measure.isTab(s[i])) {
      ++run;
      index = 0;
    } else {
      ++index;
    }
  }
  line.underlineRun = run;
  line.underlineIndex = index;
}

void addParagraph(TextLayout& layout, std::string_view paragraph, UINT format, int maxWidth,
                  const Measurer& measure) {
  Marked marked = stripPrefixes(paragraph, format);
  std::vector<std::pair<size_t, size_t>> pieces{{0, marked.text.size()}};
  if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) pieces = wrap(marked.text, maxWidth, measure);
  for (auto [start, end] : pieces) {
    TextLine line;
    line.runs = measure.runs(std::string_view(marked.text).substr(start, end - start), line.width);
    placeUnderline(line, marked.underline, start, end, measure, marked.text);
    layout.lines.push_back(std::move(line));
  }
}

int lineLeft(const RECT& rect, UINT format, int width) {
  if (format & DT_CENTER) return (rect.left + rect.right - width) / 2;
  if (format & DT_RIGHT) return rect.right - width;
  return rect.left;
}

int firstLineTop(const RECT& rect, UINT format, int lineHeight) {
  if (!(format & DT_SINGLELINE)) return rect.top;
  if (format & DT_VCENTER) return (rect.top + rect.bottom - lineHeight) / 2;
  if (format & DT_BOTTOM) return rect.bottom - lineHeight;
  return rect.top;
}

}  // namespace

TextLayout layoutText(std::string_view text, UINT format, const RECT& rect, const text::Font& font) {
  TextLayout layout;
  const text::FontMetrics& m = font.metrics();
  layout.lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
  Measurer measure(font, format);
  for (std::string_view paragraph : paragraphsOf(text, format))
    addParagraph(layout, paragraph, format, rect.right - rect.left, measure);
  int y = firstLineTop(rect, format, layout.lineHeight);
  for (TextLine& line : layout.lines) {
    line.x = lineLeft(rect, format, line.width);
    line.y = y;
    y += layout.lineHeight;
    layout.widest = std::max(layout.widest, line.width);
  }
  bool offset = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM));
  layout.answer = offset ? y - rect.top : static_cast<int>(layout.lines.size()) * layout.lineHeight;
  return layout;
}

}  // namespace platform::gdi
