// The menu calls: making, changing, reading and destroying menus.
//
// A submenu belongs to the item that opens it: deleting that item, replacing
// it with ModifyMenuA, or destroying the menu destroys the submenu too
// (RemoveMenu detaches it instead).
#include "platform/menus/menu.h"

#include <cctype>
#include <cstring>

#include "platform/handle_table.h"
#include "platform/menus/menu_bar.h"

namespace platform::menus {
namespace {

Menu* menuOrFail(HMENU menu) {
  Menu* m = menuFrom(menu);
  if (!m) SetLastError(ERROR_INVALID_MENU_HANDLE);
  return m;
}

// Depth first through submenus; the depth bound stops at a menu that
// holds itself.
std::optional<ItemRef> byCommand(HMENU handle, Menu* menu, UINT id, int depth) {
  if (depth > 32) return std::nullopt;
  for (size_t i = 0; i < menu->items.size(); ++i) {
    MenuItem& item = menu->items[i];
    if (!(item.flags & MF_POPUP) && item.id == id) return ItemRef{handle, menu, i};
    Menu* sub = (item.flags & MF_POPUP) ? menuFrom(item.submenu) : nullptr;
    if (auto found = sub ? byCommand(item.submenu, sub, id, depth + 1) : std::nullopt) return found;
  }
  return std::nullopt;
}

HMENU createMenu(bool popup) {
  installMenuHooks();
  auto* menu = new Menu{popup, {}};
  HandleValue h = handleCreate(HandleKind::Menu, menu);
  if (h == 0) {
    delete menu;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return handleToWin32<HMENU>(h);
}

// The item AppendMenuA, InsertMenuA and ModifyMenuA describe, or none when
// a submenu handle is not one.
std::optional<MenuItem> itemOf(UINT flags, UINT_PTR id, LPCSTR text) {
  MenuItem item;
  item.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_BITMAP | MF_POPUP | MF_SEPARATOR);
  // A separator can never be chosen: Windows keeps it grayed and disabled.
  if (flags & MF_SEPARATOR) item.flags |= MF_GRAYED | MF_DISABLED;
  item.id = (flags & MF_POPUP) ? 0 : id;
  if (flags & MF_POPUP) {
    item.submenu = reinterpret_cast<HMENU>(id);
    if (!menuFrom(item.submenu)) return std::nullopt;
  }
  if (!(flags & (MF_SEPARATOR | MF_BITMAP)) && text) item.text = text;
  return item;
}

BOOL insertItem(HMENU menu, size_t at, UINT flags, UINT_PTR id, LPCSTR text) {
  Menu* m = menuOrFail(menu);
  if (!m) return FALSE;
  std::optional<MenuItem> item = itemOf(flags, id, text);
  if (!item) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return FALSE;
  }
  m->items.insert(m->items.begin() + static_cast<long>(std::min(at, m->items.size())), std::move(*item));
  return TRUE;
}

BOOL removeItem(HMENU menu, UINT position, UINT flags, bool destroySubmenu) {
  std::optional<ItemRef> ref = findItem(menu, position, flags);
  if (!ref) return FALSE;
  HMENU submenu = ref->item().submenu;
  ref->menu->items.erase(ref->menu->items.begin() + static_cast<long>(ref->index));
  if (destroySubmenu && submenu) DestroyMenu(submenu);
  return TRUE;
}

UINT stateOf(const MenuItem& item) {
  UINT state = item.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_BITMAP | MF_SEPARATOR);
  if (!(item.flags & MF_POPUP)) return state;
  Menu* sub = menuFrom(item.submenu);
  return state | MF_POPUP | (sub ? static_cast<UINT>(sub->items.size()) << 8 : 0);
}

}  // namespace

char MenuItem::mnemonic() const {
  std::string shown = label();
  for (size_t i = 0; i + 1 < shown.size(); ++i) {
    if (shown[i] != '&') continue;
    if (shown[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(shown[i + 1])));
    ++i;
  }
  return 0;
}

std::string MenuItem::label() const { return text.substr(0, text.find('\t')); }

std::string MenuItem::acceleratorText() const {
  size_t tab = text.find('\t');
  return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

Menu* menuFrom(HMENU menu) { return static_cast<Menu*>(handleObject(handleFromWin32(menu), HandleKind::Menu)); }

std::optional<ItemRef> findItem(HMENU menu, UINT position, UINT flags) {
  Menu* m = menuOrFail(menu);
  if (!m) return std::nullopt;
  if (flags & MF_BYPOSITION) {
    if (position < m->items.size()) return ItemRef{menu, m, position};
    return std::nullopt;
  }
  return byCommand(menu, m, position, 0);
}

}  // namespace platform::menus

using namespace platform;
using namespace platform::menus;

HMENU WINAPI CreateMenu(void) { return createMenu(false); }
HMENU WINAPI CreatePopupMenu(void) { return createMenu(true); }

// The handle goes first, so a menu that holds itself is not destroyed twice.
BOOL WINAPI DestroyMenu(HMENU hMenu) {
  Menu* m = menuOrFail(hMenu);
  if (!m) return FALSE;
  handleRelease(handleFromWin32(hMenu), HandleKind::Menu);
  for (const MenuItem& item : m->items)
    if (item.submenu) DestroyMenu(item.submenu);
  delete m;
  return TRUE;
}

BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  return insertItem(hMenu, SIZE_MAX, uFlags, uIDNewItem, lpNewItem);
}

BOOL WINAPI InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  if (!(uFlags & MF_BYPOSITION)) {
    std::optional<ItemRef> before = findItem(hMenu, uPosition, uFlags);
    if (!before) return FALSE;
    return insertItem(before->handle, before->index, uFlags, uIDNewItem, lpNewItem);
  }
  size_t at = uPosition == static_cast<UINT>(-1) ? SIZE_MAX : uPosition;
  return insertItem(hMenu, at, uFlags, uIDNewItem, lpNewItem);
}

BOOL WINAPI ModifyMenuA(HMENU hMnu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  std::optional<ItemRef> ref = findItem(hMnu, uPosition, uFlags);
  std::optional<MenuItem> replacement = itemOf(uFlags, uIDNewItem, lpNewItem);
  if (!ref || !replacement) return FALSE;
  HMENU old = ref->item().submenu;
  ref->item() = std::move(*replacement);
  if (old && old != ref->item().submenu) DestroyMenu(old);
  return TRUE;
}

BOOL WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) { return removeItem(hMenu, uPosition, uFlags, true); }
BOOL WINAPI RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) { return removeItem(hMenu, uPosition, uFlags, false); }

UINT WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
  std::optional<ItemRef> ref = findItem(hMenu, uIDEnableItem, uEnable);
  if (!ref) return static_cast<UINT>(-1);
  UINT& flags = ref->item().flags;
  UINT previous = flags & (MF_GRAYED | MF_DISABLED);
  flags = (flags & ~(MF_GRAYED | MF_DISABLED)) | (uEnable & (MF_GRAYED | MF_DISABLED));
  return previous;
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
  std::optional<ItemRef> ref = findItem(hMenu, uIDCheckItem, uCheck);
  if (!ref) return static_cast<DWORD>(-1);
  UINT& flags = ref->item().flags;
  DWORD previous = flags & MF_CHECKED;
  flags = (flags & ~MF_CHECKED) | (uCheck & MF_CHECKED);
  return previous;
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
  Menu* m = menuOrFail(hMenu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
  std::optional<ItemRef> ref = findItem(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
  if (!ref || (ref->item().flags & MF_POPUP)) return static_cast<UINT>(-1);
  return static_cast<UINT>(ref->item().id);
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
  std::optional<ItemRef> ref = findItem(hMenu, uId, uFlags);
  return ref ? stateOf(ref->item()) : static_cast<UINT>(-1);
}

int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
  std::optional<ItemRef> ref = findItem(hMenu, uIDItem, flags);
  if (!ref) return 0;
  const std::string& text = ref->item().text;
  if (!lpString || cchMax <= 0) return static_cast<int>(text.size());
  size_t count = std::min(text.size(), static_cast<size_t>(cchMax - 1));
  std::memcpy(lpString, text.data(), count);
  lpString[count] = '\0';
  return static_cast<int>(count);
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
  std::optional<ItemRef> ref = findItem(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
  return ref && (ref->item().flags & MF_POPUP) ? ref->item().submenu : nullptr;
}

BOOL WINAPI IsMenu(HMENU hMenu) { return menuFrom(hMenu) != nullptr; }
