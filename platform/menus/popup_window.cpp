#include "platform/menus/popup_window.h"

#include <algorithm>
#include <vector>

#include "platform/controls/builtin_procs.h"
#include "platform/controls/button_marks.h"
#include "platform/controls/control_support.h"
#include "platform/menus/menu.h"
#include "platform/menus/menu_look.h"

namespace platform::menus {
namespace {

struct PopupState {
  HMENU menu = nullptr;
  int selected = -1;
};

// Where the items of a drop-down menu go, in window coordinates.
struct PopupLayout {
  std::vector<RECT> items;
  SIZE size{};
  int labelLeft = 0;
  int acceleratorLeft = 0;
};

PopupLayout layoutOf(const Menu& menu) {
  int labels = 0, accelerators = 0;
  for (const MenuItem& item : menu.items) {
    if (item.isSeparator()) continue;
    labels = std::max(labels, menuTextWidth(item.label()));
    accelerators = std::max(accelerators, menuTextWidth(item.acceleratorText()));
  }
  PopupLayout layout;
  int inner = kCheckColumn + labels + (accelerators ? kAcceleratorGap + accelerators : 0) + kArrowColumn;
  int y = kPopupFrame;
  for (const MenuItem& item : menu.items) {
    int height = item.isSeparator() ? kSeparatorHeight : itemHeight();
    layout.items.push_back({kPopupFrame, y, kPopupFrame + inner, y + height});
    y += height;
  }
  layout.size = {inner + 2 * kPopupFrame, y + kPopupFrame};
  layout.labelLeft = kPopupFrame + kCheckColumn;
  layout.acceleratorLeft = layout.labelLeft + labels + kAcceleratorGap;
  return layout;
}

ItemLook lookOf(const MenuItem& item, bool selected) {
  if (item.isEnabled()) return selected ? ItemLook::Selected : ItemLook::Normal;
  return selected ? ItemLook::GrayedSelected : ItemLook::Grayed;
}

COLORREF markColor(ItemLook look) {
  switch (look) {
    case ItemLook::Selected: return GetSysColor(COLOR_HIGHLIGHTTEXT);
    case ItemLook::Normal: return GetSysColor(COLOR_MENUTEXT);
    default: return GetSysColor(COLOR_GRAYTEXT);
  }
}

// The right-pointing triangle of an item that opens a submenu.
void drawArrow(HDC hdc, const RECT& r, COLORREF color) {
  int x = r.right - kArrowColumn / 2 - 2, middle = (r.top + r.bottom) / 2;
  for (int column = 0; column < 4; ++column)
    for (int y = middle - 3 + column; y <= middle + 3 - column; ++y) SetPixel(hdc, x + column, y, color);
}

void drawSeparator(HDC hdc, const RECT& r) {
  int middle = (r.top + r.bottom) / 2 - 1;
  RECT line{r.left + 1, middle, r.right - 1, middle + 2};
  DrawEdge(hdc, &line, EDGE_ETCHED, BF_TOP);
}

void drawItem(HDC hdc, const MenuItem& item, const RECT& r, const PopupLayout& layout, bool selected) {
  if (item.isSeparator()) return drawSeparator(hdc, r);
  ItemLook look = lookOf(item, selected);
  if (selected) FillRect(hdc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
  int middle = (r.top + r.bottom - controls::kTickSize) / 2;
  if (item.flags & MF_CHECKED) controls::drawTick(hdc, r.left + (kCheckColumn - controls::kTickSize) / 2, middle, markColor(look));
  drawMenuText(hdc, item.label(), {layout.labelLeft, r.top, r.right, r.bottom}, look);
  drawMenuText(hdc, item.acceleratorText(), {layout.acceleratorLeft, r.top, r.right, r.bottom}, look);
  if (item.flags & MF_POPUP) drawArrow(hdc, r, markColor(look));
}

LRESULT paint(HWND hwnd, const PopupState& state) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (!hdc) return 0;
  RECT frame = controls::clientRect(hwnd);
  FillRect(hdc, &frame, GetSysColorBrush(COLOR_MENU));
  DrawEdge(hdc, &frame, EDGE_RAISED, BF_RECT);
  if (const Menu* menu = menuFrom(state.menu)) {
    PopupLayout layout = layoutOf(*menu);
    for (size_t i = 0; i < menu->items.size(); ++i)
      drawItem(hdc, menu->items[i], layout.items[i], layout, state.selected == static_cast<int>(i));
  }
  EndPaint(hwnd, &ps);
  return 0;
}

LRESULT create(PopupState& state, LPARAM lParam) {
  state.menu = static_cast<HMENU>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
  return 0;
}

LRESULT handle(HWND hwnd, PopupState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return create(state, lParam);
    case WM_PAINT: return paint(hwnd, state);
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

PopupState* stateOf(HWND popup) { return IsWindow(popup) ? controls::stateOf<PopupState>(popup) : nullptr; }

POINT onScreen(POINT at, SIZE size) {
  SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {std::max(LONG{0}, std::min(at.x, screen.cx - size.cx)), std::max(LONG{0}, std::min(at.y, screen.cy - size.cy))};
}

}  // namespace

LRESULT CALLBACK popupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return controls::withState<PopupState>(hwnd, message, wParam, lParam, handle);
}

HWND openPopup(HWND owner, HMENU menu, POINT topLeft) {
  const Menu* m = menuFrom(menu);
  if (!m) return nullptr;
  SIZE size = layoutOf(*m).size;
  POINT at = onScreen(topLeft, size);
  HWND popup = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClassName, "", WS_POPUP, at.x, at.y, size.cx,
                               size.cy, owner, nullptr, nullptr, menu);
  if (!popup) return nullptr;
  ShowWindow(popup, SW_SHOWNA);
  UpdateWindow(popup);
  return popup;
}

HMENU popupMenu(HWND popup) {
  PopupState* state = stateOf(popup);
  return state ? state->menu : nullptr;
}

int popupSelection(HWND popup) {
  PopupState* state = stateOf(popup);
  return state ? state->selected : -1;
}

void setPopupSelection(HWND popup, int item) {
  PopupState* state = stateOf(popup);
  if (!state || state->selected == item) return;
  state->selected = item;
  InvalidateRect(popup, nullptr, FALSE);
  UpdateWindow(popup);
}

int popupItemAt(HWND popup, POINT screen) {
  const Menu* menu = menuFrom(popupMenu(popup));
  if (!menu) return -1;
  RECT window{};
  GetWindowRect(popup, &window);
  POINT p{screen.x - window.left, screen.y - window.top};
  std::vector<RECT> items = layoutOf(*menu).items;
  for (size_t i = 0; i < items.size(); ++i)
    if (PtInRect(&items[i], p)) return static_cast<int>(i);
  return -1;
}

RECT popupItemRect(HWND popup, int item) {
  const Menu* menu = menuFrom(popupMenu(popup));
  if (!menu || item < 0 || item >= static_cast<int>(menu->items.size())) return {};
  RECT r = layoutOf(*menu).items[static_cast<size_t>(item)];
  RECT window{};
  GetWindowRect(popup, &window);
  OffsetRect(&r, window.left, window.top);
  return r;
}

}  // namespace platform::menus
