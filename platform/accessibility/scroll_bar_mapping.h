// A window's standard scroll bars: a scroll bar node for each bar the
// window shows, horizontal or vertical, its value the bar's position
// within the positions a person can scroll to.
#pragma once

#include <optional>
#include <vector>

#include "platform/accessibility/accessible_tree.h"

namespace platform::accessibility {

std::vector<NodeId> scrollBarsOf(HWND window);
Description describeScrollBar(const NodeId& node);
std::optional<ValueRange> scrollBarValue(const NodeId& node);
// Moves the bar as a person's drag of its thumb would.
bool setScrollBarValue(const NodeId& node, double value);

}  // namespace platform::accessibility
