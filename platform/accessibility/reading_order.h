// The order a person reads a window in: rows from top to bottom, each row
// from left to right. Items whose heights overlap the row's first item
// share its row, so a box a few pixels lower than its neighbour is still
// read beside it.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::accessibility {

// Indices into rects, in reading order.
std::vector<size_t> readingOrder(const std::vector<RECT>& rects);

}  // namespace platform::accessibility
