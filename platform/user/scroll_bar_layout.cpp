#include "platform/user/scroll_bar_layout.h"

#include <algorithm>
#include <cstdint>

namespace platform::user {
namespace {

// The shortest thumb a page may give, so that it stays easy to take.
constexpr int kMinimumThumb = 8;

int64_t span(const ScrollBarState& s) { return static_cast<int64_t>(s.max) - s.min + 1; }

int thumbLengthFor(const ScrollBarState& s, int track) {
  if (s.page == 0) return GetSystemMetrics(SM_CYVTHUMB);
  return std::max(kMinimumThumb, static_cast<int>(track * static_cast<int64_t>(s.page) / span(s)));
}

}  // namespace

RECT ScrollBarLayout::partRect(ScrollPart part) const {
  int from = 0, to = 0;
  int end = length();
  // Without a thumb the track splits in its middle.
  int upEnd = thumbLength ? thumbStart : end / 2, downStart = thumbLength ? thumbStart + thumbLength : end / 2;
  switch (part) {
    case ScrollPart::LineUp: to = arrow; break;
    case ScrollPart::LineDown: from = end - arrow; to = end; break;
    case ScrollPart::Thumb: from = thumbStart; to = thumbStart + thumbLength; break;
    case ScrollPart::PageUp: from = arrow; to = upEnd; break;
    case ScrollPart::PageDown: from = downStart; to = end - arrow; break;
    case ScrollPart::None: return {};
  }
  if (to <= from) return {};
  if (vertical) return {bar.left, bar.top + from, bar.right, bar.top + to};
  return {bar.left + from, bar.top, bar.left + to, bar.bottom};
}

ScrollPart ScrollBarLayout::partAt(POINT p) const {
  if (p.x < bar.left || p.x >= bar.right || p.y < bar.top || p.y >= bar.bottom) return ScrollPart::None;
  int at = along(p);
  if (at < arrow) return ScrollPart::LineUp;
  if (at >= length() - arrow) return ScrollPart::LineDown;
  if (!thumbLength) return at < length() / 2 ? ScrollPart::PageUp : ScrollPart::PageDown;
  if (at < thumbStart) return ScrollPart::PageUp;
  if (at < thumbStart + thumbLength) return ScrollPart::Thumb;
  return ScrollPart::PageDown;
}

// Arrows take their metric's length, or half the bar when it is shorter
// than two of them. A disabled bar, and a track too short for the thumb,
// show no thumb.
ScrollBarLayout scrollBarLayout(const RECT& bar, bool vertical, const ScrollBarState& state, int position) {
  ScrollBarLayout layout;
  layout.bar = bar;
  layout.vertical = vertical;
  layout.arrow = std::min(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), layout.length() / 2);
  int track = layout.length() - 2 * layout.arrow;
  int thumb = thumbLengthFor(state, track);
  if (state.disabledArrows == ESB_DISABLE_BOTH || thumb > track) return layout;
  layout.thumbLength = thumb;
  int room = track - thumb;
  int last = state.lastPos();
  int offset = state.min >= last ? 0 : static_cast<int>(room * (static_cast<int64_t>(position) - state.min) / (static_cast<int64_t>(last) - state.min));
  layout.thumbStart = layout.arrow + std::clamp(offset, 0, room);
  return layout;
}

int positionOfThumb(const ScrollBarLayout& layout, const ScrollBarState& state, int thumbStart) {
  int room = layout.length() - 2 * layout.arrow - layout.thumbLength;
  int last = state.lastPos();
  if (room <= 0 || state.min >= last) return state.min;
  int offset = std::clamp(thumbStart - layout.arrow, 0, room);
  // Rounded to the nearest position, so that a thumb put back where a
  // position draws it stands for that position again.
  int64_t range = static_cast<int64_t>(last) - state.min;
  return state.min + static_cast<int>((offset * range + room / 2) / room);
}

}  // namespace platform::user
