// What a screen reader sees of the program: the top-level windows, their
// controls, menus and the texts their owners draw themselves, each as a node
// with a role, a name, states, actions and, for edits, text.
//
// Nodes are read anew at every question from the windows and menus they
// stand for (Win32 calls only), so the tree can never hold a stale copy;
// a node whose window or menu is gone answers as an empty, defunct one.
// The mapping follows Windows' own for its standard controls: one file per
// control family (button_mapping.cpp, edit_mapping.cpp, static_mapping.cpp,
// menu_mapping.cpp), the frame and the drawn items in window_mapping.cpp.
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
  Text,
  Label,
  MenuBar,
  Menu,
  MenuItem,
  CheckMenuItem,
  Separator,
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
};

// A window (a frame or a control), a text its window draws itself (index
// in the owner's answer to WM_GETDRAWNITEMS), a window's menu bar, or an
// item of a menu (index its position).
struct NodeId {
  enum class Kind : uint8_t { Window, DrawnItem, MenuBar, MenuItem };
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

  // Text, for nodes that hold one (edits; labels read their name).
  virtual bool hasText(const NodeId& node) = 0;
  virtual bool isEditableText(const NodeId& node) = 0;
  virtual std::string text(const NodeId& node) = 0;
  // Character offsets; the selection's start equals its end when empty.
  virtual int caret(const NodeId& node) = 0;
  virtual std::pair<int, int> selection(const NodeId& node) = 0;
  virtual bool select(const NodeId& node, int start, int end) = 0;
  // Changes as typing would make them (EN_UPDATE, EN_CHANGE).
  virtual bool replace(const NodeId& node, int start, int end, const std::string& with) = 0;
};

// The tree of this process's windows.
Tree& windowTree();

}  // namespace platform::accessibility
