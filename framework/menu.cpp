// Menus, mirrored into platform popup menus, and the framework's default
// File menu.
//
// A menu's popup holds one entry per element of "Menu Items", in the same
// order: items with their command numbers, submenus as popup entries. A
// top-level menu's own entry is in its menubar; a submenu's is in its
// parent menu. "Menu Items" describes the menu and outlives its popup: a
// closed menu opens again with the same items and submenus.
#include "framework/menu_mnemonic.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector AddKeyboardAccess("Add Keyboard Access");
const ovMethodSelector Close("Close");
const ovMethodSelector DeleteMenu("Delete Menu");
const ovMethodSelector DisableAllCommands("Disable All Commands");
const ovMethodSelector Draw("Draw");
const ovMethodSelector FindItem("Find Item");
const ovMethodSelector FindItemById("Find Item By ID");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetItemPosition("Get Item Position");
const ovMethodSelector GetMenu("Get Menu");
const ovMethodSelector GetMenuRecord("Get Menu Record");
const ovMethodSelector GetMenubarRecord("Get Menubar Record");
const ovMethodSelector GetName("Get Name");
const ovMethodSelector GetResource("Get Resource");
const ovMethodSelector GetTitle("Get Title");
const ovMethodSelector GetUniqueId("Get Unique ID");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector Insert("Insert");
const ovMethodSelector InsertMenu("Insert Menu");
const ovMethodSelector IsMenu("Is Menu?");
const ovMethodSelector Open("Open");
const ovMethodSelector PostClickBehavior("Post Click Behavior");
const ovMethodSelector SetEnabled("Set Enabled?");
const ovMethodSelector SetEnabler("Set Enabler");
const ovMethodSelector SetOwner("Set Owner");
const ovMethodSelector UpdateMenu("Update Menu");
}  // namespace sel

namespace attr {
const ovAttributeSelector Character("Character");
const ovAttributeSelector Enabled("Enabled?");
const ovAttributeSelector Enabler("Enabler");
const ovAttributeSelector Flags("Flags");
const ovAttributeSelector Hierarchical("Hierarchical?");
const ovAttributeSelector MenuItems("Menu Items");
const ovAttributeSelector MenuRecord("Menu Record");
const ovAttributeSelector Name("Name");
const ovAttributeSelector Number("Number");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Resource("Resource");
const ovAttributeSelector String("String?");
const ovAttributeSelector Title("Title");
}  // namespace attr

namespace cls {
const ovClassName Menubar("Menubar");
}  // namespace cls

// Submenus answer "Is Menu?"; items refuse it.
bool isMenu(ovC_object* element) { return ov::send<0>(sel::IsMenu, element).status == ovSuccess; }

HMENU menuRecordOf(ovC_object* menu) { return ov::toHandle<HMENU>(ov::get(attr::MenuRecord, menu)); }

namespace menu {

// Appends an item's entry: its text, or the bitmap of a picture title.
void appendItem(HMENU popup, ovC_object* item) {
  UINT flags = static_cast<UINT>(ov::toInt(ov::send(sel::GetFlags, item).get()));
  UINT_PTR number = static_cast<UINT>(ov::toInt(ov::get(attr::Number, item)));
  if (ov::isText(ov::send(sel::GetTitle, item).get())) {
    AppendMenuA(popup, flags, number, ov::cString(ov::send(sel::AddKeyboardAccess, item).get()).c_str());
    return;
  }
  ovRef picture = ov::send(sel::GetResource, ov::send(sel::GetTitle, item).get()).take();
  AppendMenuA(popup, flags, number, static_cast<LPCSTR>(ov::toHandle<HANDLE>(picture)));
}

ovStatus openItem(ovC_object* menu, ovC_object* item) {
  if (ov::send<0>(sel::Open, item, {menu}).failed()) return ovFailure;
  appendItem(menuRecordOf(menu), item);
  return ovSuccess;
}

ovStatus openSubmenu(ovC_object* menu, ovC_object* submenu) {
  ov::set(attr::Hierarchical, submenu, gdDefaultTrue);
  ov::send<0>(sel::SetOwner, submenu, {menu});
  if (ov::send<0>(sel::Open, submenu).failed()) return ovFailure;
  UINT flags = MF_POPUP | static_cast<UINT>(ov::toInt(ov::send(sel::GetFlags, submenu).get()));
  AppendMenuA(menuRecordOf(menu), flags, reinterpret_cast<UINT_PTR>(menuRecordOf(submenu)),
              ov::cString(ov::get(attr::Name, submenu)).c_str());
  return ovSuccess;
}

// Makes the popup, enters it in the menubar when top-level, and fills it.
ovStatus Open(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::send<0>(sel::GetMenu, self);
  if (!ov::isTrue(ov::get(attr::Hierarchical, self))) ov::send<0>(sel::Insert, self, {ov::integer(-1)});
  return ov::forEach(ov::get(attr::MenuItems, self), [&](ovC_object* element) {
    return isMenu(element) ? openSubmenu(self, element) : openItem(self, element);
  });
}

// Each opening gives the menu a new popup and a fresh number.
ovStatus GetMenu(const ov::Args& a) {
  HMENU popup = CreatePopupMenu();
  ov::set(attr::MenuRecord, a.receiver(), ov::handleValue(popup));
  if (popup) ov::set(attr::Number, a.receiver(), ov::send(sel::GetUniqueId, a.receiver()).get());
  return ovSuccess;
}

// The owner removes the entry (which destroys the popup with its
// submenus); then the items close.
ovStatus Close(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::set(attr::MenuRecord, self, nullptr);
  ov::send<0>(sel::DeleteMenu, ov::get(attr::Owner, self), {self});
  ovRef title = ov::get(attr::Title, self);
  if (title && !ov::isText(title)) ov::send<0>(sel::Close, ov::get(attr::Resource, self));
  ov::forEach(ov::get(attr::MenuItems, self),
              [](ovC_object* element) { return ov::send<0>(sel::Close, element).status; });
  ov::set(attr::Owner, self, nullptr);
  ov::set(attr::Enabler, self, nullptr);
  return ovSuccess;
}

ovStatus Insert(const ov::Args& a) {
  return ov::send<0>(sel::InsertMenu, ov::get(attr::Owner, a.receiver()), {a.receiver(), a[1]}).status;
}

ovStatus Add(const ov::Args& a) { return ov::send<0>(sel::Insert, a.receiver(), {ov::integer(-1)}).status; }

// Removes an element and its entry. A closed menu has no entries: its
// elements stay, as the description it opens from again.
ovStatus DeleteMenu(const ov::Args& a) {
  HMENU popup = menuRecordOf(a.receiver());
  ovRef elements = ov::get(attr::MenuItems, a.receiver());
  int32_t at = ov::indexOf(elements, a[1]);
  if (!popup || at < 0) return ovSuccess;
  ov::set(attr::MenuItems, a.receiver(), ov::without(elements, static_cast<uint32_t>(at)));
  ::DeleteMenu(popup, static_cast<UINT>(at), MF_BYPOSITION);
  return ovSuccess;
}

ovStatus ChooseItem(const ov::Args& a) { return ov::send<0>(sel::PostClickBehavior, a[1]).status; }

// The item (or submenu) of that name, searching submenus depth first; the
// menu itself when its own name is that name; otherwise NULL.
ovStatus FindItem(const ov::Args& a) {
  ovRef found;
  ov::forEach(ov::get(attr::MenuItems, a.receiver()), [&](ovC_object* element) {
    found = ov::send(sel::FindItem, element, {a[1]}).take();
    return found ? ovFailure : ovSuccess;
  });
  if (!found && ov::textEquals(a[1], ov::chars(ov::get(attr::Name, a.receiver())))) found = ovRef::share(a.receiver());
  if (found) a.put(0, std::move(found));
  return ovSuccess;
}

// The menu holding the item with that command number, and the item,
// searching submenus; NULL and NULL when none has it.
ovStatus FindItemById(const ov::Args& a) {
  int32_t number = ov::toInt(a[1]);
  ovRef holder;
  ovRef item;
  ov::forEach(ov::get(attr::MenuItems, a.receiver()), [&](ovC_object* element) {
    if (isMenu(element)) {
      auto inside = ov::send<2>(sel::FindItemById, element, {a[1]});
      holder = inside.take(0);
      item = inside.take(1);
    } else if (ov::toInt(ov::get(attr::Number, element)) == number) {
      holder = ovRef::share(a.receiver());
      item = ovRef::share(element);
    }
    return item ? ovFailure : ovSuccess;
  });
  if (!item) return ovSuccess;
  a.put(0, std::move(holder));
  a.put(1, std::move(item));
  return ovSuccess;
}

// The 1-based position of the element with the item's name; 0 for none.
ovStatus GetItemPosition(const ov::Args& a) {
  ovRef name = ov::send(sel::GetName, a[1]).take();
  ovRef elements = ov::get(attr::MenuItems, a.receiver());
  int32_t position = 0;
  for (uint32_t i = 0; i < ov::length(elements) && position == 0; ++i)
    if (ov::textEquals(ov::send(sel::GetName, ov::element(elements, i)).get(), ov::chars(name)))
      position = static_cast<int32_t>(i) + 1;
  a.put(0, ov::integer(position));
  return ovSuccess;
}

ovStatus GetFlags(const ov::Args& a) {
  int32_t flags = ov::toInt(ov::get(attr::Flags, a.receiver()));
  if (!ov::isTrue(ov::get(attr::String, a.receiver()))) flags |= MF_BITMAP;
  if (!ov::isTrue(ov::get(attr::Enabled, a.receiver()))) flags |= MF_GRAYED;
  a.put(0, ov::integer(flags));
  return ovSuccess;
}

// What the owner answers to the same question.
template <const ovMethodSelector& Question>
ovStatus AskOwner(const ov::Args& a) {
  auto answer = ov::send(Question, ov::get(attr::Owner, a.receiver()));
  a.put(0, answer.take());
  return answer.failed() ? ovFailure : ovSuccess;
}

// The text of the menu's own entry: in a menubar the title with its
// mnemonic marked, in a parent menu the title.
std::string entryText(ovC_object* self, bool inMenubar) {
  std::string_view title = ov::chars(ov::get(attr::Title, self));
  return inMenubar ? vorn::withMnemonic(title, ov::chars(ov::get(attr::Character, self))) : std::string(title);
}

// Enables or grays the menu's own entry, in its menubar (which is redrawn
// at once) or in its parent menu.
ovStatus setOwnEntryEnabled(ovC_object* self, ovC_object* enabled) {
  ov::set(attr::Enabled, self, enabled);
  ovRef owner = ov::get(attr::Owner, self);
  bool inMenubar = ov::isA(owner, cls::Menubar);
  HMENU container = ov::toHandle<HMENU>(ov::send(inMenubar ? sel::GetMenubarRecord : sel::GetMenuRecord, owner).get());
  int32_t position = ov::toInt(ov::send(sel::GetItemPosition, owner, {self}).get());
  UINT flags = MF_BYPOSITION | MF_POPUP | static_cast<UINT>(ov::toInt(ov::send(sel::GetFlags, self).get()));
  ModifyMenuA(container, static_cast<UINT>(position - 1), flags, reinterpret_cast<UINT_PTR>(menuRecordOf(self)),
              entryText(self, inMenubar).c_str());
  if (inMenubar) ov::send<0>(sel::Draw, owner);
  return ovSuccess;
}

// With a boolean, the menu's own entry; with an item's command number and
// a boolean (what a menu behaviour sends), that item.
ovStatus SetEnabled(const ov::Args& a) {
  if (a.inputCount() < 3) return setOwnEntryEnabled(a.receiver(), a[1]);
  auto found = ov::send<2>(sel::FindItemById, a.receiver(), {a[1]});
  if (!found.get(1)) return ovSuccess;
  return ov::send<0>(sel::SetEnabled, found.get(1), {a[2]}).status;
}

// Every item and submenu disabled and unclaimed, all the way down.
ovStatus DisableAllCommands(const ov::Args& a) {
  ov::forEach(ov::get(attr::MenuItems, a.receiver()), [&](ovC_object* element) {
    if (isMenu(element)) ov::send<0>(sel::DisableAllCommands, element, {a[1]});
    ov::send<0>(sel::SetEnabled, element, {gdDefaultFalse});
    ov::send<0>(sel::SetEnabler, element, {nullptr});
    return ovSuccess;
  });
  return ovSuccess;
}

// The hook where a menu claims its own items; a plain menu passes it on to
// its submenus.
ovStatus UpdateMenu(const ov::Args& a) {
  ov::forEach(ov::get(attr::MenuItems, a.receiver()), [&](ovC_object* element) {
    if (isMenu(element)) ov::send<0>(sel::UpdateMenu, element, {a[1], a[2], a[3]});
    return ovSuccess;
  });
  return ovSuccess;
}

}  // namespace menu

const ovClassDeclaration kMenuClass({
    .name = "Menu",
    .attributes = {"Owner", "Name", "Title", "Resource", "Number", "Menu Record", "Hierarchical?", "Menu Items",
                   "Enabled?", "String?", "Flags", "Character", "Enabler"},
    .methods = {{"Open", ov::routine<menu::Open>},
                {"Close", ov::routine<menu::Close>},
                {"Add", ov::routine<menu::Add>},
                {"Insert", ov::routine<menu::Insert>},
                {"Delete Menu", ov::routine<menu::DeleteMenu>},
                {"Get Menu", ov::routine<menu::GetMenu>},
                {"Choose Item", ov::routine<menu::ChooseItem>},
                {"Find Item", ov::routine<menu::FindItem>},
                {"Find Item By ID", ov::routine<menu::FindItemById>},
                {"Get Item Position", ov::routine<menu::GetItemPosition>},
                {"Get Items", ov::reader<attr::MenuItems>},
                {"Get Flags", ov::routine<menu::GetFlags>},
                {"Get Unique ID", ov::routine<menu::AskOwner<sel::GetUniqueId>>},
                {"Get Window", ov::routine<menu::AskOwner<sel::GetWindow>>},
                {"Set Enabled?", ov::routine<menu::SetEnabled>},
                {"Set Enabler", ov::writer<attr::Enabler>},
                {"Get Enabler", ov::reader<attr::Enabler>},
                {"Disable All Commands", ov::routine<menu::DisableAllCommands>},
                {"Update Menu", ov::routine<menu::UpdateMenu>},
                {"Is Menu?", ov::nothing},
                {"Get Menu Record", ov::reader<attr::MenuRecord>},
                {"Get Name", ov::reader<attr::Name>},
                {"Get Number", ov::reader<attr::Number>},
                {"Get Owner", ov::reader<attr::Owner>},
                {"Get Resource", ov::reader<attr::Resource>},
                {"Set Owner", ov::writer<attr::Owner>}},
});

const ovClassDeclaration kBasicFileMenuClass({
    .name = "Basic File Menu",
    .superclass = "Menu",
});

}  // namespace
