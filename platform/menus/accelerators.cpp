// Accelerator tables and their translation into commands.
//
// An entry with FVIRTKEY matches a WM_KEYDOWN or WM_SYSKEYDOWN of its
// virtual key when Shift, Ctrl and Alt are down exactly as FSHIFT, FCONTROL
// and FALT say. An entry without it matches a WM_CHAR or WM_SYSCHAR of its
// character, Alt down exactly as FALT says (Shift and Ctrl are part of the
// character). The first matching entry wins. Its command is sent as
// WM_COMMAND with high word 1 and lParam 0, unless it names an item of the
// window's menu that is grayed or disabled: then the key is taken and
// nothing is sent. Before a menu item's command the window hears WM_INITMENU
// (and WM_INITMENUPOPUP for the menu holding the item), as if the menu
// were opened, unless the mouse is captured.
#include <vector>

#include "platform/handle_table.h"
#include "platform/menus/menu.h"

using namespace platform;
using namespace platform::menus;

namespace {

using AcceleratorTable = std::vector<ACCEL>;

constexpr BYTE kKnownFlags = FVIRTKEY | FNOINVERT | FSHIFT | FCONTROL | FALT;

AcceleratorTable* tableFrom(HACCEL table) {
  return static_cast<AcceleratorTable*>(handleObject(handleFromWin32(table), HandleKind::AcceleratorTable));
}

bool down(int key) { return GetKeyState(key) & 0x8000; }

bool matches(const ACCEL& entry, const MSG& msg) {
  bool alt = down(VK_MENU);
  bool keyMessage = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  bool charMessage = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
  if (entry.fVirt & FVIRTKEY) {
    return keyMessage && entry.key == msg.wParam && ((entry.fVirt & FSHIFT) != 0) == down(VK_SHIFT) &&
           ((entry.fVirt & FCONTROL) != 0) == down(VK_CONTROL) && ((entry.fVirt & FALT) != 0) == alt;
  }
  return charMessage && entry.key == msg.wParam && ((entry.fVirt & FALT) != 0) == alt;
}

// The index of submenu among menu's items, or -1.
int indexOfSubmenu(HMENU menu, HMENU submenu) {
  Menu* m = menuFrom(menu);
  for (size_t i = 0; m && i < m->items.size(); ++i)
    if (m->items[i].submenu == submenu) return static_cast<int>(i);
  return -1;
}

// Tells the window its menu is about to be used; false when the command is
// one of its items that cannot be chosen.
bool menuAllows(HWND hwnd, WORD command) {
  HMENU bar = GetMenu(hwnd);
  std::optional<ItemRef> item = bar ? findItem(bar, command, MF_BYCOMMAND) : std::nullopt;
  if (!item) return true;
  if (!GetCapture()) {
    SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    int index = indexOfSubmenu(bar, item->handle);
    if (index >= 0) SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(item->handle), MAKELPARAM(index, FALSE));
  }
  item = findItem(bar, command, MF_BYCOMMAND);
  return item && item->item().isEnabled();
}

}  // namespace

HACCEL WINAPI CreateAcceleratorTableA(LPACCEL paccel, int cAccel) {
  if (!paccel || cAccel <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto* table = new AcceleratorTable(paccel, paccel + cAccel);
  for (ACCEL& entry : *table) entry.fVirt &= kKnownFlags;
  HandleValue h = handleCreate(HandleKind::AcceleratorTable, table);
  if (h == 0) {
    delete table;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return handleToWin32<HACCEL>(h);
}

BOOL WINAPI DestroyAcceleratorTable(HACCEL hAccel) {
  AcceleratorTable* table = tableFrom(hAccel);
  if (!table) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  handleRelease(handleFromWin32(hAccel), HandleKind::AcceleratorTable);
  delete table;
  return TRUE;
}

int WINAPI TranslateAcceleratorA(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg) {
  AcceleratorTable* table = tableFrom(hAccTable);
  if (!table || !lpMsg || !IsWindow(hWnd)) {
    SetLastError(table ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_HANDLE);
    return 0;
  }
  for (const ACCEL& entry : *table) {
    if (!matches(entry, *lpMsg)) continue;
    if (IsWindowEnabled(hWnd) && menuAllows(hWnd, entry.cmd))
      SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
    return 1;
  }
  return 0;
}

BOOL WINAPI TranslateMDISysAccel(HWND, LPMSG) { return FALSE; }
