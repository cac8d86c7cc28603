#include "platform/accessibility/drawn_items.h"

namespace platform::accessibility {
namespace {

HWND topLevelOf(HWND window) {
  while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

}  // namespace

// Asks with room for a window's worth, and again with room for all when
// the answer says there are more.
std::vector<DRAWNITEM> drawnItems(HWND window) {
  std::vector<DRAWNITEM> items(32);
  for (;;) {
    DRAWNITEMS ask{sizeof(DRAWNITEMS), static_cast<UINT>(items.size()), items.data()};
    auto count = static_cast<size_t>(SendMessageA(window, WM_GETDRAWNITEMS, 0, reinterpret_cast<LPARAM>(&ask)));
    if (count <= items.size()) {
      items.resize(count);
      return items;
    }
    items.resize(count);
  }
}

std::string givenName(HWND control) {
  HWND top = topLevelOf(control);
  if (!top || top == control) return {};
  for (const DRAWNITEM& item : drawnItems(top))
    if (item.hwndItem == control) return item.szName;
  return {};
}

}  // namespace platform::accessibility
