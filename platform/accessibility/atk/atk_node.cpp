// The object type of tree nodes: AtkObject's questions and AtkComponent's
// answered from the node, and AtkAction's for nodes with actions. Text
// nodes add atk_text.cpp's interfaces, nodes with a value atk_value.cpp's.
#include <map>
#include <new>

#include "platform/accessibility/atk/atk_objects.h"
#include "platform/accessibility/atk/atk_text.h"
#include "platform/accessibility/atk/atk_value.h"

namespace platform::accessibility::atk {
namespace {

struct Node {
  AtkObject parent;
  NodeData* data;
};

Node* nodeOf(gpointer object) { return reinterpret_cast<Node*>(object); }

Tree& tree() { return objects().tree(); }

const NodeId& idOf(gpointer object) { return nodeOf(object)->data->id; }

// --- AtkObject -------------------------------------------------------------

const gchar* nodeName(AtkObject* object) {
  NodeData& data = dataOf(object);
  data.name = tree().describe(data.id).name;
  return data.name.c_str();
}

AtkObject* nodeParent(AtkObject* object) { return parentObjectOf(idOf(object)); }

gint nodeChildCount(AtkObject* object) { return static_cast<gint>(tree().children(idOf(object)).size()); }

AtkObject* nodeChild(AtkObject* object, gint i) {
  std::vector<NodeId> children = tree().children(idOf(object));
  if (i < 0 || static_cast<size_t>(i) >= children.size()) return nullptr;
  return ATK_OBJECT(g_object_ref(objects().objectFor(children[static_cast<size_t>(i)])));
}

gint nodeIndexInParent(AtkObject* object) {
  const NodeId& id = idOf(object);
  std::optional<NodeId> parent = tree().parent(id);
  std::vector<NodeId> siblings = parent ? tree().children(*parent) : tree().topLevels();
  for (size_t i = 0; i < siblings.size(); ++i)
    if (siblings[i] == id) return static_cast<gint>(i);
  return -1;
}

AtkRole nodeRole(AtkObject* object) { return atkRoleOf(tree().describe(idOf(object)).role); }

AtkStateSet* nodeStates(AtkObject* object) { return atkStatesOf(tree().describe(idOf(object)).states); }

void nodeInit(GTypeInstance* instance, gpointer) { nodeOf(instance)->data = new NodeData; }

GObjectClass* gNodeParentClass = nullptr;

void nodeFinalize(GObject* object) {
  delete nodeOf(object)->data;
  gNodeParentClass->finalize(object);
}

void nodeClassInit(gpointer klass, gpointer) {
  gNodeParentClass = G_OBJECT_CLASS(g_type_class_peek_parent(klass));
  G_OBJECT_CLASS(klass)->finalize = nodeFinalize;
  auto* k = ATK_OBJECT_CLASS(klass);
  k->get_name = nodeName;
  k->get_parent = nodeParent;
  k->get_n_children = nodeChildCount;
  k->ref_child = nodeChild;
  k->get_index_in_parent = nodeIndexInParent;
  k->get_role = nodeRole;
  k->ref_state_set = nodeStates;
}

// --- AtkComponent ----------------------------------------------------------

void extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coordinates) {
  const NodeId& id = idOf(component);
  RECT r = inCoordinates(id, tree().describe(id).screenRect, coordinates);
  *x = r.left;
  *y = r.top;
  *width = r.right - r.left;
  *height = r.bottom - r.top;
}

gboolean grabFocus(AtkComponent* component) { return tree().grabFocus(idOf(component)); }

void componentInit(gpointer iface, gpointer) {
  auto* i = static_cast<AtkComponentIface*>(iface);
  i->get_extents = extents;
  i->grab_focus = grabFocus;
}

// --- AtkAction -------------------------------------------------------------

gboolean doAction(AtkAction* action, gint i) { return i >= 0 && tree().act(idOf(action), static_cast<size_t>(i)); }

gint actionCount(AtkAction* action) { return static_cast<gint>(tree().actions(idOf(action)).size()); }

const gchar* actionName(AtkAction* action, gint i) {
  NodeData& data = *nodeOf(action)->data;
  data.actions = tree().actions(data.id);
  if (i < 0 || static_cast<size_t>(i) >= data.actions.size()) return nullptr;
  return data.actions[static_cast<size_t>(i)].c_str();
}

const gchar* keyBinding(AtkAction* action, gint i) {
  NodeData& data = *nodeOf(action)->data;
  if (i != 0) return nullptr;
  data.keyBinding = tree().describe(data.id).keyBinding;
  return data.keyBinding.c_str();
}

void actionInit(gpointer iface, gpointer) {
  auto* i = static_cast<AtkActionIface*>(iface);
  i->do_action = doAction;
  i->get_n_actions = actionCount;
  i->get_name = actionName;
  i->get_localized_name = actionName;
  i->get_keybinding = keyBinding;
}

std::string typeName(const Interfaces& i) {
  return std::string("VelmaroAccessible") + (i.actions ? "Action" : "") + (i.text ? "Text" : "") +
         (i.editable ? "Editable" : "") + (i.value ? "Value" : "") + (i.window ? "Window" : "");
}

GType registerNodeType(const Interfaces& interfaces) {
  GTypeInfo info{};
  info.class_size = sizeof(AtkObjectClass);
  info.class_init = nodeClassInit;
  info.instance_size = sizeof(Node);
  info.instance_init = nodeInit;
  GType type = g_type_register_static(ATK_TYPE_OBJECT, typeName(interfaces).c_str(), &info, GTypeFlags(0));
  const GInterfaceInfo component{componentInit, nullptr, nullptr};
  g_type_add_interface_static(type, ATK_TYPE_COMPONENT, &component);
  const GInterfaceInfo action{actionInit, nullptr, nullptr};
  if (interfaces.actions) g_type_add_interface_static(type, ATK_TYPE_ACTION, &action);
  if (interfaces.text) addTextInterfaces(type, interfaces.editable);
  if (interfaces.value) addValueInterface(type);
  // AtkWindow has only signals to offer.
  const GInterfaceInfo window{nullptr, nullptr, nullptr};
  if (interfaces.window) g_type_add_interface_static(type, ATK_TYPE_WINDOW, &window);
  return type;
}

}  // namespace

NodeData& dataOf(AtkObject* object) { return *nodeOf(object)->data; }

GType nodeType(const Interfaces& interfaces) {
  static std::map<std::string, GType> types;
  GType& type = types[typeName(interfaces)];
  if (!type) type = registerNodeType(interfaces);
  return type;
}

}  // namespace platform::accessibility::atk
