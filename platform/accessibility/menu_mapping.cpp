#include "platform/accessibility/menu_mapping.h"

#include "platform/accessibility/control_family.h"
#include "platform/menus/menu.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/popup_window.h"
#include "platform/user/window.h"

namespace platform::accessibility {
namespace {

std::vector<NodeId> itemsOf(HWND window, HMENU menu) {
  std::vector<NodeId> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) items.push_back({NodeId::Kind::MenuItem, window, menu, i});
  return items;
}

// The menu's record of the item; nullptr for one gone.
const menus::MenuItem* itemOf(const NodeId& node) {
  menus::Menu* menu = menus::menuFrom(node.menu);
  if (!menu || node.index < 0 || static_cast<size_t>(node.index) >= menu->items.size()) return nullptr;
  return &menu->items[static_cast<size_t>(node.index)];
}

UINT itemState(const NodeId& node) { return GetMenuState(node.menu, static_cast<UINT>(node.index), MF_BYPOSITION); }

HMENU submenuOf(const NodeId& node) { return GetSubMenu(node.menu, node.index); }

// The window showing a menu while it is open, or nullptr.
HWND openWindowOf(HMENU menu) {
  char name[16];
  for (user::Window* w : user::allWindows())
    if (w->isTopLevel() && w->isVisible() && GetClassNameA(w->hwnd, name, sizeof name) && std::string(name) == "#32768" &&
        menus::popupMenu(w->hwnd) == menu)
      return w->hwnd;
  return nullptr;
}

RECT itemRect(const NodeId& node) {
  if (node.menu == GetMenu(node.window)) {
    std::vector<RECT> rects = menus::barItemRects(node.window);
    return static_cast<size_t>(node.index) < rects.size() ? rects[static_cast<size_t>(node.index)] : RECT{};
  }
  HWND open = openWindowOf(node.menu);
  return open ? menus::popupItemRect(open, node.index) : RECT{};
}

Role itemRole(UINT state) {
  if (state & MF_SEPARATOR) return Role::Separator;
  if (state & MF_POPUP) return Role::Menu;
  return (state & MF_CHECKED) ? Role::CheckMenuItem : Role::MenuItem;
}

// Items of the bar show while the window does; those of a drop-down menu
// only while it is open.
uint32_t itemStates(const NodeId& node, UINT state) {
  bool onBar = node.menu == GetMenu(node.window);
  uint32_t states = kVisible;
  if (onBar ? IsWindowVisible(node.window) : openWindowOf(node.menu) != nullptr) states |= kShowing;
  if (!(state & (MF_GRAYED | MF_DISABLED))) states |= kEnabled;
  if (state & MF_CHECKED) states |= kCheckable | kChecked;
  if ((state & MF_POPUP) && openWindowOf(submenuOf(node))) states |= kSelected;
  return states;
}

std::optional<NodeId> holderOf(HWND window, HMENU menu, HMENU wanted) {
  for (const NodeId& item : itemsOf(window, menu)) {
    HMENU sub = submenuOf(item);
    if (!sub) continue;
    if (sub == wanted) return item;
    if (std::optional<NodeId> deeper = holderOf(window, sub, wanted)) return deeper;
  }
  return std::nullopt;
}

bool choosable(const NodeId& node) {
  return node.kind == NodeId::Kind::MenuItem && !(itemState(node) & MF_SEPARATOR);
}

}  // namespace

std::vector<NodeId> menuBarOf(HWND window) {
  if (!GetMenu(window)) return {};
  return {{NodeId::Kind::MenuBar, window, GetMenu(window), 0}};
}

std::vector<NodeId> menuChildren(const NodeId& node) {
  if (node.kind == NodeId::Kind::MenuBar) return itemsOf(node.window, node.menu);
  HMENU sub = submenuOf(node);
  return sub ? itemsOf(node.window, sub) : std::vector<NodeId>{};
}

Description describeMenuNode(const NodeId& node) {
  Description d;
  if (node.kind == NodeId::Kind::MenuBar) {
    d.role = Role::MenuBar;
    d.states = kEnabled | kVisible | (IsWindowVisible(node.window) ? uint32_t{kShowing} : 0u);
    for (const RECT& r : menus::barItemRects(node.window)) UnionRect(&d.screenRect, &d.screenRect, &r);
    return d;
  }
  const menus::MenuItem* item = itemOf(node);
  if (!item) return {Role::Filler, {}, {}, kDefunct, {}};
  UINT state = itemState(node);
  d.role = itemRole(state);
  d.name = withoutMnemonic(item->label());
  d.keyBinding = item->acceleratorText();
  d.states = itemStates(node, state);
  d.screenRect = itemRect(node);
  return d;
}

std::vector<std::string> menuActions(const NodeId& node) {
  if (!choosable(node)) return {};
  return {"click"};
}

// A menu on the bar opens as Alt and its letter open it; an item is chosen
// as the menu chooses one, with its WM_COMMAND posted to the window, whether
// its menu is open or not. A disabled item cannot be chosen.
bool actOnMenu(const NodeId& node, size_t action) {
  if (action != 0 || !choosable(node) || !(describeMenuNode(node).states & kEnabled)) return false;
  if (submenuOf(node)) {
    int letter = itemOf(node)->mnemonic();
    return node.menu == GetMenu(node.window) && letter &&
           PostMessageA(node.window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(letter));
  }
  UINT id = GetMenuItemID(node.menu, node.index);
  return PostMessageA(node.window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::optional<NodeId> menuParent(const NodeId& node) {
  if (node.kind == NodeId::Kind::MenuBar) return NodeId{NodeId::Kind::Window, node.window, nullptr, 0};
  HMENU bar = GetMenu(node.window);
  if (node.menu == bar) return menuBarOf(node.window).front();
  return holderOf(node.window, bar, node.menu);
}

}  // namespace platform::accessibility
