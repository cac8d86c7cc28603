#include "platform/accessibility/scroll_bar_mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/user/scroll_bars.h"

namespace platform::accessibility {
namespace {

DWORD styleOf(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

bool shows(HWND window, int bar) { return GetWindowLongPtrA(window, GWL_STYLE) & styleOf(bar); }

// Arrows both disabled (EnableScrollBar, SIF_DISABLENOSCROLL): the bar
// takes no input.
bool barEnabled(const NodeId& node) {
  user::Window* w = user::windowFrom(node.window);
  user::ScrollBars* bars = w ? user::scrollBarsOf(w, false) : nullptr;
  return !bars || bars->of(node.index).disabledArrows != ESB_DISABLE_BOTH;
}

RECT screenRectOf(const NodeId& node) {
  user::Window* w = user::windowFrom(node.window);
  if (!w) return {};
  RECT r = user::scrollBarRect(w, node.index);
  RECT frame;
  GetWindowRect(node.window, &frame);
  OffsetRect(&r, frame.left, frame.top);
  return r;
}

}  // namespace

std::vector<NodeId> scrollBarsOf(HWND window) {
  std::vector<NodeId> bars;
  for (int bar : {SB_VERT, SB_HORZ})
    if (shows(window, bar)) bars.push_back({NodeId::Kind::ScrollBar, window, nullptr, bar});
  return bars;
}

Description describeScrollBar(const NodeId& node) {
  if (!IsWindow(node.window) || !shows(node.window, node.index)) return {Role::Filler, {}, {}, kDefunct, {}};
  Description d;
  d.role = Role::ScrollBar;
  d.states = kVisible | (node.index == SB_VERT ? kVertical : kHorizontal);
  if (IsWindowVisible(node.window)) d.states |= kShowing;
  if (IsWindowEnabled(node.window) && barEnabled(node)) d.states |= kEnabled;
  d.screenRect = screenRectOf(node);
  return d;
}

// The highest value is where the last page starts, as far as a drag goes.
std::optional<ValueRange> scrollBarValue(const NodeId& node) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(node.window, node.index, &info)) return std::nullopt;
  int64_t lastPage = int64_t{info.nMax} - std::max<int64_t>(int64_t{info.nPage} - 1, 0);
  return ValueRange{static_cast<double>(info.nPos), static_cast<double>(info.nMin), static_cast<double>(lastPage), 1};
}

// The window hears the end of a drag to the new position (SB_THUMBPOSITION,
// then SB_ENDSCROLL) and moves the bar itself, as it does for a person;
// posted, so it runs in the program's loop after the screen reader has had
// its answer.
bool setScrollBarValue(const NodeId& node, double value) {
  std::optional<ValueRange> range = scrollBarValue(node);
  if (!range || !(describeScrollBar(node).states & kEnabled)) return false;
  auto position = static_cast<int>(std::lround(std::clamp(value, range->minimum, range->maximum)));
  UINT message = node.index == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
  return PostMessageA(node.window, message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), 0) &&
         PostMessageA(node.window, message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

}  // namespace platform::accessibility
