#include "platform/accessibility/atk/atk_events.h"

#include <atk/atk.h>

#include <algorithm>

#include "platform/accessibility/atk/atk_objects.h"
#include "platform/accessibility/atk/atk_text.h"

namespace platform::accessibility::atk {
namespace {

Tree& tree() { return objects().tree(); }

NodeId windowNode(HWND window) { return {NodeId::Kind::Window, window, nullptr, 0}; }

// The states whose changes are told, each with ATK's names for it.
struct TrackedState {
  State state;
  AtkStateType atkState;
};
const TrackedState kTracked[] = {
    {kFocused, ATK_STATE_FOCUSED}, {kShowing, ATK_STATE_SHOWING},   {kVisible, ATK_STATE_VISIBLE},
    {kEnabled, ATK_STATE_ENABLED}, {kEnabled, ATK_STATE_SENSITIVE}, {kChecked, ATK_STATE_CHECKED},
    {kSelected, ATK_STATE_SELECTED}, {kActive, ATK_STATE_ACTIVE},
};

void tellStateChanges(AtkObject* object) {
  NodeData& data = dataOf(object);
  uint32_t now = tree().describe(data.id).states;
  uint32_t changed = now ^ data.states;
  data.states = now;
  for (const TrackedState& t : kTracked)
    if (changed & t.state) atk_object_notify_state_change(object, t.atkState, (now & t.state) != 0);
}

NodeId gFocused;

void focusMoved(HWND window) {
  if (AtkObject* before = objects().existing(gFocused)) tellStateChanges(before);
  gFocused = windowNode(window);
  AtkObject* object = objects().objectFor(gFocused);
  tellStateChanges(object);
  // The bridge still tells "focus:" events through the focus tracker alone.
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  atk_focus_tracker_notify(object);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

gint utf8Length(const std::string& text) { return static_cast<gint>(g_utf8_strlen(toUtf8(text).c_str(), -1)); }

void textChanged(HWND window) {
  AtkObject* object = objects().objectFor(windowNode(window));
  NodeData& data = dataOf(object);
  std::string now = tree().text(data.id);
  if (now == data.text) return;
  std::string before = data.text;
  data.text = now;
  if (!before.empty()) g_signal_emit_by_name(object, "text-changed::delete", 0, utf8Length(before));
  if (!now.empty()) g_signal_emit_by_name(object, "text-changed::insert", 0, utf8Length(now));
}

// A scroll bar's new position, told as its accessible value's change.
void scrollBarMoved(HWND window, LONG idObject) {
  NodeId node{NodeId::Kind::ScrollBar, window, nullptr, idObject == OBJID_VSCROLL ? SB_VERT : SB_HORZ};
  g_object_notify(G_OBJECT(objects().objectFor(node)), "accessible-value");
}

void valueChanged(HWND window, LONG idObject) {
  if (idObject == OBJID_VSCROLL || idObject == OBJID_HSCROLL) return scrollBarMoved(window, idObject);
  textChanged(window);
}

NodeId gActiveFrame;

// The frame that had the foreground is deactivated and the new one (none
// when another program took the foreground) activated, as toolkits tell
// their windows' activation.
void foregroundMoved(HWND window) {
  NodeId now = window ? windowNode(window) : NodeId{};
  if (now == gActiveFrame) return;
  if (AtkObject* before = objects().existing(gActiveFrame)) {
    g_signal_emit_by_name(before, "deactivate");
    tellStateChanges(before);
  }
  gActiveFrame = now;
  if (!window) return;
  AtkObject* object = objects().objectFor(now);
  g_signal_emit_by_name(object, "activate");
  tellStateChanges(object);
}

void caretMoved(HWND window) {
  AtkObject* object = objects().objectFor(windowNode(window));
  g_signal_emit_by_name(object, "text-caret-moved", tree().caret(dataOf(object).id));
}

void nameChanged(HWND window) {
  if (AtkObject* object = objects().existing(windowNode(window))) g_object_notify(G_OBJECT(object), "accessible-name");
}

gint indexAmong(const std::vector<NodeId>& nodes, const NodeId& node) {
  auto found = std::find(nodes.begin(), nodes.end(), node);
  return found == nodes.end() ? -1 : static_cast<gint>(found - nodes.begin());
}

// A top-level window comes into the application's children when shown
// and leaves them when hidden; any window tells its states.
void shownOrHidden(HWND window, bool shown) {
  NodeId node = windowNode(window);
  bool topLevel = !tree().parent(node);
  AtkObject* object = shown && topLevel ? objects().objectFor(node) : objects().existing(node);
  if (!object) return;
  if (topLevel) {
    const char* signal = shown ? "children-changed::add" : "children-changed::remove";
    g_signal_emit_by_name(objects().root(), signal, std::max(indexAmong(tree().topLevels(), node), 0), object);
  }
  tellStateChanges(object);
}

void created(HWND window) {
  NodeId node = windowNode(window);
  std::optional<NodeId> parent = tree().parent(node);
  AtkObject* parentObject = parent ? objects().existing(*parent) : nullptr;
  if (!parentObject) return;
  gint index = indexAmong(tree().children(*parent), node);
  g_signal_emit_by_name(parentObject, "children-changed::add", std::max(index, 0), objects().objectFor(node));
}

// The window's object and those of its drawn texts and menus go.
void destroyed(HWND window) {
  NodeId node = windowNode(window);
  if (AtkObject* object = objects().existing(node)) {
    atk_object_notify_state_change(object, ATK_STATE_DEFUNCT, TRUE);
    const std::optional<NodeId>& parent = dataOf(object).parent;
    AtkObject* parentObject = parent ? objects().existing(*parent) : objects().root();
    if (parentObject) g_signal_emit_by_name(parentObject, "children-changed::remove", 0, object);
  }
  for (AtkObject* object : objects().all())
    if (dataOf(object).id.window == window) objects().forget(dataOf(object).id);
}

// A menu opened or closed: its items and the menu holding them show or
// stop showing, and the menu's item on the bar is selected or not.
void menusChanged() {
  for (AtkObject* object : objects().all()) {
    NodeId::Kind kind = dataOf(object).id.kind;
    if (kind == NodeId::Kind::MenuItem || kind == NodeId::Kind::MenuBar) tellStateChanges(object);
  }
}

void stateChanged(HWND window) {
  if (AtkObject* object = objects().existing(windowNode(window))) tellStateChanges(object);
}

}  // namespace

// Told after the fact: a window gone since is only told as destroyed.
void onWinEvent(DWORD event, HWND window, LONG idObject, LONG) {
  bool gone = tree().describe(windowNode(window)).states & kDefunct;
  if (event == EVENT_SYSTEM_FOREGROUND) return foregroundMoved(gone ? nullptr : window);
  if (gone && event != EVENT_OBJECT_DESTROY) return;
  switch (event) {
    case EVENT_OBJECT_FOCUS: return focusMoved(window);
    case EVENT_OBJECT_VALUECHANGE: return valueChanged(window, idObject);
    case EVENT_OBJECT_LOCATIONCHANGE:
      if (idObject == OBJID_CARET) caretMoved(window);
      return;
    case EVENT_OBJECT_NAMECHANGE: return nameChanged(window);
    case EVENT_OBJECT_SHOW: return shownOrHidden(window, true);
    case EVENT_OBJECT_HIDE: return shownOrHidden(window, false);
    case EVENT_OBJECT_CREATE: return created(window);
    case EVENT_OBJECT_DESTROY: return destroyed(window);
    case EVENT_OBJECT_STATECHANGE: return stateChanged(window);
    case EVENT_SYSTEM_MENUSTART:
    case EVENT_SYSTEM_MENUEND:
    case EVENT_SYSTEM_MENUPOPUPSTART:
    case EVENT_SYSTEM_MENUPOPUPEND: return menusChanged();
    default: return;
  }
}

}  // namespace platform::accessibility::atk
