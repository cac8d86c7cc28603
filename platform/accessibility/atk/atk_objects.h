// The bridge's ATK objects: the application's root, and one object per
// node of the window tree, made when first asked for and kept until the
// node's window goes. Each object reads its node anew at every question;
// it caches only what event diffs need (its last states and text).
#pragma once

#include <atk/atk.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/accessibility/accessible_tree.h"

namespace platform::accessibility::atk {

struct NodeData {
  NodeId id;
  // Storage for the strings ATK borrows from the object.
  std::string name;
  std::string keyBinding;
  std::vector<std::string> actions;
  // What events are told against; the parent as it was when the object
  // was made, for telling it of the node's end.
  uint32_t states = 0;
  std::optional<NodeId> parent;
  std::string text;
};

class Objects {
 public:
  Objects(Tree& tree, std::string applicationName);
  Tree& tree() { return tree_; }
  const std::string& applicationName() const { return applicationName_; }
  AtkObject* root();
  // Borrowed: the registry holds the reference.
  AtkObject* objectFor(const NodeId& node);
  // nullptr when none was made.
  AtkObject* existing(const NodeId& node);
  void forget(const NodeId& node);
  std::vector<AtkObject*> all();

 private:
  Tree& tree_;
  std::string applicationName_;
  AtkObject* root_ = nullptr;
  std::map<NodeId, AtkObject*> made_;
};

// The one registry of the bridge, once started.
Objects& objects();
void makeObjects(Tree& tree, std::string applicationName);

NodeData& dataOf(AtkObject* object);
// The parent object of a node: its parent node's, or the root's.
AtkObject* parentObjectOf(const NodeId& node);
AtkRole atkRoleOf(Role role);
// The screen point coordinates of the kind asked for count from: the
// top-level window's corner (ATK_XY_WINDOW), the parent's (ATK_XY_PARENT),
// or the screen's.
POINT coordinateOrigin(const NodeId& node, AtkCoordType coordinates);
// A node's screen rectangle in the coordinates asked for.
RECT inCoordinates(const NodeId& node, RECT screen, AtkCoordType coordinates);
AtkStateSet* atkStatesOf(uint32_t states);

// What a node's object answers beyond AtkObject and AtkComponent:
// AtkAction, AtkText, AtkEditableText, AtkValue, and AtkWindow for the
// top-level windows (whose activate and deactivate signals tell the focus
// moving between programs).
struct Interfaces {
  bool actions = false;
  bool text = false;
  bool editable = false;
  bool value = false;
  bool window = false;
};

// The object type for nodes with the given interfaces.
GType nodeType(const Interfaces& interfaces);
GType applicationType();

}  // namespace platform::accessibility::atk
