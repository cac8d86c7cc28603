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
AtkStateSet* atkStatesOf(uint32_t states);

// The object type for nodes with the given interfaces.
GType nodeType(bool actions, bool text, bool editable);
GType applicationType();

}  // namespace platform::accessibility::atk
