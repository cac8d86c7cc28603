// What a screen reader sees of the program: the top-level windows, their
// controls, menus and the texts their owners draw themselves, each as a node
// with a role, a name, states, actions and, for edits, text.
//
// Nodes are read anew at every question from the windows and menus they
// stand for (Win32 calls only), so the tree can never hold a stale copy;
// a node whose window or menu is gone answers as an empty, defunct one.
// The mapping follows Windows' own for its standard controls: one file per
// control family (button_mapping.cpp, edit_mapping.cpp, static_mapping.cpp,
// menu_mapping.cpp, scroll_bar_mapping.cpp), the frame and the drawn items
// in window_tree.cpp.
//
// The bridge to the desktop's accessibility bus (loaded only when there is
// one, bridge_loader.h) reaches the tree through the virtual Tree interface
// alone, so the loaded module needs no symbol of the program.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::accessibility {

enum class Role {
  Frame,
  PushButton,
  CheckBox,
  RadioButton,
  Panel,
  Entry,
  PasswordText,
  Text,
  Label,
  MenuBar,
  Menu,
  MenuItem,
  CheckMenuItem,
  Separator,
  ScrollBar,
  Filler,
};

enum State : uint32_t {
  kEnabled = 1u << 0,
  kVisible = 1u << 1,
  kShowing = 1u << 2,
  kFocusable = 1u << 3,
  kFocused = 1u << 4,
  kCheckable = 1u << 5,
  kChecked = 1u << 6,
  kEditable = 1u << 7,
  kReadOnly = 1u << 8,
  kSingleLine = 1u << 9,
  kMultiLine = 1u << 10,
  kActive = 1u << 11,
  kSelected = 1u << 12,
  kDefunct = 1u << 13,
  kHorizontal = 1u << 14,
  kVertical = 1u << 15,
};

// A window (a frame or a control), a text its window draws itself (index
// in the owner's answer to WM_GETDRAWNITEMS), a window's menu bar, an
// item of a menu (index its position), or a window's standard scroll bar
// (index SB_HORZ or SB_VERT).
struct NodeId {
  enum class Kind : uint8_t { Window, DrawnItem, MenuBar, MenuItem, ScrollBar };
  Kind kind = Kind::Window;
  HWND window = nullptr;
  HMENU menu = nullptr;
  int index = 0;
  auto operator<=>(const NodeId&) const = default;
};

struct Description {
  Role role = Role::Filler;
  std::string name;
  // What a person reads beside the name: a menu item's accelerator text.
  std::string keyBinding;
  uint32_t states = 0;
  RECT screenRect{};
};

// A value within a range (a scroll bar's position).
struct ValueRange {
  double current = 0;
  double minimum = 0;
  double maximum = 0;
  double increment = 0;
};

// The font a text is shown in: its face, its size in points, its weight
// (400 normal, 700 bold).
struct TextFont {
  std::string family;
  int points = 0;
  int weight = 0;
};

class Tree {
 public:
  virtual ~Tree() = default;
  // The shown top-level windows of the program, menus' windows excluded.
  virtual std::vector<NodeId> topLevels() = 0;
  // A top-level window has none.
  virtual std::optional<NodeId> parent(const NodeId& node) = 0;
  // In the order a person reads them: top to bottom, left to right.
  virtual std::vector<NodeId> children(const NodeId& node) = 0;
  virtual Description describe(const NodeId& node) = 0;
  // The node's actions by name ("click"); empty when it has none.
  virtual std::vector<std::string> actions(const NodeId& node) = 0;
  // Does what a person's input would; false for no such action.
  virtual bool act(const NodeId& node, size_t action) = 0;
  virtual bool grabFocus(const NodeId& node) = 0;

  // Text, for nodes that hold one (edits; labels read their name). A
  // password edit's text is what it shows: its password characters.
  virtual bool hasText(const NodeId& node) = 0;
  virtual bool isEditableText(const NodeId& node) = 0;
  virtual std::string text(const NodeId& node) = 0;
  // Character offsets; the selection's start equals its end when empty.
  virtual int caret(const NodeId& node) = 0;
  virtual std::pair<int, int> selection(const NodeId& node) = 0;
  virtual bool select(const NodeId& node, int start, int end) = 0;
  // Changes as typing would make them (EN_UPDATE, EN_CHANGE).
  virtual bool replace(const NodeId& node, int start, int end, const std::string& with) = 0;
  // Where a character is shown, on the screen; empty for an offset outside
  // the text.
  virtual RECT characterBox(const NodeId& node, int offset) = 0;
  // The offset of the character shown at a screen point; -1 for none.
  virtual int offsetAtPoint(const NodeId& node, POINT screen) = 0;
  virtual TextFont textFont(const NodeId& node) = 0;

  // A value, for nodes that hold one (scroll bars).
  virtual std::optional<ValueRange> value(const NodeId& node) = 0;
  // Sets it as a person's input would; false for a node without one.
  virtual bool setValue(const NodeId& node, double value) = 0;
};

// The tree of this process's windows.
Tree& windowTree();

}  // namespace platform::accessibility
