// Where the parts of a standard scroll bar lie: an arrow button at each
// end, the track between them, and the thumb in the track, sized by the
// page and placed by the position. Measured along the bar from its
// top or left edge, in the same coordinates as the bar's rectangle.
#pragma once

#include "platform/user/scroll_bar_state.h"
#include "platform/win32.h"

namespace platform::user {

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct ScrollBarLayout {
  RECT bar{};
  bool vertical = true;
  int arrow = 0;       // each arrow button's length
  int thumbStart = 0;  // from the bar's start; 0 with no thumb
  int thumbLength = 0; // 0 when the bar shows no thumb

  int length() const { return vertical ? bar.bottom - bar.top : bar.right - bar.left; }
  // The rectangle of a part (empty for None, and for the thumb when there
  // is none).
  RECT partRect(ScrollPart part) const;
  // The part under a point, None outside the bar.
  ScrollPart partAt(POINT p) const;
  // The point's distance from the bar's start.
  int along(POINT p) const { return vertical ? p.y - bar.top : p.x - bar.left; }
};

// The layout of a bar whose thumb stands at position (its position, or the
// tracking position while the thumb is dragged).
ScrollBarLayout scrollBarLayout(const RECT& bar, bool vertical, const ScrollBarState& state, int position);

// The position a thumb starting at thumbStart stands for, inside the range.
int positionOfThumb(const ScrollBarLayout& layout, const ScrollBarState& state, int thumbStart);

}  // namespace platform::user
