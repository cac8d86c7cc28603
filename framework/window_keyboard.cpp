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

#include "framework/event_message.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

namespace {

ovRef desktop() { return ov::universal("Get Desktop"_uni).take(); }

bool flag(const ovAttributeSelector& attribute, ovC_object* object) { return ov::isTrue(ov::get(attribute, object)); }

HWND recordOf(ov::In window) { return ov::toHandle<HWND>(ov::get("Window Record"_attr, window)); }

// The desktop's main window, or NULL while there is none.
ovRef mainWindow() {
  auto main = ov::send("Get Main Window"_sel, desktop());
  return main.failed() ? nullptr : main.take();
}

bool targetable(ov::In item) { return item.get() && ov::send<0>("Targetable?"_sel, item).succeeded(); }

ovRef ownerOf(ov::In item) { return ov::send("Get Owner"_sel, item).take(); }

namespace window {

// The item becomes the target once the old target agreed to leave; an item
// that cannot be a target clears it.
ovStatus SetTarget(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* next = targetable(a[1]) ? a[1] : nullptr;
  if (ovRef current = ov::get("Target"_attr, w))
    if (ov::send<0>("Exit"_sel, current, {a[2]}).failed()) return ovFailure;
  ov::set("Target"_attr, w, next);
  ov::tell("Set Target"_sel, desktop(), {w, next});
  if (next && ownerOf(next)) ov::tell("Enter"_sel, next);
  return ovSuccess;
}

// The item owning the platform focus, when it can be a target, is the
// window's and the application's target; otherwise the stored target.
ovStatus GetTarget(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef focused = ov::send<2>("Contains Handle"_sel, w, {ov::handleValue(GetFocus())}).take(1);
  if (!targetable(focused)) {
    a.put(0, ov::get("Target"_attr, w));
    return ovSuccess;
  }
  ov::set("Target"_attr, w, focused);
  ov::tell("Set Target"_sel, ov::universal("Get Application"_uni).get(), {focused});
  a.put(0, std::move(focused));
  return ovSuccess;
}

// Without a tab order the view tree decides: from outside the tree (or
// from the window) the root view starts at its first item, or last going
// backward; from an item its view goes on, and when the tree runs out the
// root view starts again. The root view running out ends the search.
ovStatus tabThroughViews(ovC_object* w, ovC_object* from, ovC_object* backward) {
  ovRef view = ov::get("View"_attr, w);
  ovRef owner = ownerOf(from);
  if (!owner || from == w || from == ov::get("Owner"_attr, w).get())
    return ov::send<0>("Tab"_sel, view, {nullptr, backward}).status;
  if (owner.get() == w) return ovFailure;
  if (ov::send<0>("Tab"_sel, owner, {from, backward}).succeeded()) return ovSuccess;
  return ov::send<0>("Tab"_sel, view, {nullptr, backward}).status;
}

// The tab order an item follows: its multiple view's current one when it
// lies in a multiple view, else the window's.
ovRef tabOrderFor(ovC_object* w, ovC_object* from) {
  for (ovRef up = ownerOf(from); up && up.get() != w; up = ownerOf(up.get()))
    if (ov::isA(up, "Multiple View"_cls)) return ov::send("Get Tab Order"_sel, up).take();
  return ov::get("Tab Order"_attr, w);
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
  ovRef name = ov::send("Get Name"_sel, from).take();
  for (ovC_object* candidate : candidates(order, name.get(), ov::isTrue(backward))) {
    ovRef item = ov::send("Find Window Item"_sel, w, {candidate}).take();
    if (targetable(item)) return ov::send<0>("Tab"_sel, item, {nullptr, backward}).status;
  }
  return ovFailure;
}

ovStatus Tab(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (ov::length(ov::get("Tab Order"_attr, w)) == 0) return tabThroughViews(w, a[1], a[2]);
  return tabThroughOrder(w, a[1], tabOrderFor(w, a[1]).get(), a[2]);
}

// Keys go to the window's accelerator keys, then to the desktop.
ovStatus KeyDown(const ov::Args& a) {
  auto [key, modifiers, event] = a.inputs<1, 2, 3>();
  if (ov::send<0>("Special Key"_sel, a.receiver(), {key, modifiers, event}).succeeded()) return ovSuccess;
  return ov::send<0>("Key Down"_sel, desktop(), {key, modifiers, event}).status;
}

// The behaviour of the key whose command the event carries is posted;
// fails without keys or when none has that command.
ovStatus SpecialKey(const ov::Args& a) {
  ovRef keys = ov::get("Keys"_attr, ov::get("Key Behavior"_attr, a.receiver()));
  int32_t id = vorn::MessageOf(a[3]).wParamLo();
  for (uint32_t i = 0; i < ov::length(keys); ++i) {
    ovC_object* pair = ov::element(keys, i);
    if (ov::toInt(ov::get("ID"_attr, ov::element(pair, 0))) != id) continue;
    ovC_object* behavior = ov::element(pair, 1);
    ov::tell("Set Event"_sel, behavior, {a[3]});
    return ov::send<0>("Post"_sel, behavior).status;
  }
  return ovFailure;
}

// The default item acts on the event; nothing happens without one.
ovStatus Default(const ov::Args& a) {
  ovRef name = ov::get("Default Item"_attr, a.receiver());
  if (ov::chars(name).empty()) return ovSuccess;
  if (ovRef item = ov::send("Find Window Item"_sel, a.receiver(), {name}).take()) ov::tell("Default"_sel, item, {a[1]});
  return ovSuccess;
}

// An entry as the platform's accelerator record: its modifier flags, a
// virtual key unless it matches the character exactly, and its command.
ACCEL accelFrom(ovC_object* entry) {
  bool exact = flag("Case Sensitive?"_attr, entry);
  BYTE flags = (flag("Control?"_attr, entry) ? FCONTROL : 0) | (flag("Alt?"_attr, entry) ? FALT : 0) |
               (flag("Shift?"_attr, entry) ? FSHIFT : 0) | (flag("Invert Menu?"_attr, entry) ? FNOINVERT : 0) |
               (exact ? 0 : FVIRTKEY);
  std::string_view character = ov::chars(ov::get("Character"_attr, entry));
  auto code = static_cast<BYTE>(character.empty() ? 0 : character[0]);
  WORD key = exact ? code : LOBYTE(VkKeyScanA(static_cast<CHAR>(code)));
  return {flags, key, static_cast<WORD>(ov::toInt(ov::get("ID"_attr, entry)))};
}

// The window's keys get their command numbers and join its accelerators;
// then the platform's table is built from every entry.
ovStatus OpenAccelerators(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (ovRef keys = ov::get("Key Behavior"_attr, w)) {
    ov::tell("Open"_sel, keys, {w});
    ov::forEach(ov::get("Keys"_attr, keys), [w](ovC_object* pair) {
      ovC_object* entry = ov::element(pair, 0);
      ov::set("ID"_attr, entry, ov::send("Get Unique ID"_sel, w).get());
      return ov::send<0>("Add Accelerator"_sel, w, {entry}).status;
    });
  }
  ovRef entries = ov::get("Accelerators"_attr, w);
  std::vector<ACCEL> table;
  for (uint32_t i = 0; i < ov::length(entries); ++i) table.push_back(accelFrom(ov::element(entries, i)));
  if (table.empty()) return ovSuccess;
  HACCEL handle = CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
  ov::set("Accelerator Table"_attr, w, ov::handleValue(handle));
  return ovSuccess;
}

// Appends an entry to the window's accelerators, once: a window opened
// again registers its menu items' and keys' entries again.
ovStatus AddAccelerator(const ov::Args& a) {
  ovRef entries = ov::get("Accelerators"_attr, a.receiver());
  if (ov::indexOf(entries, a[1]) < 0) ov::set("Accelerators"_attr, a.receiver(), ov::appended(entries, a[1]));
  return ovSuccess;
}

// The MDI system keys of a main window, then the window's own table, then
// the main window's table: the platform's answer, 0 when none took it.
ovStatus TranslateAccelerator(const ov::Args& a) {
  ovC_object* w = a.receiver();
  MSG* msg = ov::recordMemory<MSG>(a[1]);
  ovRef main = mainWindow();
  bool isMain = main.get() == w;
  bool mdi = ov::isTrue(ov::get("MDI?"_attr, ov::universal("Get Application"_uni).get()));
  int translated = 0;
  if (isMain && mdi)
    translated =
        TranslateMDISysAccel(ov::toHandle<HWND>(ov::send("Get Window Record"_sel, ov::get("View"_attr, w)).get()), msg);
  if (!translated)
    if (HACCEL table = ov::toHandle<HACCEL>(ov::get("Accelerator Table"_attr, w)))
      translated = TranslateAcceleratorA(recordOf(w), table, msg);
  if (!translated && main && !isMain) translated = ov::toInt(ov::send("Translate Accelerator"_sel, main, {a[1]}).get());
  a.put(0, ov::integer(translated));
  return ovSuccess;
}

ovStatus Pretranslate(const ov::Args& a) {
  int32_t translated = ov::toInt(ov::send("Translate Accelerator"_sel, a.receiver(), {a[1]}).get());
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
  if (flag("Control?"_attr, entry)) join("Ctrl");
  if (flag("Alt?"_attr, entry)) join("Alt");
  if (flag("Shift?"_attr, entry)) join("Shift");
  join(ov::chars(ov::get("Character"_attr, entry)));
  a.put(0, ov::text(text));
  return ovSuccess;
}

}  // namespace accelerator_entry

const ovClassMethods kWindowKeyboardMethods("Window"_cls,
                                            {{"Set Target"_sel, ov::routine<window::SetTarget>},
                                             {"Get Target"_sel, ov::routine<window::GetTarget>},
                                             {"Tab"_sel, ov::routine<window::Tab>},
                                             {"Key Down"_sel, ov::routine<window::KeyDown>},
                                             {"Special Key"_sel, ov::routine<window::SpecialKey>},
                                             {"Default"_sel, ov::routine<window::Default>},
                                             {"Open Accelerators"_sel, ov::routine<window::OpenAccelerators>},
                                             {"Add Accelerator"_sel, ov::routine<window::AddAccelerator>},
                                             {"Translate Accelerator"_sel, ov::routine<window::TranslateAccelerator>},
                                             {"Pretranslate"_sel, ov::routine<window::Pretranslate>}});

const ovClassDeclaration kAcceleratorEntryClass({
    .name = "Accelerator Entry"_cls,
    .attributes = {"Control?"_attr, "Alt?"_attr, "Shift?"_attr, "Invert Menu?"_attr, "Case Sensitive?"_attr,
                   "Character"_attr, "ID"_attr},
    .methods = ov::methods({{"Make Accel String"_sel, ov::routine<accelerator_entry::MakeAccelString>}},
                           ov::doingNothing<"Close">()),
});

}  // namespace
