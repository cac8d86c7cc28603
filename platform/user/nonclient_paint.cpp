// Drawing a window's non-client area: frame, caption with title and
// buttons, menu bar (through the menu hook), client edge, scroll bars.
#include "platform/user/nonclient_paint.h"

#include "platform/backend.h"
#include "platform/user/frame_layout.h"
#include "platform/user/menu_bar_hook.h"
#include "platform/user/scroll_bars.h"

namespace platform::user {
namespace {

MenuBarPainter installedMenuBarPainter = nullptr;
MenuKeyHandler installedMenuKeyHandler = nullptr;
MenuMouseHandler installedMenuMouseHandler = nullptr;

void fillSys(HDC hdc, const RECT& r, int color) { FillRect(hdc, &r, GetSysColorBrush(color)); }

void drawFrame(HDC hdc, const FrameLayout& f, RECT r, bool active) {
  if (f.kind == FrameKind::Border) {
    FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    return;
  }
  if (f.kind == FrameKind::None) return;
  DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
  int color = f.kind == FrameKind::Sizing ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_3DFACE;
  for (int i = 2; i < f.thickness; ++i) {
    FrameRect(hdc, &r, GetSysColorBrush(color));
    InflateRect(&r, -1, -1);
  }
}

HFONT captionFont() {
  static HFONT font = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  return font;
}

void drawGlyph(HDC hdc, const RECT& b, int which) {
  HGDIOBJ old = SelectObject(hdc, GetStockObject(BLACK_PEN));
  int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
  if (which == HTCLOSE) {
    for (int d = 0; d < 2; ++d) {
      MoveToEx(hdc, cx - 4 + d, cy - 3, nullptr);
      LineTo(hdc, cx + 3 + d, cy + 4);
      MoveToEx(hdc, cx + 2 + d, cy - 3, nullptr);
      LineTo(hdc, cx - 5 + d, cy + 4);
    }
  } else if (which == HTMAXBUTTON) {
    RECT box{cx - 5, cy - 4, cx + 4, cy + 4};
    FrameRect(hdc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT bar{box.left, box.top + 1, box.right, box.top + 2};
    FillRect(hdc, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  } else {
    RECT bar{cx - 4, cy + 2, cx + 2, cy + 4};
    FillRect(hdc, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  SelectObject(hdc, old);
}

void drawButton(HDC hdc, RECT b, int which) {
  if (b.right <= b.left) return;
  DrawEdge(hdc, &b, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  drawGlyph(hdc, b, which);
}

void drawCaption(HDC hdc, const Window* w, const FrameLayout& f) {
  const RECT& c = f.caption;
  if (c.bottom <= c.top) return;
  fillSys(hdc, c, w->captionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  fillSys(hdc, {c.left, c.bottom, c.right, c.bottom + 1}, COLOR_3DFACE);
  RECT title{c.left + 2, c.top, c.right - 2, c.bottom};
  if (f.systemMenu.right > f.systemMenu.left) title.left = f.systemMenu.right + 2;
  if (f.closeButton.right > f.closeButton.left) title.right = (f.minimizeButton.right > f.minimizeButton.left ? f.minimizeButton.left : f.closeButton.left) - 2;
  HGDIOBJ oldFont = SelectObject(hdc, captionFont());
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(w->captionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawTextA(hdc, w->text.c_str(), -1, &title, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  SelectObject(hdc, oldFont);
  drawButton(hdc, f.minimizeButton, HTMINBUTTON);
  drawButton(hdc, f.maximizeButton, HTMAXBUTTON);
  drawButton(hdc, f.closeButton, HTCLOSE);
}

void drawMenuBar(HDC hdc, const Window* w, const FrameLayout& f) {
  if (f.menuBar.bottom <= f.menuBar.top) return;
  if (installedMenuBarPainter) installedMenuBarPainter(w->hwnd, hdc, f.menuBar);
  else fillSys(hdc, f.menuBar, COLOR_MENU);
}

void drawClientEdge(HDC hdc, const FrameLayout& f, DWORD exStyle) {
  RECT edge = f.edge;
  if (exStyle & WS_EX_CLIENTEDGE) DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (exStyle & WS_EX_STATICEDGE) DrawEdge(hdc, &edge, BDR_SUNKENOUTER, BF_RECT);
}

// The bars, and the box in the corner between them.
void drawScrollBars(HDC hdc, Window* w, const FrameLayout& f) {
  bool vertical = f.verticalScroll.right > f.verticalScroll.left;
  bool horizontal = f.horizontalScroll.right > f.horizontalScroll.left;
  if (vertical) paintScrollBar(hdc, w, SB_VERT);
  if (horizontal) paintScrollBar(hdc, w, SB_HORZ);
  if (vertical && horizontal)
    fillSys(hdc, {f.verticalScroll.left, f.horizontalScroll.top, f.verticalScroll.right, f.horizontalScroll.bottom},
            COLOR_3DFACE);
}

// The caller's region stays its own: the DC is given a copy.
HDC frameDeviceContext(const Window* w, HRGN region) {
  if (reinterpret_cast<uintptr_t>(region) <= 1) return GetWindowDC(w->hwnd);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(copy, region, nullptr, RGN_COPY);
  return GetDCEx(w->hwnd, copy, DCX_WINDOW | DCX_INTERSECTRGN);
}

}  // namespace

void setMenuBarPainter(MenuBarPainter painter) { installedMenuBarPainter = painter; }
MenuBarPainter menuBarPainter() { return installedMenuBarPainter; }
void setMenuKeyHandler(MenuKeyHandler handler) { installedMenuKeyHandler = handler; }
MenuKeyHandler menuKeyHandler() { return installedMenuKeyHandler; }
void setMenuMouseHandler(MenuMouseHandler handler) { installedMenuMouseHandler = handler; }
MenuMouseHandler menuMouseHandler() { return installedMenuMouseHandler; }

FrameLayout layoutOf(const Window* w) {
  return frameLayout(w->style, w->exStyle, w->hasMenuBar(), w->rect.right - w->rect.left, w->rect.bottom - w->rect.top);
}

void paintNonClient(Window* w, HRGN region) {
  if (w->isMinimized()) return;
  FrameLayout f = layoutOf(w);
  HDC hdc = frameDeviceContext(w, region);
  if (!hdc) return;
  RECT client = f.client;
  ExcludeClipRect(hdc, client.left, client.top, client.right, client.bottom);
  drawFrame(hdc, f, {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top}, w->captionActive);
  drawCaption(hdc, w, f);
  drawMenuBar(hdc, w, f);
  drawClientEdge(hdc, f, w->exStyle);
  drawScrollBars(hdc, w, f);
  ReleaseDC(w->hwnd, hdc);
}

}  // namespace platform::user

RECT platform::contentRect(HWND window) {
  user::Window* w = user::windowFrom(window);
  if (!w || w == &user::desktop()) return {0, 0, 0, 0};
  user::FrameLayout f = user::layoutOf(w);
  bool menu = f.menuBar.bottom > f.menuBar.top;
  return {f.thickness, menu ? f.menuBar.top : f.edge.top, w->rect.right - w->rect.left - f.thickness,
          w->rect.bottom - w->rect.top - f.thickness};
}
