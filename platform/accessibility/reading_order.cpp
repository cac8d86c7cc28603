#include "platform/accessibility/reading_order.h"

#include <algorithm>
#include <numeric>

namespace platform::accessibility {

std::vector<size_t> readingOrder(const std::vector<RECT>& rects) {
  std::vector<size_t> order(rects.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return rects[a].top < rects[b].top; });
  auto rowStart = order.begin();
  while (rowStart != order.end()) {
    LONG rowBottom = rects[*rowStart].bottom;
    auto rowEnd = std::find_if(rowStart + 1, order.end(), [&](size_t i) { return rects[i].top >= rowBottom; });
    std::stable_sort(rowStart, rowEnd, [&](size_t a, size_t b) { return rects[a].left < rects[b].left; });
    rowStart = rowEnd;
  }
  return order;
}

}  // namespace platform::accessibility
