#include "platform/menus/menu_bar.h"

#include "platform/menus/menu.h"
#include "platform/menus/menu_look.h"
#include "platform/menus/menu_tracking.h"
#include "platform/user/menu_bar_hook.h"
#include "platform/user/nonclient_paint.h"

namespace platform::menus {
namespace {

struct Highlight {
  HWND window = nullptr;
  int item = -1;
  bool open = false;
};

Highlight& highlight() {
  static Highlight h;
  return h;
}

// The bar's rectangle in window coordinates, or an empty one.
RECT barRect(HWND window) {
  user::Window* w = user::windowFrom(window);
  if (!w || !w->hasMenuBar()) return {};
  return user::layoutOf(w).menuBar;
}

int itemWidth(const MenuItem& item) {
  int content = (item.flags & MF_BITMAP) ? GetSystemMetrics(SM_CXMENUSIZE) : menuTextWidth(item.label());
  return content + 2 * kBarItemPadding;
}

// Item rectangles in window coordinates.
std::vector<RECT> itemRects(HWND window) {
  RECT bar = barRect(window);
  Menu* menu = menuFrom(GetMenu(window));
  std::vector<RECT> rects;
  if (!menu || IsRectEmpty(&bar)) return rects;
  int x = bar.left;
  for (const MenuItem& item : menu->items) {
    int right = x + itemWidth(item);
    rects.push_back({x, bar.top, right, bar.bottom});
    x = right;
  }
  return rects;
}

ItemLook lookOf(const MenuItem& item) { return item.isEnabled() ? ItemLook::Normal : ItemLook::Grayed; }

enum class BarItemState { Plain, Raised, Pressed };

void paintItem(HDC hdc, const MenuItem& item, RECT r, BarItemState state) {
  if (state == BarItemState::Pressed) DrawEdge(hdc, &r, BDR_SUNKENOUTER, BF_RECT);
  if (state == BarItemState::Raised) DrawEdge(hdc, &r, BDR_RAISEDINNER, BF_RECT);
  RECT text{r.left + kBarItemPadding, r.top, r.right - kBarItemPadding, r.bottom};
  if (state == BarItemState::Pressed) OffsetRect(&text, 1, 1);
  if (!(item.flags & MF_BITMAP)) drawMenuText(hdc, item.label(), text, lookOf(item));
}

// The window manager's bar painter: the bar in the menu colour, each item's
// text, and the tracked item raised (selected) or sunk (open).
void paintBar(HWND window, HDC hdc, const RECT& bar) {
  FillRect(hdc, &bar, GetSysColorBrush(COLOR_MENU));
  Menu* menu = menuFrom(GetMenu(window));
  if (!menu) return;
  std::vector<RECT> rects = itemRects(window);
  const Highlight& h = highlight();
  for (size_t i = 0; i < rects.size(); ++i) {
    bool lit = h.window == window && h.item == static_cast<int>(i);
    BarItemState state = !lit ? BarItemState::Plain : h.open ? BarItemState::Pressed : BarItemState::Raised;
    paintItem(hdc, menu->items[i], rects[i], state);
  }
}

void repaintBar(HWND window) {
  RECT bar = barRect(window);
  if (IsRectEmpty(&bar)) return;
  HDC hdc = GetWindowDC(window);
  paintBar(window, hdc, bar);
  ReleaseDC(window, hdc);
}

}  // namespace

void installMenuHooks() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  user::setMenuBarPainter(paintBar);
  user::setMenuKeyHandler(trackByKeyboard);
  user::setMenuMouseHandler(trackByMouse);
}

std::vector<RECT> barItemRects(HWND window) {
  std::vector<RECT> rects = itemRects(window);
  RECT frame{};
  GetWindowRect(window, &frame);
  for (RECT& r : rects) OffsetRect(&r, frame.left, frame.top);
  return rects;
}

int barItemAt(HWND window, POINT screen) {
  std::vector<RECT> rects = barItemRects(window);
  for (size_t i = 0; i < rects.size(); ++i)
    if (PtInRect(&rects[i], screen)) return static_cast<int>(i);
  return -1;
}

void setBarHighlight(HWND window, int item, bool open) {
  HWND previous = highlight().window;
  highlight() = {window, item, open};
  if (previous && previous != window) repaintBar(previous);
  repaintBar(window);
}

}  // namespace platform::menus

using namespace platform;

namespace {

// The frame is computed afresh (WM_NCCALCSIZE) and drawn at once
// (WM_NCPAINT); the client area keeps what it shows.
BOOL recomputeFrame(HWND hWnd) {
  return SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                      SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

BOOL WINAPI SetMenu(HWND hWnd, HMENU hMenu) {
  user::Window* w = user::windowOrFail(hWnd);
  if (!w || w->isChild() || (hMenu && !menus::menuFrom(hMenu))) {
    SetLastError(w ? ERROR_INVALID_MENU_HANDLE : ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  w->menu = hMenu;
  recomputeFrame(hWnd);
  return TRUE;
}

// A child window has no menu bar: nothing to draw.
BOOL WINAPI DrawMenuBar(HWND hWnd) {
  user::Window* w = user::windowOrFail(hWnd);
  if (!w) return FALSE;
  return w->isChild() || recomputeFrame(hWnd);
}
