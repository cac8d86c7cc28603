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
#include "framework/menu_mnemonic.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector ChooseItem("Choose Item");
const ovMethodSelector ChooseMenu("Choose Menu");
const ovMethodSelector Close("Close");
const ovMethodSelector DisableAllCommands("Disable All Commands");
const ovMethodSelector FindItem("Find Item");
const ovMethodSelector FindItemById("Find Item By ID");
const ovMethodSelector FindMenuItem("Find Menu Item");
const ovMethodSelector GetEnabler("Get Enabler");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetMenuRecord("Get Menu Record");
const ovMethodSelector GetMenus("Get Menus");
const ovMethodSelector GetModal("Get Modal?");
const ovMethodSelector GetResource("Get Resource");
const ovMethodSelector GetUniqueId("Get Unique ID");
const ovMethodSelector GetWParamLo("Get WParam Lo");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector ModalMenus("Modal Menus");
const ovMethodSelector Open("Open");
const ovMethodSelector SetEnabled("Set Enabled?");
const ovMethodSelector SetEnabler("Set Enabler");
const ovMethodSelector SetOwner("Set Owner");
const ovMethodSelector SetTitle("Set Title");
const ovMethodSelector SetVisible("Set Visible?");
const ovMethodSelector UpdateMenu("Update Menu");
const ovMethodSelector UpdateMenus("Update Menus");
}  // namespace sel

namespace attr {
const ovAttributeSelector Character("Character");
const ovAttributeSelector Filters("Filters");
const ovAttributeSelector Hierarchical("Hierarchical?");
const ovAttributeSelector MenubarRecord("Menubar Record");
const ovAttributeSelector Menus("Menus");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Resource("Resource");
const ovAttributeSelector String("String?");
const ovAttributeSelector Title("Title");
}  // namespace attr

namespace cls {
const ovClassName Menubar("Menubar");
}  // namespace cls

namespace uni {
const ovUniversalName GetApplication("Get Application");
const ovUniversalName GetCommander("Get Commander");
const ovUniversalName GetDesktop("Get Desktop");
const ovUniversalName GetFrontWindow("Get Front Window");
const ovUniversalName GetTarget("Get Target");
}  // namespace uni

HMENU menubarRecordOf(ovC_object* menubar) { return ov::toHandle<HMENU>(ov::get(attr::MenubarRecord, menubar)); }

// A universal's answer, or NULL when it fails.
ovRef answerOrNull(const ovUniversalName& question) {
  auto answer = ov::universal(question);
  return answer.failed() ? nullptr : answer.take();
}

namespace menubar {

// Opens one of the window's menus: a class name makes a new menu.
ovStatus openMenu(ovC_object* self, ovC_object* element) {
  ovRef menu = ov::isText(element) ? ov::makeNamed(element).take() : ovRef::share(element);
  ov::set(attr::Hierarchical, menu, gdDefaultFalse);
  ov::send<0>(sel::SetOwner, menu, {self});
  return ov::send<0>(sel::Open, menu).status;
}

ovStatus Open(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::set(attr::MenubarRecord, self, ov::handleValue(CreateMenu()));
  ovRef menus = ov::send(sel::GetMenus, ov::get(attr::Owner, self)).take();
  ov::forEach(menus, [&](ovC_object* element) { return openMenu(self, element); });
  return ovSuccess;
}

// The menus close last first, each taking its entry out of the bar.
ovStatus Close(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ov::send<0>(sel::SetVisible, self, {gdDefaultTrue});
  ovRef menus = ov::get(attr::Menus, self);
  for (uint32_t i = ov::length(menus); i > 0; --i) ov::send<0>(sel::Close, ov::element(menus, i - 1));
  DestroyMenu(menubarRecordOf(self));
  ov::set(attr::MenubarRecord, self, nullptr);
  return ovSuccess;
}

// The text of a menu's entry in the bar: its title with the mnemonic
// marked, or the bitmap of a picture.
void insertEntry(HMENU bar, UINT position, UINT flags, ovC_object* menu) {
  auto popup = reinterpret_cast<UINT_PTR>(ov::toHandle<HMENU>(ov::send(sel::GetMenuRecord, menu).get()));
  if (ov::isTrue(ov::get(attr::String, menu))) {
    std::string text =
        vorn::withMnemonic(ov::chars(ov::get(attr::Title, menu)), ov::chars(ov::get(attr::Character, menu)));
    InsertMenuA(bar, position, flags, popup, text.c_str());
    return;
  }
  ovRef picture = ov::send(sel::GetResource, ov::get(attr::Resource, menu)).take();
  InsertMenuA(bar, position, flags, popup, static_cast<LPCSTR>(ov::toHandle<HANDLE>(picture)));
}

// Enters a menu before the entry at a 0-based position, or last for -1;
// the list of menus keeps the order of the entries.
ovStatus InsertMenu(const ov::Args& a) {
  ovRef menus = ov::get(attr::Menus, a.receiver());
  int32_t position = ov::toInt(a[2]);
  uint32_t at = position < 0 ? ov::length(menus) : static_cast<uint32_t>(position);
  UINT flags = MF_BYPOSITION | MF_POPUP | static_cast<UINT>(ov::toInt(ov::send(sel::GetFlags, a[1]).get()));
  ov::set(attr::Menus, a.receiver(), ov::inserted(menus, at, a[1]));
  insertEntry(menubarRecordOf(a.receiver()), static_cast<UINT>(position), flags, a[1]);
  return ovSuccess;
}

// Removing an entry destroys the menu's popup with it.
ovStatus DeleteMenu(const ov::Args& a) {
  ovRef menus = ov::get(attr::Menus, a.receiver());
  int32_t at = ov::indexOf(menus, a[1]);
  if (at < 0) return ovSuccess;
  ov::set(attr::Menus, a.receiver(), ov::without(menus, static_cast<uint32_t>(at)));
  ::DeleteMenu(menubarRecordOf(a.receiver()), static_cast<UINT>(at), MF_BYPOSITION);
  return ovSuccess;
}

ovStatus Draw(const ov::Args& a) {
  ovRef window = ov::get(attr::Owner, a.receiver());
  DrawMenuBar(ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, window).get()));
  return ovSuccess;
}

ovStatus OnCommand(const ov::Args& a) {
  ovRef number = ov::send(sel::GetWParamLo, a[1]).take();
  return ov::send<0>(sel::ChooseMenu, a.receiver(), {nullptr, number}).status;
}

// The item with the number posts its behaviour; a number no item owns
// goes to each filter in turn until one fails.
ovStatus ChooseMenu(const ov::Args& a) {
  auto found = ov::send<2>(sel::FindItemById, a.receiver(), {a[2]});
  if (found.get(1)) return ov::send<0>(sel::ChooseItem, found.get(0), {found.get(1)}).status;
  ovRef inputs = ov::listOf({a[1], a[2]});
  ov::forEach(ov::get(attr::Filters, a.receiver()),
              [&](ovC_object* filter) { return ov::callNamed<0>(filter, cls::Menubar, inputs).status; });
  return ovSuccess;
}

// The first menu holding an item with the number, and the item; NULL and
// NULL when none does.
ovStatus FindItemById(const ov::Args& a) {
  ov::Results<2> found;
  ov::forEach(ov::get(attr::Menus, a.receiver()), [&](ovC_object* menu) {
    found = ov::send<2>(sel::FindItemById, menu, {a[1]});
    return found.get(1) ? ovFailure : ovSuccess;
  });
  if (!found.get(1)) return ovSuccess;
  a.put(0, found.take(0));
  a.put(1, found.take(1));
  return ovSuccess;
}

// The first menu holding an item of that name (or named so itself), and
// the item; NULL and NULL when none does.
ovStatus FindMenuItem(const ov::Args& a) {
  ovRef holder;
  ovRef item;
  ov::forEach(ov::get(attr::Menus, a.receiver()), [&](ovC_object* menu) {
    item = ov::send(sel::FindItem, menu, {a[1]}).take();
    if (item) holder = ovRef::share(menu);
    return item ? ovFailure : ovSuccess;
  });
  if (!item) return ovSuccess;
  a.put(0, std::move(holder));
  a.put(1, std::move(item));
  return ovSuccess;
}

// A menu's 1-based position in the bar; 0 for a menu not in it.
ovStatus GetItemPosition(const ov::Args& a) {
  a.put(0, ov::integer(ov::indexOf(ov::get(attr::Menus, a.receiver()), a[1]) + 1));
  return ovSuccess;
}

ovStatus GetUniqueId(const ov::Args& a) {
  auto id = ov::send(sel::GetUniqueId, ov::get(attr::Owner, a.receiver()));
  a.put(0, id.take());
  return id.failed() ? ovFailure : ovSuccess;
}

// How a claimer enables or disables an item by name; an item with a
// behaviour keeps the state its first claimer gave it.
ovStatus SetItemEnabled(const ov::Args& a) {
  ovRef item = ov::send<2>(sel::FindMenuItem, a.receiver(), {a[1]}).take(1);
  if (!item || ov::send(sel::GetEnabler, item).get()) return ovSuccess;
  ov::send<0>(sel::SetEnabled, item, {a[3]});
  ov::send<0>(sel::SetEnabler, item, {a[2]});
  return ovSuccess;
}

// Retitles the item of that name; fails when no item has it.
ovStatus SetItemString(const ov::Args& a) {
  ovRef item = ov::send<2>(sel::FindMenuItem, a.receiver(), {a[1]}).take(1);
  if (!item) return ovFailure;
  return ov::send<0>(sel::SetTitle, item, {a[2]}).status;
}

ovStatus ModalMenus(const ov::Args& a) {
  return ov::forEach(ov::get(attr::Menus, a.receiver()),
                     [&](ovC_object* menu) { return ov::send<0>(sel::DisableAllCommands, menu, {a[1]}).status; });
}

// Everything disabled, then the claimers in order, then the menus' own
// hook.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* self = a.receiver();
  ovC_object* event = a[1];
  ovRef modal = ov::send(sel::GetModal, answerOrNull(uni::GetDesktop)).take();
  ov::send<0>(sel::ModalMenus, self, {modal});
  ovRef front = answerOrNull(uni::GetFrontWindow);
  ovRef target = answerOrNull(uni::GetTarget);
  ovRef claimers = ov::listOf({answerOrNull(uni::GetApplication), answerOrNull(uni::GetCommander)});
  if (front) claimers = ov::appended(claimers, front);
  if (target && target != front) claimers = ov::appended(claimers, target);
  ov::forEach(claimers, [&](ovC_object* claimer) {
    ov::send<0>(sel::UpdateMenus, claimer, {self, event, modal});
    return ovSuccess;
  });
  ovRef window = ov::get(attr::Owner, self);
  ov::forEach(ov::get(attr::Menus, self), [&](ovC_object* menu) {
    ov::send<0>(sel::UpdateMenu, menu, {window, event, modal});
    return ovSuccess;
  });
  return ovSuccess;
}

}  // namespace menubar

const ovClassDeclaration kMenubarClass({
    .name = "Menubar",
    .attributes = {"Owner", "Menus", "Menubar Record", "Gray Region", "Menu Bar Height", "Filters"},
    .methods = {{"Open", ov::routine<menubar::Open>},
                {"Close", ov::routine<menubar::Close>},
                {"Insert Menu", ov::routine<menubar::InsertMenu>},
                {"Delete Menu", ov::routine<menubar::DeleteMenu>},
                {"Draw", ov::routine<menubar::Draw>},
                {"On Command", ov::routine<menubar::OnCommand>},
                {"Choose Menu", ov::routine<menubar::ChooseMenu>},
                {"Find Item By ID", ov::routine<menubar::FindItemById>},
                {"Find Menu Item", ov::routine<menubar::FindMenuItem>},
                {"Get Item Position", ov::routine<menubar::GetItemPosition>},
                {"Get Menubar Record", ov::reader<attr::MenubarRecord>},
                {"Get Unique ID", ov::routine<menubar::GetUniqueId>},
                {"Get Window", ov::reader<attr::Owner>},
                {"Set Item Enabled?", ov::routine<menubar::SetItemEnabled>},
                {"Set Item String", ov::routine<menubar::SetItemString>},
                {"Modal Menus", ov::routine<menubar::ModalMenus>},
                {"Update Menus", ov::routine<menubar::UpdateMenus>},
                {"Key Down", ov::nothing},
                {"Mouse Down", ov::nothing},
                {"Resume", ov::nothing},
                {"Suspend", ov::nothing},
                {"Set Visible?", ov::nothing}},
});

}  // namespace
