// The tree of the program's windows: frames, their controls (control_family.h),
// the texts they draw themselves (drawn_items.h), their menus
// (menu_mapping.h) and their standard scroll bars (scroll_bar_mapping.h).
#include <algorithm>
#include <string_view>

#include "platform/accessibility/accessible_tree.h"
#include "platform/accessibility/control_family.h"
#include "platform/accessibility/control_font.h"
#include "platform/accessibility/drawn_items.h"
#include "platform/accessibility/edit_text.h"
#include "platform/accessibility/menu_mapping.h"
#include "platform/accessibility/reading_order.h"
#include "platform/accessibility/scroll_bar_mapping.h"
#include "platform/user/window.h"

namespace platform::accessibility {
namespace {

using Kind = NodeId::Kind;

NodeId windowNode(HWND window) { return {Kind::Window, window, nullptr, 0}; }

bool isMenuWindow(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return std::string_view(name) == "#32768";
}

bool isChild(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD; }

// What a window's own state says, whatever it shows.
uint32_t windowStates(HWND window) {
  auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  uint32_t states = 0;
  if (!(style & WS_DISABLED)) states |= kEnabled;
  if (style & WS_VISIBLE) states |= kVisible;
  if (IsWindowVisible(window)) states |= kShowing;
  if (GetFocus() == window) states |= kFocused;
  if (!isChild(window) && GetActiveWindow() == window) states |= kActive;
  return states;
}

Description describeWindow(HWND window) {
  Description d;
  if (const ControlFamily* family = familyOf(window)) {
    d = family->describe(window);
    if (std::string given = givenName(window); !given.empty()) d.name = given;
  } else if (!isChild(window)) {
    d.role = Role::Frame;
    d.name = windowText(window);
  } else {
    d.role = Role::Panel;
  }
  d.states |= windowStates(window);
  GetWindowRect(window, &d.screenRect);
  return d;
}

std::optional<DRAWNITEM> drawnItem(const NodeId& node) {
  std::vector<DRAWNITEM> items = drawnItems(node.window);
  if (static_cast<size_t>(node.index) >= items.size()) return std::nullopt;
  return items[static_cast<size_t>(node.index)];
}

// Read as a label: its name the owner's for it, or else the text shown.
Description describeDrawn(const NodeId& node) {
  Description d;
  d.role = Role::Label;
  std::optional<DRAWNITEM> item = drawnItem(node);
  if (!item) {
    d.states = kDefunct;
    return d;
  }
  d.name = item->szName[0] ? item->szName : item->szText;
  d.states = kEnabled | kVisible | (IsWindowVisible(node.window) ? uint32_t{kShowing} : 0u);
  d.screenRect = item->rcItem;
  return d;
}

std::vector<NodeId> childWindows(HWND window) {
  std::vector<NodeId> children;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(windowNode(c));
  return children;
}

HWND topLevelOf(HWND window) {
  while (window && isChild(window)) window = GetParent(window);
  return window;
}

// A shown child at a screen point that is no control, or nullptr.
HWND panelAt(HWND window, POINT point) {
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT area;
    GetWindowRect(c, &area);
    if (IsWindowVisible(c) && !familyOf(c) && PtInRect(&area, point)) return c;
  }
  return nullptr;
}

// The window a drawn text is drawn in: the innermost window under its
// centre that is not a control (a view's own window, or the frame).
HWND homeOf(HWND top, const RECT& r) {
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  HWND home = top;
  while (HWND inner = panelAt(home, centre)) home = inner;
  return home;
}

std::vector<NodeId> drawnNodes(HWND window) {
  std::vector<NodeId> nodes;
  HWND top = topLevelOf(window);
  std::vector<DRAWNITEM> items = drawnItems(top);
  for (size_t i = 0; i < items.size(); ++i)
    if (!items[i].hwndItem && homeOf(top, items[i].rcItem) == window)
      nodes.push_back({Kind::DrawnItem, top, nullptr, static_cast<int>(i)});
  return nodes;
}

bool isMenuNode(const NodeId& node) { return node.kind == Kind::MenuBar || node.kind == Kind::MenuItem; }

class WindowTree final : public Tree {
 public:
  std::vector<NodeId> topLevels() override {
    std::vector<NodeId> frames;
    for (user::Window* w : user::allWindows())
      if (w->isTopLevel() && w->isVisible() && !isMenuWindow(w->hwnd)) frames.push_back(windowNode(w->hwnd));
    std::sort(frames.begin(), frames.end());
    return frames;
  }

  std::optional<NodeId> parent(const NodeId& node) override {
    if (isMenuNode(node)) return menuParent(node);
    if (node.kind == Kind::ScrollBar) return windowNode(node.window);
    if (node.kind == Kind::DrawnItem) {
      std::optional<DRAWNITEM> item = drawnItem(node);
      return windowNode(item ? homeOf(node.window, item->rcItem) : node.window);
    }
    if (!IsWindow(node.window) || !isChild(node.window)) return std::nullopt;
    return windowNode(GetParent(node.window));
  }

  std::vector<NodeId> children(const NodeId& node) override {
    if (isMenuNode(node)) return menuChildren(node);
    if (node.kind != Kind::Window || !IsWindow(node.window)) return {};
    std::vector<NodeId> nodes = menuBarOf(node.window);
    std::vector<NodeId> windows = childWindows(node.window);
    nodes.insert(nodes.end(), windows.begin(), windows.end());
    std::vector<NodeId> bars = scrollBarsOf(node.window);
    nodes.insert(nodes.end(), bars.begin(), bars.end());
    if (!familyOf(node.window)) {
      std::vector<NodeId> drawn = drawnNodes(node.window);
      nodes.insert(nodes.end(), drawn.begin(), drawn.end());
    }
    return inReadingOrder(nodes);
  }

  Description describe(const NodeId& node) override {
    if (isMenuNode(node)) return describeMenuNode(node);
    if (node.kind == Kind::DrawnItem) return describeDrawn(node);
    if (node.kind == Kind::ScrollBar) return describeScrollBar(node);
    if (!IsWindow(node.window)) return {Role::Filler, {}, {}, kDefunct, {}};
    return describeWindow(node.window);
  }

  std::vector<std::string> actions(const NodeId& node) override {
    if (isMenuNode(node)) return menuActions(node);
    const ControlFamily* family = controlOf(node);
    return family ? family->actions(node.window) : std::vector<std::string>{};
  }

  bool act(const NodeId& node, size_t action) override {
    if (isMenuNode(node)) return actOnMenu(node, action);
    const ControlFamily* family = controlOf(node);
    return family && family->act(node.window, action);
  }

  bool grabFocus(const NodeId& node) override {
    if (!controlOf(node) || !(describe(node).states & kFocusable)) return false;
    SetFocus(node.window);
    return GetFocus() == node.window;
  }

  bool hasText(const NodeId& node) override {
    if (node.kind == Kind::DrawnItem) return true;
    const ControlFamily* family = controlOf(node);
    return family == &editFamily() || family == &staticFamily();
  }

  bool isEditableText(const NodeId& node) override { return controlOf(node) == &editFamily(); }

  std::string text(const NodeId& node) override {
    if (node.kind == Kind::DrawnItem) {
      std::optional<DRAWNITEM> item = drawnItem(node);
      return item ? item->szText : "";
    }
    if (controlOf(node) == &staticFamily()) return describe(node).name;
    return isEditableText(node) ? shownEditText(node.window) : "";
  }

  int caret(const NodeId& node) override { return selection(node).second; }

  std::pair<int, int> selection(const NodeId& node) override {
    if (!isEditableText(node)) return {0, 0};
    return editSelection(node.window);
  }

  bool select(const NodeId& node, int start, int end) override {
    return isEditableText(node) && selectInEdit(node.window, start, end);
  }

  bool replace(const NodeId& node, int start, int end, const std::string& with) override {
    return isEditableText(node) && replaceInEdit(node.window, start, end, with);
  }

  RECT characterBox(const NodeId& node, int offset) override {
    return isEditableText(node) ? editCharacterBox(node.window, offset) : RECT{};
  }

  int offsetAtPoint(const NodeId& node, POINT screen) override {
    return isEditableText(node) ? editOffsetAt(node.window, screen) : -1;
  }

  // Drawn texts are in their owner's font, which it does not tell.
  TextFont textFont(const NodeId& node) override { return controlOf(node) ? textFontOf(node.window) : TextFont{}; }

  std::optional<ValueRange> value(const NodeId& node) override {
    if (node.kind != Kind::ScrollBar) return std::nullopt;
    return scrollBarValue(node);
  }

  bool setValue(const NodeId& node, double value) override {
    return node.kind == Kind::ScrollBar && setScrollBarValue(node, value);
  }

 private:
  static const ControlFamily* controlOf(const NodeId& node) {
    if (node.kind != Kind::Window || !IsWindow(node.window)) return nullptr;
    return familyOf(node.window);
  }

  std::vector<NodeId> inReadingOrder(const std::vector<NodeId>& nodes) {
    std::vector<RECT> rects;
    for (const NodeId& n : nodes) rects.push_back(describe(n).screenRect);
    std::vector<NodeId> ordered;
    for (size_t i : readingOrder(rects)) ordered.push_back(nodes[i]);
    return ordered;
  }
};

}  // namespace

Tree& windowTree() {
  static WindowTree tree;
  return tree;
}

}  // namespace platform::accessibility
