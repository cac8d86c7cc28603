#include "platform/controls/edit_lines.h"

#include <algorithm>

namespace platform::controls {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int widthOf(const text::Font& font, char c) { return font.charWidth(static_cast<unsigned char>(c)); }

// The end of the line starting at start within [start, to): as many
// characters as fit in width, cut back to the last blank when a word would
// be split.
size_t wrapEnd(std::string_view text, size_t start, size_t to, const text::Font& font, int width) {
  size_t end = start, afterBlank = start;
  for (int used = 0; end < to; ++end) {
    int w = widthOf(font, text[end]);
    if (used + w > width && !isBlank(text[end])) break;
    used += w;
    if (isBlank(text[end])) afterBlank = end + 1;
  }
  if (end == to) return to;
  if (afterBlank > start) return afterBlank;
  return std::max(end, start + 1);
}

void addParagraph(std::vector<EditLine>& lines, std::string_view text, size_t from, size_t to,
                  const text::Font& font, int wrapWidth) {
  size_t start = from;
  do {
    size_t end = wrapWidth > 0 ? wrapEnd(text, start, to, font, wrapWidth) : to;
    lines.push_back({start, end - start});
    start = end;
  } while (start < to);
}

}  // namespace

std::vector<EditLine> layoutLines(std::string_view text, const text::Font& font, int wrapWidth, bool multiline) {
  if (!multiline) return {{0, text.size()}};
  std::vector<EditLine> lines;
  size_t from = 0;
  for (;;) {
    size_t breakAt = text.find("\r\n", from);
    size_t to = breakAt == std::string_view::npos ? text.size() : breakAt;
    addParagraph(lines, text, from, to, font, wrapWidth);
    if (breakAt == std::string_view::npos) return lines;
    from = breakAt + 2;
  }
}

size_t lineOf(const std::vector<EditLine>& lines, size_t pos) {
  auto after = std::upper_bound(lines.begin(), lines.end(), pos,
                                [](size_t p, const EditLine& line) { return p < line.start; });
  return after == lines.begin() ? 0 : static_cast<size_t>(after - lines.begin()) - 1;
}

int offsetOf(std::string_view text, const EditLine& line, size_t pos, const text::Font& font) {
  size_t end = std::clamp(pos, line.start, line.end());
  return font.textWidth(text.substr(line.start, end - line.start));
}

size_t positionAt(std::string_view text, const EditLine& line, int x, const text::Font& font) {
  int used = 0;
  for (size_t pos = line.start; pos < line.end(); ++pos) {
    int w = widthOf(font, text[pos]);
    if (x < used + w / 2) return pos;
    used += w;
  }
  return line.end();
}

}  // namespace platform::controls
