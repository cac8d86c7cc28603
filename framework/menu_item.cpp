// Menu items: titles, command numbers, enabling and the behaviour a
// choice posts.
//
// An item's platform entry sits in its owner menu's popup at the item's
// position there; every change of its title or state rewrites that entry.
// Its command number comes from the application's counter when it opens,
// so a WM_COMMAND carrying the number finds the item again. An item has no
// enabler of its own: its behaviour holds it, and an item without a
// behaviour has none. A disabled item's behaviour is disabled too, so its
// command cannot run.
#include "framework/menu_mnemonic.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector AddAccelerator("Add Accelerator");
const ovMethodSelector AddKeyboardAccess("Add Keyboard Access");
const ovMethodSelector Close("Close");
const ovMethodSelector GetEnabler("Get Enabler");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetItemPosition("Get Item Position");
const ovMethodSelector GetMenuRecord("Get Menu Record");
const ovMethodSelector GetResource("Get Resource");
const ovMethodSelector GetUniqueId("Get Unique ID");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector MakeAccelString("Make Accel String");
const ovMethodSelector Open("Open");
const ovMethodSelector Post("Post");
const ovMethodSelector SetEnabler("Set Enabler");
const ovMethodSelector SetItem("Set Item");
}  // namespace sel

namespace attr {
const ovAttributeSelector Accelerator("Accelerator");
const ovAttributeSelector Behavior("Behavior");
const ovAttributeSelector Character("Character");
const ovAttributeSelector Enabled("Enabled?");
const ovAttributeSelector Flags("Flags");
const ovAttributeSelector Id("ID");
const ovAttributeSelector Name("Name");
const ovAttributeSelector Number("Number");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Separator("Separator?");
const ovAttributeSelector String("String?");
const ovAttributeSelector Title("Title");
}  // namespace attr

// A picture title (any title that is not text) is an object that opens
// and closes with the item.
bool isPicture(ovC_object* title) { return title && !ov::isText(title); }

namespace menu_item {

// Rewrites the item's entry in its owner's popup with its current title
// and flags.
void rewriteEntry(ovC_object* item) {
  ovRef owner = ov::get(attr::Owner, item);
  HMENU menu = ov::toHandle<HMENU>(ov::send(sel::GetMenuRecord, owner).get());
  int32_t position = ov::toInt(ov::send(sel::GetItemPosition, owner, {item}).get());
  UINT flags = MF_BYPOSITION | static_cast<UINT>(ov::toInt(ov::send(sel::GetFlags, item).get()));
  UINT_PTR number = static_cast<UINT>(ov::toInt(ov::get(attr::Number, item)));
  ovRef shown = ov::send(sel::AddKeyboardAccess, item).take();
  if (ov::isText(shown)) {
    ModifyMenuA(menu, static_cast<UINT>(position - 1), flags, number, ov::cString(shown).c_str());
  } else {
    HANDLE picture = ov::toHandle<HANDLE>(ov::send(sel::GetResource, shown).get());
    ModifyMenuA(menu, static_cast<UINT>(position - 1), flags, number, static_cast<LPCSTR>(picture));
  }
}

// Takes a command number, opens the behaviour and a picture title, and
// registers the keyboard equivalent with the item's window. The behaviour
// learns its menu and its item's number, so it can enable and disable
// that item before it is ever chosen.
ovStatus Open(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::set(attr::Owner, item, a[1]);
  ov::set(attr::Number, item, ov::send(sel::GetUniqueId, a[1]).get());
  if (ovRef behavior = ov::get(attr::Behavior, item)) {
    ov::send<0>(sel::SetItem, behavior, {ov::get(attr::Number, item)});
    ov::send<0>(sel::Open, behavior, {a[1]});
  }
  ovRef title = ov::get(attr::Title, item);
  if (isPicture(title.get())) ov::send<0>(sel::Open, title);
  if (ovRef accelerator = ov::get(attr::Accelerator, item)) {
    ov::set(attr::Id, accelerator, ov::get(attr::Number, item));
    ov::send<0>(sel::AddAccelerator, ov::send(sel::GetWindow, item).get(), {accelerator});
  }
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::set(attr::Owner, a.receiver(), nullptr);
  if (ovRef behavior = ov::get(attr::Behavior, a.receiver())) ov::send<0>(sel::Close, behavior);
  ovRef title = ov::get(attr::Title, a.receiver());
  if (isPicture(title.get())) ov::send<0>(sel::Close, title);
  return ovSuccess;
}

// The text shown for a text title: the mnemonic marked, then a tab and
// the keyboard equivalent when the item has one. A picture title answers
// itself.
ovStatus AddKeyboardAccess(const ov::Args& a) {
  ovRef title = ov::get(attr::Title, a.receiver());
  if (!ov::isText(title)) {
    a.put(0, std::move(title));
    return ovSuccess;
  }
  std::string shown = vorn::withMnemonic(ov::chars(title), ov::chars(ov::get(attr::Character, a.receiver())));
  ovRef accelerator = ov::get(attr::Accelerator, a.receiver());
  ovRef keys = accelerator ? ov::send(sel::MakeAccelString, accelerator).take() : nullptr;
  if (!ov::chars(keys).empty()) shown += "\t" + std::string(ov::chars(keys));
  a.put(0, ov::text(shown));
  return ovSuccess;
}

ovStatus FindItem(const ov::Args& a) {
  if (ov::textEquals(a[1], ov::chars(ov::get(attr::Name, a.receiver())))) a.put(0, a.receiver());
  return ovSuccess;
}

// A separator is only a separator; otherwise the extra flags, grayed when
// disabled, a bitmap when the title is a picture.
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::isTrue(ov::get(attr::Separator, item))) {
    a.put(0, ov::integer(MF_SEPARATOR));
    return ovSuccess;
  }
  int32_t flags = ov::toInt(ov::get(attr::Flags, item));
  if (!ov::isTrue(ov::get(attr::Enabled, item))) flags |= MF_GRAYED;
  if (!ov::isTrue(ov::get(attr::String, item))) flags |= MF_BITMAP;
  a.put(0, ov::integer(flags));
  return ovSuccess;
}

ovStatus GetWindow(const ov::Args& a) {
  auto window = ov::send(sel::GetWindow, ov::get(attr::Owner, a.receiver()));
  a.put(0, window.take());
  return window.failed() ? ovFailure : ovSuccess;
}

ovStatus GetEnabler(const ov::Args& a) {
  ovRef behavior = ov::get(attr::Behavior, a.receiver());
  if (behavior) a.put(0, ov::send(sel::GetEnabler, behavior).take());
  return ovSuccess;
}

ovStatus SetEnabler(const ov::Args& a) {
  ovRef behavior = ov::get(attr::Behavior, a.receiver());
  if (behavior) ov::send<0>(sel::SetEnabler, behavior, {a[1]});
  return ovSuccess;
}

ovStatus SetEnabled(const ov::Args& a) {
  ov::set(attr::Enabled, a.receiver(), a[1]);
  rewriteEntry(a.receiver());
  if (ovRef behavior = ov::get(attr::Behavior, a.receiver())) ov::set(attr::Enabled, behavior, a[1]);
  return ovSuccess;
}

// A picture title opens with the item and closes when replaced; "String?"
// follows the kind of title, so the entry's flags match what it shows.
ovStatus SetTitle(const ov::Args& a) {
  ovRef old = ov::get(attr::Title, a.receiver());
  if (isPicture(old.get())) ov::send<0>(sel::Close, old);
  if (isPicture(a[1])) ov::send<0>(sel::Open, a[1]);
  ov::set(attr::Title, a.receiver(), a[1]);
  ov::set(attr::String, a.receiver(), ov::boolean(!isPicture(a[1])));
  rewriteEntry(a.receiver());
  return ovSuccess;
}

ovStatus PostClickBehavior(const ov::Args& a) {
  ovRef behavior = ov::get(attr::Behavior, a.receiver());
  if (!behavior) return ovSuccess;
  ov::send<0>(sel::SetItem, behavior, {ov::get(attr::Number, a.receiver())});
  return ov::send<0>(sel::Post, behavior).status;
}

}  // namespace menu_item

const ovClassDeclaration kMenuItemClass({
    .name = "Menu Item",
    .attributes = {"Owner", "Name", "Title", "Enabled?", "Separator?", "Behavior", "Flags", "Number", "String?",
                   "Character", "Accelerator"},
    .methods = {{"Open", ov::routine<menu_item::Open>},
                {"Close", ov::routine<menu_item::Close>},
                {"Add Keyboard Access", ov::routine<menu_item::AddKeyboardAccess>},
                {"Find Item", ov::routine<menu_item::FindItem>},
                {"Get Flags", ov::routine<menu_item::GetFlags>},
                {"Get Window", ov::routine<menu_item::GetWindow>},
                {"Get Enabler", ov::routine<menu_item::GetEnabler>},
                {"Set Enabler", ov::routine<menu_item::SetEnabler>},
                {"Set Enabled?", ov::routine<menu_item::SetEnabled>},
                {"Set Title", ov::routine<menu_item::SetTitle>},
                {"Post Click Behavior", ov::routine<menu_item::PostClickBehavior>},
                {"Is Menu?", ov::failing},
                {"Get Name", ov::reader<attr::Name>},
                {"Get Number", ov::reader<attr::Number>},
                {"Get Title", ov::reader<attr::Title>}},
});

}  // namespace
