// DrawTextA's layout: where each line of a text goes in a rectangle, for a
// given font and DT_ format. Pure computation; drawing is draw_text.cpp's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/text/font.h"
#include "platform/win32.h"

namespace platform::gdi {

// A piece of a line drawn at one horizontal offset (tabs start new runs).
struct TextRun {
  int offset = 0;
  std::string text;
};

struct TextLine {
  std::vector<TextRun> runs;
  int width = 0;
  int x = 0;  // left edge, logical coordinates
  int y = 0;  // top of the line's cell
  // The character underlined by a '&' prefix: its run, index in the run.
  int underlineRun = -1;
  int underlineIndex = -1;
};

struct TextLayout {
  std::vector<TextLine> lines;
  int lineHeight = 0;
  int widest = 0;
  // DrawTextA's answer: the height of the text, or with DT_VCENTER or
  // DT_BOTTOM the offset from the rectangle's top to the text's bottom.
  int answer = 0;
};

TextLayout layoutText(std::string_view text, UINT format, const RECT& rect, const text::Font& font);

}  // namespace platform::gdi
