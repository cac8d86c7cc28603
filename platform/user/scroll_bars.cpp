// The standard scroll bars' calls: range, page, position, showing and
// enabling, on SB_HORZ and SB_VERT (SB_BOTH where Windows takes it).
//
// SetScrollInfo keeps the state consistent the way Windows does: the page
// is at most the range's size, the position lies between the minimum and
// the last page's start. A change of range or page that leaves nothing to
// scroll hides the bar (disables it with SIF_DISABLENOSCROLL); a change that
// leaves something to scroll shows and enables it again. A moved position
// is told to the accessibility bridge as the bar's value change.
#include "platform/user/scroll_bars.h"

#include <climits>
#include <cstdint>

#include "platform/user/nonclient_paint.h"
#include "platform/user/scroll_bar_tracking.h"

namespace platform::user {
namespace {

// Makes SetScrollInfo answer the position it had before (as SetScrollPos
// does); Windows takes this flag without documenting it.
constexpr UINT kReturnPrevious = 0x1000;

DWORD styleOf(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

LONG objectIdOf(int bar) { return bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL; }

bool sizeIsKnown(UINT size) { return size == sizeof(SCROLLINFO) || size == sizeof(SCROLLINFO) - sizeof(int); }

// Whether this is a call on a window's own bars; SB_CTL is for scroll-bar
// controls, which this window manager does not have, and fails quietly.
Window* barOwner(HWND hwnd, int bar) {
  Window* w = windowOrFail(hwnd);
  return w && isStandardBar(bar) ? w : nullptr;
}

bool setRange(ScrollBarState& s, int low, int high) {
  if (low > high || static_cast<int64_t>(high) - low > INT_MAX) low = high = 0;
  bool changed = s.min != low || s.max != high;
  s.min = low;
  s.max = high;
  return changed;
}

void keepInside(ScrollBarState& s) {
  int64_t span = static_cast<int64_t>(s.max) - s.min + 1;
  if (s.page > span) s.page = static_cast<UINT>(span);
  if (s.pos < s.min) s.pos = s.min;
  else if (s.pos > s.lastPos()) s.pos = s.lastPos();
}

void showBars(Window* w, DWORD bits, bool show) {
  DWORD style = show ? (w->style | bits) : (w->style & ~bits);
  if (style == w->style) return;
  w->style = style;
  SetWindowPos(w->hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Hides, disables, shows or enables the bar after its parameters changed.
void settleVisibility(Window* w, int bar, UINT mask, bool changed) {
  ScrollBarState& s = scrollBarsOf(w, true)->of(bar);
  if (!(mask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL))) return;
  if (s.needless()) {
    if (mask & SIF_DISABLENOSCROLL) s.disabledArrows = ESB_DISABLE_BOTH;
    else if (changed) showBars(w, styleOf(bar), false);
    return;
  }
  if ((mask & ~kReturnPrevious) == SIF_PAGE) return;
  if (changed) showBars(w, styleOf(bar), true);
  s.disabledArrows = ESB_ENABLE_BOTH;
}

bool enableArrows(Window* w, int bar, UINT arrows) {
  ScrollBarState& s = scrollBarsOf(w, true)->of(bar);
  if (s.disabledArrows == arrows) return false;
  s.disabledArrows = arrows;
  redrawScrollBar(w, bar);
  return true;
}

}  // namespace

bool isStandardBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

ScrollBars* scrollBarsOf(Window* w, bool create) {
  if (!w->scrollBars && create) w->scrollBars = std::make_unique<ScrollBars>();
  return w->scrollBars.get();
}

RECT scrollBarRect(const Window* w, int bar) {
  FrameLayout f = layoutOf(w);
  return bar == SB_VERT ? f.verticalScroll : f.horizontalScroll;
}

ScrollBarLayout scrollBarLayoutOf(Window* w, int bar) {
  const ScrollBarState& s = scrollBarsOf(w, true)->of(bar);
  return scrollBarLayout(scrollBarRect(w, bar), bar == SB_VERT, s, trackingPosition(w->hwnd, bar, s.pos));
}

void redrawScrollBar(Window* w, int bar) {
  RECT r = scrollBarRect(w, bar);
  if (r.right <= r.left || r.bottom <= r.top || !isShowing(w) || w->isMinimized()) return;
  POINT origin = windowOrigin(w);
  OffsetRect(&r, origin.x, origin.y);
  HRGN region = CreateRectRgnIndirect(&r);
  paintNonClient(w, region);
  DeleteObject(region);
}

}  // namespace platform::user

using namespace platform::user;

int WINAPI SetScrollInfo(HWND hwnd, int nBar, LPCSCROLLINFO lpsi, BOOL redraw) {
  Window* w = barOwner(hwnd, nBar);
  if (!w) return 0;
  if (!lpsi || !sizeIsKnown(lpsi->cbSize)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  bool changed = !w->scrollBars;
  ScrollBarState& s = scrollBarsOf(w, true)->of(nBar);
  int previous = s.pos;
  if ((lpsi->fMask & SIF_PAGE) && s.page != lpsi->nPage) {
    s.page = lpsi->nPage;
    changed = true;
  }
  if ((lpsi->fMask & SIF_RANGE) && setRange(s, lpsi->nMin, lpsi->nMax)) changed = true;
  if (lpsi->fMask & SIF_POS) s.pos = lpsi->nPos;
  keepInside(s);
  settleVisibility(w, nBar, lpsi->fMask, changed);
  if (redraw) redrawScrollBar(w, nBar);
  if (s.pos != previous) NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd, objectIdOf(nBar), CHILDID_SELF);
  return (lpsi->fMask & kReturnPrevious) ? previous : s.pos;
}

BOOL WINAPI GetScrollInfo(HWND hwnd, int nBar, LPSCROLLINFO lpsi) {
  Window* w = barOwner(hwnd, nBar);
  if (!w) return FALSE;
  if (!lpsi || !sizeIsKnown(lpsi->cbSize)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!w->scrollBars) {
    SetLastError(ERROR_NO_SCROLLBARS);
    return FALSE;
  }
  if (!(lpsi->fMask & SIF_ALL)) return FALSE;
  const ScrollBarState& s = w->scrollBars->of(nBar);
  if (lpsi->fMask & SIF_RANGE) {
    lpsi->nMin = s.min;
    lpsi->nMax = s.max;
  }
  if (lpsi->fMask & SIF_PAGE) lpsi->nPage = s.page;
  if (lpsi->fMask & SIF_POS) lpsi->nPos = s.pos;
  if ((lpsi->fMask & SIF_TRACKPOS) && lpsi->cbSize == sizeof(SCROLLINFO))
    lpsi->nTrackPos = trackingPosition(hwnd, nBar, s.pos);
  return TRUE;
}

int WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS | kReturnPrevious, 0, 0, 0, nPos, 0};
  return SetScrollInfo(hWnd, nBar, &info, bRedraw);
}

int WINAPI GetScrollPos(HWND hWnd, int nBar) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
  return GetScrollInfo(hWnd, nBar, &info) ? info.nPos : 0;
}

BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  if (static_cast<int64_t>(nMaxPos) - nMinPos > INT_MAX) {
    SetLastError(ERROR_INVALID_SCROLLBAR_RANGE);
    return FALSE;
  }
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
  if (!barOwner(hWnd, nBar)) return FALSE;
  SetScrollInfo(hWnd, nBar, &info, bRedraw);
  return TRUE;
}

// A window without bars has the range 0 to 0.
BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos) {
  Window* w = barOwner(hWnd, nBar);
  if (!w) return FALSE;
  const ScrollBarState* s = w->scrollBars ? &w->scrollBars->of(nBar) : nullptr;
  if (lpMinPos) *lpMinPos = s ? s->min : 0;
  if (lpMaxPos) *lpMaxPos = s ? s->max : 0;
  return TRUE;
}

// SB_CTL shows or hides the window itself, as it does a scroll-bar control.
BOOL WINAPI ShowScrollBar(HWND hWnd, int wBar, BOOL bShow) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  if (wBar == SB_CTL) {
    ShowWindow(hWnd, bShow ? SW_SHOW : SW_HIDE);
    return TRUE;
  }
  DWORD bits = wBar == SB_BOTH ? (WS_VSCROLL | WS_HSCROLL) : isStandardBar(wBar) ? styleOf(wBar) : 0;
  if (!bits) return FALSE;
  scrollBarsOf(w, true);
  showBars(w, bits, bShow != FALSE);
  return TRUE;
}

// FALSE when the arrows already were as asked.
BOOL WINAPI EnableScrollBar(HWND hWnd, UINT wSBflags, UINT wArrows) {
  Window* w = windowOrFail(hWnd);
  if (!w) return FALSE;
  auto bar = static_cast<int>(wSBflags);
  UINT arrows = wArrows & ESB_DISABLE_BOTH;
  if (bar == SB_BOTH) {
    bool vertical = enableArrows(w, SB_VERT, arrows);
    bool horizontal = enableArrows(w, SB_HORZ, arrows);
    return vertical || horizontal;
  }
  return isStandardBar(bar) && enableArrows(w, bar, arrows);
}
