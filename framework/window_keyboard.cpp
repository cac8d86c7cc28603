// A window's keyboard target and its accelerators.
//
// The target is the item keys go to; it changes only when the item holding
// it agrees to leave (an unforced exit may be refused). Tab moves it through
// the window's "Tab Order" when there is one, otherwise through the view
// tree, wrapping around at either end.
//
// Accelerators: "Accelerators" lists the window's accelerator entries (its
// menu items' and its keys'), each once; "Open Accelerators" builds the
// platform's accelerator table from them, which "Pretranslate" applies to
// every message of the window before it is dispatched.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

namespace {

namespace sel {
const ovMethodSelector AddAccelerator("Add Accelerator");
const ovMethodSelector ContainsHandle("Contains Handle");
const ovMethodSelector Default("Default");
const ovMethodSelector Enter("Enter");
const ovMethodSelector Exit("Exit");
const ovMethodSelector FindWindowItem("Find Window Item");
const ovMethodSelector GetMainWindow("Get Main Window");
const ovMethodSelector GetName("Get Name");
const ovMethodSelector GetOwner("Get Owner");
const ovMethodSelector GetTabOrder("Get Tab Order");
const ovMethodSelector GetUniqueId("Get Unique ID");
const ovMethodSelector GetWParamLo("Get WParam Lo");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector KeyDown("Key Down");
const ovMethodSelector Open("Open");
const ovMethodSelector Post("Post");
const ovMethodSelector SetEvent("Set Event");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector SpecialKey("Special Key");
const ovMethodSelector Tab("Tab");
const ovMethodSelector Targetable("Targetable?");
const ovMethodSelector TranslateAccelerator("Translate Accelerator");
}  // namespace sel

namespace attr {
const ovAttributeSelector AcceleratorTable("Accelerator Table");
const ovAttributeSelector Accelerators("Accelerators");
const ovAttributeSelector Alt("Alt?");
const ovAttributeSelector CaseSensitive("Case Sensitive?");
const ovAttributeSelector Character("Character");
const ovAttributeSelector Control("Control?");
const ovAttributeSelector DefaultItem("Default Item");
const ovAttributeSelector Id("ID");
const ovAttributeSelector InvertMenu("Invert Menu?");
const ovAttributeSelector KeyBehavior("Key Behavior");
const ovAttributeSelector Keys("Keys");
const ovAttributeSelector Mdi("MDI?");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Shift("Shift?");
const ovAttributeSelector TabOrder("Tab Order");
const ovAttributeSelector Target("Target");
const ovAttributeSelector View("View");
const ovAttributeSelector WindowRecord("Window Record");
}  // namespace attr

namespace cls {
const ovClassName MultipleView("Multiple View");
}  // namespace cls

namespace uni {
const ovUniversalName GetApplication("Get Application");
const ovUniversalName GetDesktop("Get Desktop");
}  // namespace uni

ovRef desktop() { return ov::universal(uni::GetDesktop).take(); }

bool flag(const ovAttributeSelector& attribute, ovC_object* object) {
  return ov::isTrue(ov::get(attribute, object));
}

HWND recordOf(ov::In window) { return ov::toHandle<HWND>(ov::get(attr::WindowRecord, window)); }

// The desktop's main window, or NULL while there is none.
ovRef mainWindow() {
  auto main = ov::send(sel::GetMainWindow, desktop());
  return main.failed() ? nullptr : main.take();
}

bool targetable(ov::In item) { return item.get() && ov::send<0>(sel::Targetable, item).succeeded(); }

ovRef ownerOf(ov::In item) { return ov::send(sel::GetOwner, item).take(); }

namespace window {

// The item becomes the target once the old target agreed to leave; an item
// that cannot be a target clears it.
ovStatus SetTarget(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* next = targetable(a[1]) ? a[1] : nullptr;
  if (ovRef current = ov::get(attr::Target, w))
    if (ov::send<0>(sel::Exit, current, {a[2]}).failed()) return ovFailure;
  ov::set(attr::Target, w, next);
  ov::send<0>(sel::SetTarget, desktop(), {w, next});
  if (next && ownerOf(next)) ov::send<0>(sel::Enter, next);
  return ovSuccess;
}

// The item owning the platform focus, when it can be a target, is the
// window's and the application's target; otherwise the stored target.
ovStatus GetTarget(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef focused = ov::send<2>(sel::ContainsHandle, w, {ov::handleValue(GetFocus())}).take(1);
  if (!targetable(focused)) {
    a.put(0, ov::get(attr::Target, w));
    return ovSuccess;
  }
  ov::set(attr::Target, w, focused);
  ov::send<0>(sel::SetTarget, ov::universal(uni::GetApplication).get(), {focused});
  a.put(0, std::move(focused));
  return ovSuccess;
}

// Without a tab order the view tree decides: from outside the tree (or
// from the window) the root view starts at its first item, or last going
// backward; from an item its view goes on, and when the tree runs out the
// root view starts again. The root view running out ends the search.
ovStatus tabThroughViews(ovC_object* w, ovC_object* from, ovC_object* backward) {
  ovRef view = ov::get(attr::View, w);
  ovRef owner = ownerOf(from);
  if (!owner || from == w || from == ov::get(attr::Owner, w).get())
    return ov::send<0>(sel::Tab, view, {nullptr, backward}).status;
  if (owner.get() == w) return ovFailure;
  if (ov::send<0>(sel::Tab, owner, {from, backward}).succeeded()) return ovSuccess;
  return ov::send<0>(sel::Tab, view, {nullptr, backward}).status;
}

// The tab order an item follows: its multiple view's current one when it
// lies in a multiple view, else the window's.
ovRef tabOrderFor(ovC_object* w, ovC_object* from) {
  for (ovRef up = ownerOf(from); up && up.get() != w; up = ownerOf(up.get()))
    if (ov::isA(up, cls::MultipleView)) return ov::send(sel::GetTabOrder, up).take();
  return ov::get(attr::TabOrder, w);
}

// The names to try after the named one, wrapping around (or before it, in
// reverse, going backward); the whole list when the name is not in it.
std::vector<ovC_object*> candidates(ovC_object* order, ovC_object* name, bool backward) {
  uint32_t n = ov::length(order);
  uint32_t at = n;
  for (uint32_t i = 0; i < n && at == n; ++i)
    if (ov::textEquals(ov::element(order, i), ov::chars(name))) at = i;
  std::vector<ovC_object*> names;
  uint32_t first = at == n ? 0 : at + 1;
  uint32_t count = at == n ? n : n - 1;
  for (uint32_t k = 0; k < count; ++k) names.push_back(ov::element(order, (first + k) % n));
  if (backward) std::reverse(names.begin(), names.end());
  return names;
}

// The first targetable item among the candidates takes the target.
ovStatus tabThroughOrder(ovC_object* w, ovC_object* from, ovC_object* order, ovC_object* backward) {
  ovRef name = ov::send(sel::GetName, from).take();
  for (ovC_object* candidate : candidates(order, name.get(), ov::isTrue(backward))) {
    ovRef item = ov::send(sel::FindWindowItem, w, {candidate}).take();
    if (targetable(item)) return ov::send<0>(sel::Tab, item, {nullptr, backward}).status;
  }
  return ovFailure;
}

ovStatus Tab(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (ov::length(ov::get(attr::TabOrder, w)) == 0) return tabThroughViews(w, a[1], a[2]);
  return tabThroughOrder(w, a[1], tabOrderFor(w, a[1]).get(), a[2]);
}

// Keys go to the window's accelerator keys, then to the desktop.
ovStatus KeyDown(const ov::Args& a) {
  if (ov::send<0>(sel::SpecialKey, a.receiver(), {a[1], a[2], a[3]}).succeeded()) return ovSuccess;
  return ov::send<0>(sel::KeyDown, desktop(), {a[1], a[2], a[3]}).status;
}

// The behaviour of the key whose command the event carries is posted;
// fails without keys or when none has that command.
ovStatus SpecialKey(const ov::Args& a) {
  ovRef keys = ov::get(attr::Keys, ov::get(attr::KeyBehavior, a.receiver()));
  int32_t id = ov::toInt(ov::send(sel::GetWParamLo, a[3]).get());
  for (uint32_t i = 0; i < ov::length(keys); ++i) {
    ovC_object* pair = ov::element(keys, i);
    if (ov::toInt(ov::get(attr::Id, ov::element(pair, 0))) != id) continue;
    ovC_object* behavior = ov::element(pair, 1);
    ov::send<0>(sel::SetEvent, behavior, {a[3]});
    return ov::send<0>(sel::Post, behavior).status;
  }
  return ovFailure;
}

// The default item acts on the event; nothing happens without one.
ovStatus Default(const ov::Args& a) {
  ovRef name = ov::get(attr::DefaultItem, a.receiver());
  if (ov::chars(name).empty()) return ovSuccess;
  if (ovRef item = ov::send(sel::FindWindowItem, a.receiver(), {name}).take()) ov::send<0>(sel::Default, item, {a[1]});
  return ovSuccess;
}

// An entry as the platform's accelerator record: its modifier flags, a
// virtual key unless it matches the character exactly, and its command.
ACCEL accelFrom(ovC_object* entry) {
  bool exact = flag(attr::CaseSensitive, entry);
  BYTE flags = (flag(attr::Control, entry) ? FCONTROL : 0) | (flag(attr::Alt, entry) ? FALT : 0) |
               (flag(attr::Shift, entry) ? FSHIFT : 0) | (flag(attr::InvertMenu, entry) ? FNOINVERT : 0) |
               (exact ? 0 : FVIRTKEY);
  std::string_view character = ov::chars(ov::get(attr::Character, entry));
  auto code = static_cast<BYTE>(character.empty() ? 0 : character[0]);
  WORD key = exact ? code : LOBYTE(VkKeyScanA(static_cast<CHAR>(code)));
  return {flags, key, static_cast<WORD>(ov::toInt(ov::get(attr::Id, entry)))};
}

// The window's keys get their command numbers and join its accelerators;
// then the platform's table is built from every entry.
ovStatus OpenAccelerators(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (ovRef keys = ov::get(attr::KeyBehavior, w)) {
    ov::send<0>(sel::Open, keys, {w});
    ov::forEach(ov::get(attr::Keys, keys), [w](ovC_object* pair) {
      ovC_object* entry = ov::element(pair, 0);
      ov::set(attr::Id, entry, ov::send(sel::GetUniqueId, w).get());
      return ov::send<0>(sel::AddAccelerator, w, {entry}).status;
    });
  }
  ovRef entries = ov::get(attr::Accelerators, w);
  std::vector<ACCEL> table;
  for (uint32_t i = 0; i < ov::length(entries); ++i) table.push_back(accelFrom(ov::element(entries, i)));
  if (table.empty()) return ovSuccess;
  HACCEL handle = CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
  ov::set(attr::AcceleratorTable, w, ov::handleValue(handle));
  return ovSuccess;
}

// Appends an entry to the window's accelerators, once: a window opened
// again registers its menu items' and keys' entries again.
ovStatus AddAccelerator(const ov::Args& a) {
  ovRef entries = ov::get(attr::Accelerators, a.receiver());
  if (ov::indexOf(entries, a[1]) < 0) ov::set(attr::Accelerators, a.receiver(), ov::appended(entries, a[1]));
  return ovSuccess;
}

// The MDI system keys of a main window, then the window's own table, then
// the main window's table: the platform's answer, 0 when none took it.
ovStatus TranslateAccelerator(const ov::Args& a) {
  ovC_object* w = a.receiver();
  MSG* msg = ov::recordMemory<MSG>(a[1]);
  ovRef main = mainWindow();
  bool isMain = main.get() == w;
  bool mdi = ov::isTrue(ov::get(attr::Mdi, ov::universal(uni::GetApplication).get()));
  int translated = 0;
  if (isMain && mdi)
    translated = TranslateMDISysAccel(ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, ov::get(attr::View, w)).get()), msg);
  if (!translated)
    if (HACCEL table = ov::toHandle<HACCEL>(ov::get(attr::AcceleratorTable, w)))
      translated = TranslateAcceleratorA(recordOf(w), table, msg);
  if (!translated && main && !isMain)
    translated = ov::toInt(ov::send(sel::TranslateAccelerator, main, {a[1]}).get());
  a.put(0, ov::integer(translated));
  return ovSuccess;
}

ovStatus Pretranslate(const ov::Args& a) {
  int32_t translated = ov::toInt(ov::send(sel::TranslateAccelerator, a.receiver(), {a[1]}).get());
  a.put(0, ov::boolean(translated != 0));
  return ovSuccess;
}

}  // namespace window

namespace accelerator_entry {

// "Ctrl", "Alt", "Shift" and the character, joined by "+".
ovStatus MakeAccelString(const ov::Args& a) {
  ovC_object* entry = a.receiver();
  std::string text;
  auto join = [&text](std::string_view part) {
    if (part.empty()) return;
    if (!text.empty()) text += '+';
    text += part;
  };
  if (flag(attr::Control, entry)) join("Ctrl");
  if (flag(attr::Alt, entry)) join("Alt");
  if (flag(attr::Shift, entry)) join("Shift");
  join(ov::chars(ov::get(attr::Character, entry)));
  a.put(0, ov::text(text));
  return ovSuccess;
}

}  // namespace accelerator_entry

const ovClassMethods kWindowKeyboardMethods("Window",
                                            {{"Set Target", ov::routine<window::SetTarget>},
                                             {"Get Target", ov::routine<window::GetTarget>},
                                             {"Tab", ov::routine<window::Tab>},
                                             {"Key Down", ov::routine<window::KeyDown>},
                                             {"Special Key", ov::routine<window::SpecialKey>},
                                             {"Default", ov::routine<window::Default>},
                                             {"Open Accelerators", ov::routine<window::OpenAccelerators>},
                                             {"Add Accelerator", ov::routine<window::AddAccelerator>},
                                             {"Translate Accelerator", ov::routine<window::TranslateAccelerator>},
                                             {"Pretranslate", ov::routine<window::Pretranslate>}});

const ovClassDeclaration kAcceleratorEntryClass({
    .name = "Accelerator Entry",
    .attributes = {"Control?", "Alt?", "Shift?", "Invert Menu?", "Case Sensitive?", "Character", "ID"},
    .methods = {{"Make Accel String", ov::routine<accelerator_entry::MakeAccelString>}, {"Close", ov::nothing}},
});

}  // namespace
