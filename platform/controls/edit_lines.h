// Where the text of an edit control breaks into lines, and where each
// character of a line lies: pure computation over a font's widths.
//
// Lines end at CR LF; with a wrap width, a line that would grow past it also
// breaks after its last blank that fits (blanks may hang past the edge), or,
// for a single word wider than the width, between characters. A position
// where a line wraps belongs to the line it starts.
#pragma once

#include <string_view>
#include <vector>

#include "platform/text/font.h"

namespace platform::controls {

struct EditLine {
  size_t start = 0;
  size_t length = 0;  // without the CR LF that may end it
  size_t end() const { return start + length; }
};

// Every line of text; always at least one. wrapWidth 0: no wrapping;
// multiline false: the whole text is one line.
std::vector<EditLine> layoutLines(std::string_view text, const text::Font& font, int wrapWidth, bool multiline);

// The line holding pos.
size_t lineOf(const std::vector<EditLine>& lines, size_t pos);

// Pixels from the line's start to pos (clamped to the line).
int offsetOf(std::string_view text, const EditLine& line, size_t pos, const text::Font& font);

// The position in line nearest to x pixels from the line's start.
size_t positionAt(std::string_view text, const EditLine& line, int x, const text::Font& font);

}  // namespace platform::controls
