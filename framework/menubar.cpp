// A window's menu bar, mirrored into a platform menu bar.
//
// "Menus" lists the top-level menus in the order of their entries in the
// platform menu bar, so a menu's position in the list is its entry's
// position. Command numbers come from the application's counter through
// the owner window; a WM_COMMAND finds its item by number, and a number no
// item owns goes to the "Filters" methods.
//
// Enabling: an update disables every item, then the application, the
// commander, the front window, the target and the menus themselves claim
// the items they serve, in that order; the first claimer of an item with a
// behaviour keeps it.
#include "framework/event_message.h"
#include "framework/menu_mnemonic.h"
#include "framework/menu_search.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

HMENU menubarRecordOf(ovC_object* menubar) { return ov::toHandle<HMENU>(ov::get("Menubar Record"_attr, menubar)); }

// A universal's answer, or NULL when it fails.
ovRef answerOrNull(const ovUniversalName& question) {
  auto answer = ov::universal(question);
  return answer.failed() ? nullptr : answer.take();
}

namespace menubar {

// Opens one of the window's menus: a class name makes a new menu.
ovStatus openMenu(ovC_object* self, ovC_object* element) {
  ovRef menu = ov::isText(element) ? ov::makeNamed(element).take() : ovRef::share(element);
  ov::set("Hierarchical?"_attr, menu, gdDefaultFalse);
  ov::tell("Set Owner"_sel, menu, {self});
  return ov::send<0>("Open"_sel, menu).status;
}

ovStatus Open(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::set("Menubar Record"_attr, self, ov::handleValue(CreateMenu()));
  ovRef menus = ov::send("Get Menus"_sel, ov::get("Owner"_attr, self)).take();
  ov::forEach(menus, [&](ovC_object* element) { return openMenu(self, element); });
  return ovSuccess;
}

// The menus close last first, each taking its entry out of the bar.
ovStatus Close(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::tell("Set Visible?"_sel, self, {gdDefaultTrue});
  ovRef menus = ov::get("Menus"_attr, self);
  for (uint32_t i = ov::length(menus); i > 0; --i) ov::tell("Close"_sel, ov::element(menus, i - 1));
  DestroyMenu(menubarRecordOf(self));
  ov::set("Menubar Record"_attr, self, nullptr);
  return ovSuccess;
}

// The text of a menu's entry in the bar: its title with the mnemonic
// marked, or the bitmap of a picture.
void insertEntry(HMENU bar, UINT position, UINT flags, ovC_object* menu) {
  auto popup = reinterpret_cast<UINT_PTR>(ov::toHandle<HMENU>(ov::send("Get Menu Record"_sel, menu).get()));
  if (ov::isTrue(ov::get("String?"_attr, menu))) {
    std::string text =
        vorn::withMnemonic(ov::chars(ov::get("Title"_attr, menu)), ov::chars(ov::get("Character"_attr, menu)));
    InsertMenuA(bar, position, flags, popup, text.c_str());
    return;
  }
  ovRef picture = ov::send("Get Resource"_sel, ov::get("Resource"_attr, menu)).take();
  InsertMenuA(bar, position, flags, popup, static_cast<LPCSTR>(ov::toHandle<HANDLE>(picture)));
}

// Enters a menu before the entry at a 0-based position, or last for -1;
// the list of menus keeps the order of the entries.
ovStatus InsertMenu(const ov::Args& a) {
  ovRef menus = ov::get("Menus"_attr, a.receiver());
  int32_t position = ov::toInt(a[2]);
  uint32_t at = position < 0 ? ov::length(menus) : static_cast<uint32_t>(position);
  UINT flags = MF_BYPOSITION | MF_POPUP | static_cast<UINT>(ov::toInt(ov::send("Get Flags"_sel, a[1]).get()));
  ov::set("Menus"_attr, a.receiver(), ov::inserted(menus, at, a[1]));
  insertEntry(menubarRecordOf(a.receiver()), static_cast<UINT>(position), flags, a[1]);
  return ovSuccess;
}

// Removes the menu and its entry in the bar, which destroys the menu's
// popup with it. The entry goes by position: a popup's entry carries its
// menu's handle as identifier, not the menu's number, so a removal by
// command would find no entry or another item.
ovStatus DeleteMenu(const ov::Args& a) {
  ovRef menus = ov::get("Menus"_attr, a.receiver());
  int32_t at = ov::indexOf(menus, a[1]);
  if (at < 0) return ovSuccess;
  ov::set("Menus"_attr, a.receiver(), ov::without(menus, static_cast<uint32_t>(at)));
  ::DeleteMenu(menubarRecordOf(a.receiver()), static_cast<UINT>(at), MF_BYPOSITION);
  return ovSuccess;
}

ovStatus Draw(const ov::Args& a) {
  ovRef window = ov::get("Owner"_attr, a.receiver());
  DrawMenuBar(ov::toHandle<HWND>(ov::send("Get Window Record"_sel, window).get()));
  return ovSuccess;
}

ovStatus OnCommand(const ov::Args& a) {
  ovRef number = ov::integer(vorn::MessageOf(a[1]).wParamLo());
  return ov::send<0>("Choose Menu"_sel, a.receiver(), {nullptr, number}).status;
}

// The item with the number posts its behaviour; a number no item owns
// goes to each filter in turn until one fails.
ovStatus ChooseMenu(const ov::Args& a) {
  auto found = ov::send<2>("Find Item By ID"_sel, a.receiver(), {a[2]});
  if (found.get(1)) return ov::send<0>("Choose Item"_sel, found.get(0), {found.get(1)}).status;
  ovRef inputs = ov::listOf({a[1], a[2]});
  ov::forEach(ov::get("Filters"_attr, a.receiver()),
              [&](ovC_object* filter) { return ov::callNamed<0>(filter, "Menubar"_cls, inputs).status; });
  return ovSuccess;
}

// The first menu holding an item with the number, and the item; NULL and
// NULL when none does.
ovStatus FindItemById(const ov::Args& a) {
  return vorn::AnswerFirstFound(a, ov::get("Menus"_attr, a.receiver()), [&](ovC_object* menu) {
    return vorn::FoundIn(ov::send<2>("Find Item By ID"_sel, menu, {a[1]}));
  });
}

// The first menu holding an item of that name (or named so itself), and
// the item; NULL and NULL when none does.
ovStatus FindMenuItem(const ov::Args& a) {
  return vorn::AnswerFirstFound(a, ov::get("Menus"_attr, a.receiver()), [&](ovC_object* menu) {
    ovRef item = ov::send("Find Item"_sel, menu, {a[1]}).take();
    return vorn::FoundItem{item ? ovRef::share(menu) : ovRef(), std::move(item)};
  });
}

// A menu's 1-based position in the bar; 0 for a menu not in it.
ovStatus GetItemPosition(const ov::Args& a) {
  a.put(0, ov::integer(ov::indexOf(ov::get("Menus"_attr, a.receiver()), a[1]) + 1));
  return ovSuccess;
}

// How a claimer enables or disables an item by name; an item with a
// behaviour keeps the state its first claimer gave it.
ovStatus SetItemEnabled(const ov::Args& a) {
  ovRef item = ov::send<2>("Find Menu Item"_sel, a.receiver(), {a[1]}).take(1);
  if (!item || ov::send("Get Enabler"_sel, item).get()) return ovSuccess;
  ov::tell("Set Enabled?"_sel, item, {a[3]});
  ov::tell("Set Enabler"_sel, item, {a[2]});
  return ovSuccess;
}

// Retitles the item of that name; fails when no item has it.
ovStatus SetItemString(const ov::Args& a) {
  ovRef item = ov::send<2>("Find Menu Item"_sel, a.receiver(), {a[1]}).take(1);
  if (!item) return ovFailure;
  return ov::send<0>("Set Title"_sel, item, {a[2]}).status;
}

ovStatus ModalMenus(const ov::Args& a) {
  return ov::forEach(ov::get("Menus"_attr, a.receiver()),
                     [&](ovC_object* menu) { return ov::send<0>("Disable All Commands"_sel, menu, {a[1]}).status; });
}

// Everything disabled, then the claimers in order, then the menus' own
// hook.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ovC_object* event = a[1];
  ovRef modal = ov::send("Get Modal?"_sel, answerOrNull("Get Desktop"_uni)).take();
  ov::tell("Modal Menus"_sel, self, {modal});
  ovRef front = answerOrNull("Get Front Window"_uni);
  ovRef target = answerOrNull("Get Target"_uni);
  ovRef claimers = ov::listOf({answerOrNull("Get Application"_uni), answerOrNull("Get Commander"_uni)});
  if (front) claimers = ov::appended(claimers, front);
  if (target && target != front) claimers = ov::appended(claimers, target);
  ov::forEach(claimers, [&](ovC_object* claimer) {
    ov::tell("Update Menus"_sel, claimer, {self, event, modal});
    return ovSuccess;
  });
  ovRef window = ov::get("Owner"_attr, self);
  ov::forEach(ov::get("Menus"_attr, self), [&](ovC_object* menu) {
    ov::tell("Update Menu"_sel, menu, {window, event, modal});
    return ovSuccess;
  });
  return ovSuccess;
}

}  // namespace menubar

const ovClassDeclaration kMenubarClass({
    .name = "Menubar"_cls,
    .attributes = {"Owner"_attr, "Menus"_attr, "Menubar Record"_attr, "Gray Region"_attr, "Menu Bar Height"_attr,
                   "Filters"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<menubar::Open>},
                            {"Close"_sel, ov::routine<menubar::Close>},
                            {"Insert Menu"_sel, ov::routine<menubar::InsertMenu>},
                            {"Delete Menu"_sel, ov::routine<menubar::DeleteMenu>},
                            {"Draw"_sel, ov::routine<menubar::Draw>},
                            {"On Command"_sel, ov::routine<menubar::OnCommand>},
                            {"Choose Menu"_sel, ov::routine<menubar::ChooseMenu>},
                            {"Find Item By ID"_sel, ov::routine<menubar::FindItemById>},
                            {"Find Menu Item"_sel, ov::routine<menubar::FindMenuItem>},
                            {"Get Item Position"_sel, ov::routine<menubar::GetItemPosition>},
                            {"Get Window"_sel, ov::reader<"Owner"_attr>},
                            {"Set Item Enabled?"_sel, ov::routine<menubar::SetItemEnabled>},
                            {"Set Item String"_sel, ov::routine<menubar::SetItemString>},
                            {"Modal Menus"_sel, ov::routine<menubar::ModalMenus>},
                            {"Update Menus"_sel, ov::routine<menubar::UpdateMenus>}},
                           ov::getters<"Menubar Record">(), ov::askedOf<"Owner", "Get Unique ID">(),
                           ov::doingNothing<"Key Down", "Mouse Down", "Resume", "Suspend", "Set Visible?">()),
});

}  // namespace
