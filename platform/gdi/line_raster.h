// Which pixels a line covers.
//
// One-pixel lines follow the grid-intersection (diamond) convention: one
// pixel per column for lines flatter than 45 degrees, one per row for
// steeper ones, the start pixel included and the end pixel left out. Where
// the line passes exactly half-way between two pixels the upper one (for
// flat lines) or the left one (for steep lines) is lit, whichever way the
// line runs.
//
// Wider lines are the pixels whose centres lie within half the width of the
// segment: a stroke with round ends, returned as one run per row.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::gdi {

std::vector<POINT> thinLinePixels(POINT from, POINT to);

struct RowRun {
  int y;
  int left;   // first pixel
  int right;  // one past the last
};
std::vector<RowRun> wideLineRuns(POINT from, POINT to, int width);

}  // namespace platform::gdi
