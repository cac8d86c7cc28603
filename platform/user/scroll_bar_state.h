// What a window's standard scroll bars hold: for each bar its range, page,
// position and which arrows are disabled. A window gets them when
// DefWindowProcA creates it with WS_VSCROLL or WS_HSCROLL, or when a
// scroll-bar call first sets either bar; both bars come into being together,
// each with the range 0 to 100.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/win32.h"

namespace platform::user {

struct ScrollBarState {
  int min = 0;
  int max = 100;
  UINT page = 0;
  int pos = 0;
  UINT disabledArrows = ESB_ENABLE_BOTH;

  // The highest position: the last page ends at max. The page is at most
  // the range's size, so the answer is never below min.
  int lastPos() const { return static_cast<int>(max - std::max<int64_t>(int64_t{page} - 1, 0)); }
  // Nothing to scroll: the page covers the range.
  bool needless() const { return min >= lastPos(); }
};

struct ScrollBars {
  ScrollBarState horizontal;
  ScrollBarState vertical;

  ScrollBarState& of(int bar) { return bar == SB_VERT ? vertical : horizontal; }
  const ScrollBarState& of(int bar) const { return bar == SB_VERT ? vertical : horizontal; }
};

}  // namespace platform::user
