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

// A picture title (any title that is not text) is an object that opens
// and closes with the item.
bool isPicture(ovC_object* title) { return title && !ov::isText(title); }

namespace menu_item {

// Rewrites the item's entry in its owner's popup with its current title
// and flags.
void rewriteEntry(ovC_object* item) {
  ovRef owner = ov::get("Owner"_attr, item);
  HMENU menu = ov::toHandle<HMENU>(ov::send("Get Menu Record"_sel, owner).get());
  int32_t position = ov::toInt(ov::send("Get Item Position"_sel, owner, {item}).get());
  UINT flags = MF_BYPOSITION | static_cast<UINT>(ov::toInt(ov::send("Get Flags"_sel, item).get()));
  UINT_PTR number = static_cast<UINT>(ov::toInt(ov::get("Number"_attr, item)));
  ovRef shown = ov::send("Add Keyboard Access"_sel, item).take();
  if (ov::isText(shown)) {
    ModifyMenuA(menu, static_cast<UINT>(position - 1), flags, number, ov::cString(shown).c_str());
  } else {
    HANDLE picture = ov::toHandle<HANDLE>(ov::send("Get Resource"_sel, shown).get());
    ModifyMenuA(menu, static_cast<UINT>(position - 1), flags, number, static_cast<LPCSTR>(picture));
  }
}

// Takes a command number, opens the behaviour and a picture title, and
// registers the keyboard equivalent with the item's window. The behaviour
// learns its menu and its item's number, so it can enable and disable
// that item before it is ever chosen.
ovStatus Open(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::set("Owner"_attr, item, a[1]);
  ov::set("Number"_attr, item, ov::send("Get Unique ID"_sel, a[1]).get());
  if (ovRef behavior = ov::get("Behavior"_attr, item)) {
    ov::tell("Set Item"_sel, behavior, {ov::get("Number"_attr, item)});
    ov::tell("Open"_sel, behavior, {a[1]});
  }
  ovRef title = ov::get("Title"_attr, item);
  if (isPicture(title.get())) ov::tell("Open"_sel, title);
  if (ovRef accelerator = ov::get("Accelerator"_attr, item)) {
    ov::set("ID"_attr, accelerator, ov::get("Number"_attr, item));
    ov::tell("Add Accelerator"_sel, ov::send("Get Window"_sel, item).get(), {accelerator});
  }
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::set("Owner"_attr, a.receiver(), nullptr);
  if (ovRef behavior = ov::get("Behavior"_attr, a.receiver())) ov::tell("Close"_sel, behavior);
  ovRef title = ov::get("Title"_attr, a.receiver());
  if (isPicture(title.get())) ov::tell("Close"_sel, title);
  return ovSuccess;
}

// The text shown for a text title: the mnemonic marked, then a tab and
// the keyboard equivalent when the item has one. A picture title answers
// itself.
ovStatus AddKeyboardAccess(const ov::Args& a) {
  ovRef title = ov::get("Title"_attr, a.receiver());
  if (!ov::isText(title)) {
    a.put(0, std::move(title));
    return ovSuccess;
  }
  std::string shown = vorn::withMnemonic(ov::chars(title), ov::chars(ov::get("Character"_attr, a.receiver())));
  ovRef accelerator = ov::get("Accelerator"_attr, a.receiver());
  ovRef keys = accelerator ? ov::send("Make Accel String"_sel, accelerator).take() : nullptr;
  if (!ov::chars(keys).empty()) shown += "\t" + std::string(ov::chars(keys));
  a.put(0, ov::text(shown));
  return ovSuccess;
}

ovStatus FindItem(const ov::Args& a) {
  if (ov::textEquals(a[1], ov::chars(ov::get("Name"_attr, a.receiver())))) a.put(0, a.receiver());
  return ovSuccess;
}

// A separator is only a separator; otherwise the extra flags, grayed when
// disabled, a bitmap when the title is a picture.
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::isTrue(ov::get("Separator?"_attr, item))) {
    a.put(0, ov::integer(MF_SEPARATOR));
    return ovSuccess;
  }
  int32_t flags = ov::toInt(ov::get("Flags"_attr, item));
  if (!ov::isTrue(ov::get("Enabled?"_attr, item))) flags |= MF_GRAYED;
  if (!ov::isTrue(ov::get("String?"_attr, item))) flags |= MF_BITMAP;
  a.put(0, ov::integer(flags));
  return ovSuccess;
}

ovStatus GetEnabler(const ov::Args& a) {
  ovRef behavior = ov::get("Behavior"_attr, a.receiver());
  if (behavior) a.put(0, ov::send("Get Enabler"_sel, behavior).take());
  return ovSuccess;
}

ovStatus SetEnabler(const ov::Args& a) {
  ovRef behavior = ov::get("Behavior"_attr, a.receiver());
  if (behavior) ov::tell("Set Enabler"_sel, behavior, {a[1]});
  return ovSuccess;
}

ovStatus SetEnabled(const ov::Args& a) {
  ov::set("Enabled?"_attr, a.receiver(), a[1]);
  rewriteEntry(a.receiver());
  if (ovRef behavior = ov::get("Behavior"_attr, a.receiver())) ov::set("Enabled?"_attr, behavior, a[1]);
  return ovSuccess;
}

// A picture title opens with the item and closes when replaced; "String?"
// follows the kind of title, so the entry's flags match what it shows.
ovStatus SetTitle(const ov::Args& a) {
  ovRef old = ov::get("Title"_attr, a.receiver());
  if (isPicture(old.get())) ov::tell("Close"_sel, old);
  if (isPicture(a[1])) ov::tell("Open"_sel, a[1]);
  ov::set("Title"_attr, a.receiver(), a[1]);
  ov::set("String?"_attr, a.receiver(), ov::boolean(!isPicture(a[1])));
  rewriteEntry(a.receiver());
  return ovSuccess;
}

ovStatus PostClickBehavior(const ov::Args& a) {
  ovRef behavior = ov::get("Behavior"_attr, a.receiver());
  if (!behavior) return ovSuccess;
  ov::tell("Set Item"_sel, behavior, {ov::get("Number"_attr, a.receiver())});
  return ov::send<0>("Post"_sel, behavior).status;
}

}  // namespace menu_item

const ovClassDeclaration kMenuItemClass({
    .name = "Menu Item"_cls,
    .attributes = {"Owner"_attr, "Name"_attr, "Title"_attr, "Enabled?"_attr, "Separator?"_attr, "Behavior"_attr,
                   "Flags"_attr, "Number"_attr, "String?"_attr, "Character"_attr, "Accelerator"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<menu_item::Open>},
                            {"Close"_sel, ov::routine<menu_item::Close>},
                            {"Add Keyboard Access"_sel, ov::routine<menu_item::AddKeyboardAccess>},
                            {"Find Item"_sel, ov::routine<menu_item::FindItem>},
                            {"Get Flags"_sel, ov::routine<menu_item::GetFlags>},
                            {"Get Enabler"_sel, ov::routine<menu_item::GetEnabler>},
                            {"Set Enabler"_sel, ov::routine<menu_item::SetEnabler>},
                            {"Set Enabled?"_sel, ov::routine<menu_item::SetEnabled>},
                            {"Set Title"_sel, ov::routine<menu_item::SetTitle>},
                            {"Post Click Behavior"_sel, ov::routine<menu_item::PostClickBehavior>},
                            {"Is Menu?"_sel, ov::failing}},
                           ov::getters<"Name", "Number", "Title">(), ov::askedOf<"Owner", "Get Window">()),
});

}  // namespace
