// Menus, mirrored into platform popup menus, and the framework's default
// File menu.
//
// A menu's popup holds one entry per element of "Menu Items", in the same
// order: items with their command numbers, submenus as popup entries. A
// top-level menu's own entry is in its menubar; a submenu's is in its
// parent menu. "Menu Items" describes the menu and outlives its popup: a
// closed menu opens again with the same items and submenus.
#include "framework/menu_mnemonic.h"
#include "framework/menu_search.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

// Submenus answer "Is Menu?"; items refuse it.
bool isMenu(ovC_object* element) { return ov::send<0>("Is Menu?"_sel, element).status == ovSuccess; }

HMENU menuRecordOf(ovC_object* menu) { return ov::toHandle<HMENU>(ov::get("Menu Record"_attr, menu)); }

namespace menu {

// Appends an item's entry: its text, or the bitmap of a picture title.
void appendItem(HMENU popup, ovC_object* item) {
  UINT flags = static_cast<UINT>(ov::toInt(ov::send("Get Flags"_sel, item).get()));
  UINT_PTR number = static_cast<UINT>(ov::toInt(ov::get("Number"_attr, item)));
  if (ov::isText(ov::send("Get Title"_sel, item).get())) {
    AppendMenuA(popup, flags, number, ov::cString(ov::send("Add Keyboard Access"_sel, item).get()).c_str());
    return;
  }
  ovRef picture = ov::send("Get Resource"_sel, ov::send("Get Title"_sel, item).get()).take();
  AppendMenuA(popup, flags, number, static_cast<LPCSTR>(ov::toHandle<HANDLE>(picture)));
}

ovStatus openItem(ovC_object* menu, ovC_object* item) {
  if (ov::send<0>("Open"_sel, item, {menu}).failed()) return ovFailure;
  appendItem(menuRecordOf(menu), item);
  return ovSuccess;
}

ovStatus openSubmenu(ovC_object* menu, ovC_object* submenu) {
  ov::set("Hierarchical?"_attr, submenu, gdDefaultTrue);
  ov::tell("Set Owner"_sel, submenu, {menu});
  if (ov::send<0>("Open"_sel, submenu).failed()) return ovFailure;
  UINT flags = MF_POPUP | static_cast<UINT>(ov::toInt(ov::send("Get Flags"_sel, submenu).get()));
  AppendMenuA(menuRecordOf(menu), flags, reinterpret_cast<UINT_PTR>(menuRecordOf(submenu)),
              ov::cString(ov::get("Name"_attr, submenu)).c_str());
  return ovSuccess;
}

// Makes the popup, enters it in the menubar when top-level, and fills it.
ovStatus Open(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::tell("Get Menu"_sel, self);
  if (!ov::isTrue(ov::get("Hierarchical?"_attr, self))) ov::tell("Insert"_sel, self, {ov::integer(-1)});
  return ov::forEach(ov::get("Menu Items"_attr, self), [&](ovC_object* element) {
    return isMenu(element) ? openSubmenu(self, element) : openItem(self, element);
  });
}

// Each opening gives the menu a new popup and a fresh number.
ovStatus GetMenu(const ov::Args& a) {
  HMENU popup = CreatePopupMenu();
  ov::set("Menu Record"_attr, a.receiver(), ov::handleValue(popup));
  if (popup) ov::set("Number"_attr, a.receiver(), ov::send("Get Unique ID"_sel, a.receiver()).get());
  return ovSuccess;
}

// The owner removes the entry (which destroys the popup with its
// submenus); then the items close.
ovStatus Close(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::set("Menu Record"_attr, self, nullptr);
  ov::tell("Delete Menu"_sel, ov::get("Owner"_attr, self), {self});
  ovRef title = ov::get("Title"_attr, self);
  if (title && !ov::isText(title)) ov::tell("Close"_sel, ov::get("Resource"_attr, self));
  ov::forEach(ov::get("Menu Items"_attr, self),
              [](ovC_object* element) { return ov::send<0>("Close"_sel, element).status; });
  ov::set("Owner"_attr, self, nullptr);
  ov::set("Enabler"_attr, self, nullptr);
  return ovSuccess;
}

ovStatus Insert(const ov::Args& a) {
  return ov::send<0>("Insert Menu"_sel, ov::get("Owner"_attr, a.receiver()), {a.receiver(), a[1]}).status;
}

ovStatus Add(const ov::Args& a) { return ov::send<0>("Insert"_sel, a.receiver(), {ov::integer(-1)}).status; }

// Removes an element and its entry. A closed menu has no entries: its
// elements stay, as the description it opens from again.
ovStatus DeleteMenu(const ov::Args& a) {
  HMENU popup = menuRecordOf(a.receiver());
  ovRef elements = ov::get("Menu Items"_attr, a.receiver());
  int32_t at = ov::indexOf(elements, a[1]);
  if (!popup || at < 0) return ovSuccess;
  ov::set("Menu Items"_attr, a.receiver(), ov::without(elements, static_cast<uint32_t>(at)));
  ::DeleteMenu(popup, static_cast<UINT>(at), MF_BYPOSITION);
  return ovSuccess;
}

ovStatus ChooseItem(const ov::Args& a) { return ov::send<0>("Post Click Behavior"_sel, a[1]).status; }

// The item (or submenu) of that name, searching submenus depth first; the
// menu itself when its own name is that name; otherwise NULL.
ovStatus FindItem(const ov::Args& a) {
  ovRef found;
  ov::forEach(ov::get("Menu Items"_attr, a.receiver()), [&](ovC_object* element) {
    found = ov::send("Find Item"_sel, element, {a[1]}).take();
    return found ? ovFailure : ovSuccess;
  });
  if (!found && ov::textEquals(a[1], ov::chars(ov::get("Name"_attr, a.receiver())))) found = ovRef::share(a.receiver());
  if (found) a.put(0, std::move(found));
  return ovSuccess;
}

// The menu holding the item with that command number, and the item,
// searching submenus; NULL and NULL when none has it.
ovStatus FindItemById(const ov::Args& a) {
  int32_t number = ov::toInt(a[1]);
  return vorn::AnswerFirstFound(a, ov::get("Menu Items"_attr, a.receiver()), [&](ovC_object* element) {
    if (isMenu(element)) return vorn::FoundIn(ov::send<2>("Find Item By ID"_sel, element, {a[1]}));
    if (ov::toInt(ov::get("Number"_attr, element)) != number) return vorn::FoundItem{};
    return vorn::FoundItem{ovRef::share(a.receiver()), ovRef::share(element)};
  });
}

// The 1-based position of the element with the item's name; 0 for none.
ovStatus GetItemPosition(const ov::Args& a) {
  ovRef name = ov::send("Get Name"_sel, a[1]).take();
  ovRef elements = ov::get("Menu Items"_attr, a.receiver());
  int32_t position = 0;
  for (uint32_t i = 0; i < ov::length(elements) && position == 0; ++i)
    if (ov::textEquals(ov::send("Get Name"_sel, ov::element(elements, i)).get(), ov::chars(name)))
      position = static_cast<int32_t>(i) + 1;
  a.put(0, ov::integer(position));
  return ovSuccess;
}

ovStatus GetFlags(const ov::Args& a) {
  int32_t flags = ov::toInt(ov::get("Flags"_attr, a.receiver()));
  if (!ov::isTrue(ov::get("String?"_attr, a.receiver()))) flags |= MF_BITMAP;
  if (!ov::isTrue(ov::get("Enabled?"_attr, a.receiver()))) flags |= MF_GRAYED;
  a.put(0, ov::integer(flags));
  return ovSuccess;
}

// The text of the menu's own entry: in a menubar the title with its
// mnemonic marked, in a parent menu the title.
std::string entryText(ovC_object* self, bool inMenubar) {
  std::string_view title = ov::chars(ov::get("Title"_attr, self));
  return inMenubar ? vorn::withMnemonic(title, ov::chars(ov::get("Character"_attr, self))) : std::string(title);
}

// Enables or grays the menu's own entry, in its menubar (which is redrawn
// at once) or in its parent menu.
ovStatus setOwnEntryEnabled(ovC_object* self, ovC_object* enabled) {
  ov::set("Enabled?"_attr, self, enabled);
  ovRef owner = ov::get("Owner"_attr, self);
  bool inMenubar = ov::isA(owner, "Menubar"_cls);
  auto record = inMenubar ? ov::send("Get Menubar Record"_sel, owner) : ov::send("Get Menu Record"_sel, owner);
  HMENU container = ov::toHandle<HMENU>(record.get());
  int32_t position = ov::toInt(ov::send("Get Item Position"_sel, owner, {self}).get());
  UINT flags = MF_BYPOSITION | MF_POPUP | static_cast<UINT>(ov::toInt(ov::send("Get Flags"_sel, self).get()));
  ModifyMenuA(container, static_cast<UINT>(position - 1), flags, reinterpret_cast<UINT_PTR>(menuRecordOf(self)),
              entryText(self, inMenubar).c_str());
  if (inMenubar) ov::tell("Draw"_sel, owner);
  return ovSuccess;
}

// With a boolean, the menu's own entry; with an item's command number and
// a boolean (what a menu behaviour sends), that item.
ovStatus SetEnabled(const ov::Args& a) {
  if (a.inputCount() < 3) return setOwnEntryEnabled(a.receiver(), a[1]);
  auto found = ov::send<2>("Find Item By ID"_sel, a.receiver(), {a[1]});
  if (!found.get(1)) return ovSuccess;
  return ov::send<0>("Set Enabled?"_sel, found.get(1), {a[2]}).status;
}

// Every item and submenu disabled and unclaimed, all the way down.
ovStatus DisableAllCommands(const ov::Args& a) {
  ov::forEach(ov::get("Menu Items"_attr, a.receiver()), [&](ovC_object* element) {
    if (isMenu(element)) ov::tell("Disable All Commands"_sel, element, {a[1]});
    ov::tell("Set Enabled?"_sel, element, {gdDefaultFalse});
    ov::tell("Set Enabler"_sel, element, {nullptr});
    return ovSuccess;
  });
  return ovSuccess;
}

// The hook where a menu claims its own items; a plain menu passes it on to
// its submenus.
ovStatus UpdateMenu(const ov::Args& a) {
  ov::forEach(ov::get("Menu Items"_attr, a.receiver()), [&](ovC_object* element) {
    if (isMenu(element)) ov::tell("Update Menu"_sel, element, {a[1], a[2], a[3]});
    return ovSuccess;
  });
  return ovSuccess;
}

}  // namespace menu

const ovClassDeclaration kMenuClass({
    .name = "Menu"_cls,
    .attributes = {"Owner"_attr, "Name"_attr, "Title"_attr, "Resource"_attr, "Number"_attr, "Menu Record"_attr,
                   "Hierarchical?"_attr, "Menu Items"_attr, "Enabled?"_attr, "String?"_attr, "Flags"_attr,
                   "Character"_attr, "Enabler"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<menu::Open>},
                            {"Close"_sel, ov::routine<menu::Close>},
                            {"Add"_sel, ov::routine<menu::Add>},
                            {"Insert"_sel, ov::routine<menu::Insert>},
                            {"Delete Menu"_sel, ov::routine<menu::DeleteMenu>},
                            {"Get Menu"_sel, ov::routine<menu::GetMenu>},
                            {"Choose Item"_sel, ov::routine<menu::ChooseItem>},
                            {"Find Item"_sel, ov::routine<menu::FindItem>},
                            {"Find Item By ID"_sel, ov::routine<menu::FindItemById>},
                            {"Get Item Position"_sel, ov::routine<menu::GetItemPosition>},
                            {"Get Items"_sel, ov::reader<"Menu Items"_attr>},
                            {"Get Flags"_sel, ov::routine<menu::GetFlags>},
                            {"Set Enabled?"_sel, ov::routine<menu::SetEnabled>},
                            {"Disable All Commands"_sel, ov::routine<menu::DisableAllCommands>},
                            {"Update Menu"_sel, ov::routine<menu::UpdateMenu>}},
                           ov::getters<"Enabler", "Menu Record", "Name", "Number", "Owner", "Resource">(),
                           ov::setters<"Enabler", "Owner">(), ov::askedOf<"Owner", "Get Unique ID", "Get Window">(),
                           ov::doingNothing<"Is Menu?">()),
});

const ovClassDeclaration kBasicFileMenuClass({
    .name = "Basic File Menu"_cls,
    .superclass = "Menu"_cls,
});

}  // namespace
