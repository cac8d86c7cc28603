// Menus as the menu calls keep them: a handle per menu, each an ordered list
// of items. A menu bar (CreateMenu) and a drop-down menu (CreatePopupMenu)
// differ only in how they are shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::menus {

struct MenuItem {
  UINT flags = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_BITMAP, MF_POPUP, MF_SEPARATOR
  UINT_PTR id = 0;
  HMENU submenu = nullptr;  // with MF_POPUP
  std::string text;         // "&" marks the mnemonic; a tab starts the accelerator's text

  bool isSeparator() const { return flags & MF_SEPARATOR; }
  bool isEnabled() const { return !(flags & (MF_GRAYED | MF_DISABLED)); }
  // The letter after the first "&" that is not doubled, in lower case; 0 when
  // there is none.
  char mnemonic() const;
  // The text before the tab and the text after it.
  std::string label() const;
  std::string acceleratorText() const;
};

struct Menu {
  bool popup = false;
  std::vector<MenuItem> items;
};

// The menu of a live menu handle, or nullptr.
Menu* menuFrom(HMENU menu);

struct ItemRef {
  HMENU handle;  // of the menu holding the item
  Menu* menu;
  size_t index;
  MenuItem& item() const { return menu->items[index]; }
};

// An item named by position (MF_BYPOSITION) or command (searching submenus,
// depth first); none when there is no such item.
std::optional<ItemRef> findItem(HMENU menu, UINT position, UINT flags);

}  // namespace platform::menus
