#include "platform/accessibility/atk/atk_objects.h"

#include <memory>

namespace platform::accessibility::atk {
namespace {

std::unique_ptr<Objects> gObjects;

// The application: named by the program, its children the top-level
// windows.
const gchar* applicationName(AtkObject*) { return objects().applicationName().c_str(); }

gint applicationChildCount(AtkObject*) { return static_cast<gint>(objects().tree().topLevels().size()); }

AtkObject* applicationChild(AtkObject*, gint i) {
  std::vector<NodeId> frames = objects().tree().topLevels();
  if (i < 0 || static_cast<size_t>(i) >= frames.size()) return nullptr;
  return ATK_OBJECT(g_object_ref(objects().objectFor(frames[static_cast<size_t>(i)])));
}

void applicationClassInit(gpointer klass, gpointer) {
  auto* k = ATK_OBJECT_CLASS(klass);
  k->get_name = applicationName;
  k->get_n_children = applicationChildCount;
  k->ref_child = applicationChild;
}

void applicationInit(GTypeInstance* instance, gpointer) { ATK_OBJECT(instance)->role = ATK_ROLE_APPLICATION; }

}  // namespace

GType applicationType() {
  static GType type = 0;
  if (type) return type;
  GTypeInfo info{};
  info.class_size = sizeof(AtkObjectClass);
  info.class_init = applicationClassInit;
  info.instance_size = sizeof(AtkObject);
  info.instance_init = applicationInit;
  type = g_type_register_static(ATK_TYPE_OBJECT, "VelmaroApplicationAccessible", &info, GTypeFlags(0));
  return type;
}

Objects::Objects(Tree& tree, std::string applicationName)
    : tree_(tree), applicationName_(std::move(applicationName)) {}

AtkObject* Objects::root() {
  if (!root_) root_ = ATK_OBJECT(g_object_new(applicationType(), nullptr));
  return root_;
}

AtkObject* Objects::objectFor(const NodeId& node) {
  if (AtkObject* made = existing(node)) return made;
  Interfaces interfaces;
  interfaces.actions = !tree_.actions(node).empty();
  interfaces.text = tree_.hasText(node);
  interfaces.editable = interfaces.text && tree_.isEditableText(node);
  interfaces.value = tree_.value(node).has_value();
  interfaces.window = node.kind == NodeId::Kind::Window && !tree_.parent(node);
  GType type = nodeType(interfaces);
  auto* object = ATK_OBJECT(g_object_new(type, nullptr));
  NodeData& data = dataOf(object);
  data.id = node;
  data.states = tree_.describe(node).states;
  data.parent = tree_.parent(node);
  if (interfaces.text) data.text = tree_.text(node);
  made_[node] = object;
  return object;
}

AtkObject* Objects::existing(const NodeId& node) {
  auto found = made_.find(node);
  return found == made_.end() ? nullptr : found->second;
}

void Objects::forget(const NodeId& node) {
  auto found = made_.find(node);
  if (found == made_.end()) return;
  g_object_unref(found->second);
  made_.erase(found);
}

std::vector<AtkObject*> Objects::all() {
  std::vector<AtkObject*> list;
  for (const auto& [node, object] : made_) list.push_back(object);
  return list;
}

Objects& objects() { return *gObjects; }

void makeObjects(Tree& tree, std::string applicationName) {
  gObjects = std::make_unique<Objects>(tree, std::move(applicationName));
}

AtkObject* parentObjectOf(const NodeId& node) {
  std::optional<NodeId> parent = objects().tree().parent(node);
  return parent ? objects().objectFor(*parent) : objects().root();
}

POINT coordinateOrigin(const NodeId& node, AtkCoordType coordinates) {
  Tree& tree = objects().tree();
  std::optional<NodeId> from;
  if (coordinates == ATK_XY_PARENT) from = tree.parent(node);
  if (coordinates == ATK_XY_WINDOW)
    for (from = node; std::optional<NodeId> up = tree.parent(*from);) from = up;
  if (!from) return {0, 0};
  RECT r = tree.describe(*from).screenRect;
  return {r.left, r.top};
}

RECT inCoordinates(const NodeId& node, RECT screen, AtkCoordType coordinates) {
  POINT origin = coordinateOrigin(node, coordinates);
  return {screen.left - origin.x, screen.top - origin.y, screen.right - origin.x, screen.bottom - origin.y};
}

AtkRole atkRoleOf(Role role) {
  switch (role) {
    case Role::Frame: return ATK_ROLE_FRAME;
    case Role::PushButton: return ATK_ROLE_PUSH_BUTTON;
    case Role::CheckBox: return ATK_ROLE_CHECK_BOX;
    case Role::RadioButton: return ATK_ROLE_RADIO_BUTTON;
    case Role::Panel: return ATK_ROLE_PANEL;
    case Role::Entry: return ATK_ROLE_ENTRY;
    case Role::PasswordText: return ATK_ROLE_PASSWORD_TEXT;
    case Role::Text: return ATK_ROLE_TEXT;
    case Role::Label: return ATK_ROLE_LABEL;
    case Role::MenuBar: return ATK_ROLE_MENU_BAR;
    case Role::Menu: return ATK_ROLE_MENU;
    case Role::MenuItem: return ATK_ROLE_MENU_ITEM;
    case Role::CheckMenuItem: return ATK_ROLE_CHECK_MENU_ITEM;
    case Role::Separator: return ATK_ROLE_SEPARATOR;
    case Role::ScrollBar: return ATK_ROLE_SCROLL_BAR;
    case Role::Filler: return ATK_ROLE_FILLER;
  }
  return ATK_ROLE_UNKNOWN;
}

AtkStateSet* atkStatesOf(uint32_t states) {
  static const std::pair<State, AtkStateType> kStates[] = {
      {kEnabled, ATK_STATE_ENABLED},     {kEnabled, ATK_STATE_SENSITIVE},      {kVisible, ATK_STATE_VISIBLE},
      {kShowing, ATK_STATE_SHOWING},     {kFocusable, ATK_STATE_FOCUSABLE},    {kFocused, ATK_STATE_FOCUSED},
      {kCheckable, ATK_STATE_CHECKABLE}, {kChecked, ATK_STATE_CHECKED},        {kEditable, ATK_STATE_EDITABLE},
      {kReadOnly, ATK_STATE_READ_ONLY},  {kSingleLine, ATK_STATE_SINGLE_LINE}, {kMultiLine, ATK_STATE_MULTI_LINE},
      {kActive, ATK_STATE_ACTIVE},       {kSelected, ATK_STATE_SELECTED},      {kDefunct, ATK_STATE_DEFUNCT},
      {kHorizontal, ATK_STATE_HORIZONTAL}, {kVertical, ATK_STATE_VERTICAL},
  };
  AtkStateSet* set = atk_state_set_new();
  for (const auto& [state, atkState] : kStates)
    if (states & state) atk_state_set_add_state(set, atkState);
  return set;
}

}  // namespace platform::accessibility::atk
