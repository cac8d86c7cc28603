// Menus: a window's menu bar, its menus and their items, named without
// "&", with their accelerator texts, enabled and checked states, the open
// menu's items showing, and "click" choosing an item or opening a menu.
#pragma once

#include <string>
#include <vector>

#include "platform/accessibility/accessible_tree.h"

namespace platform::accessibility {

// The bar's node, or nothing for a window without a menu bar.
std::vector<NodeId> menuBarOf(HWND window);
std::vector<NodeId> menuChildren(const NodeId& node);
Description describeMenuNode(const NodeId& node);
std::vector<std::string> menuActions(const NodeId& node);
bool actOnMenu(const NodeId& node, size_t action);
// The node holding a menu item's node: the bar, or the item opening its menu.
std::optional<NodeId> menuParent(const NodeId& node);

}  // namespace platform::accessibility
