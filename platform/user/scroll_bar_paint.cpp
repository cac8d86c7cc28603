// Drawing a standard scroll bar in the classic look: raised arrow buttons
// with a black triangle (embossed grey when the arrow is disabled, flat and
// shifted while pressed), the track (the pressed part of it dark), and a
// raised thumb.
#include "platform/user/scroll_bar_tracking.h"
#include "platform/user/scroll_bars.h"

namespace platform::user {
namespace {

enum class Direction { Up, Down, Left, Right };

Direction directionOf(bool vertical, ScrollPart arrow) {
  if (vertical) return arrow == ScrollPart::LineUp ? Direction::Up : Direction::Down;
  return arrow == ScrollPart::LineUp ? Direction::Left : Direction::Right;
}

// A triangle four pixels deep and seven wide, pointing its way, centred on
// (cx, cy).
void drawTriangle(HDC hdc, int cx, int cy, Direction d, int color) {
  HBRUSH brush = GetSysColorBrush(color);
  for (int row = 0; row < 4; ++row) {
    int half = row, depth = d == Direction::Up || d == Direction::Left ? row - 2 : 1 - row;
    RECT line = d == Direction::Up || d == Direction::Down ? RECT{cx - half, cy + depth, cx + half + 1, cy + depth + 1}
                                                           : RECT{cx + depth, cy - half, cx + depth + 1, cy + half + 1};
    FillRect(hdc, &line, brush);
  }
}

void drawArrow(HDC hdc, RECT r, Direction d, bool pressed, bool disabled) {
  if (r.right <= r.left) return;
  if (pressed) {
    FrameRect(hdc, &r, GetSysColorBrush(COLOR_3DSHADOW));
    InflateRect(&r, -1, -1);
    FillRect(hdc, &r, GetSysColorBrush(COLOR_3DFACE));
    OffsetRect(&r, 1, 1);
  } else {
    DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
  int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  if (disabled) {
    drawTriangle(hdc, cx + 1, cy + 1, d, COLOR_3DHIGHLIGHT);
    drawTriangle(hdc, cx, cy, d, COLOR_3DSHADOW);
  } else {
    drawTriangle(hdc, cx, cy, d, COLOR_BTNTEXT);
  }
}

// With the default scroll-bar colour (the button face's), the track is a
// halftone of the face and the highlight, so that it stands apart from the
// thumb; a colour of its own is used plain.
void drawTrack(HDC hdc, const RECT& r) {
  FillRect(hdc, &r, GetSysColorBrush(COLOR_SCROLLBAR));
  if (GetSysColor(COLOR_SCROLLBAR) != GetSysColor(COLOR_3DFACE)) return;
  COLORREF light = GetSysColor(COLOR_3DHIGHLIGHT);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left + ((r.left + y) & 1); x < r.right; x += 2) SetPixel(hdc, x, y, light);
}

void drawTrackPart(HDC hdc, const RECT& r, bool pressed) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  if (pressed) FillRect(hdc, &r, GetSysColorBrush(COLOR_3DDKSHADOW));
  else drawTrack(hdc, r);
}

}  // namespace

void paintScrollBar(HDC hdc, Window* w, int bar) {
  ScrollBarState defaults;
  const ScrollBars* bars = scrollBarsOf(w, false);
  const ScrollBarState& s = bars ? bars->of(bar) : defaults;
  ScrollBarLayout layout = scrollBarLayout(scrollBarRect(w, bar), bar == SB_VERT, s, trackingPosition(w->hwnd, bar, s.pos));
  ScrollPart pressed = pressedPart(w->hwnd, bar);
  for (ScrollPart arrow : {ScrollPart::LineUp, ScrollPart::LineDown}) {
    UINT disabledBit = arrow == ScrollPart::LineUp ? ESB_DISABLE_UP : ESB_DISABLE_DOWN;
    drawArrow(hdc, layout.partRect(arrow), directionOf(layout.vertical, arrow), pressed == arrow,
              (s.disabledArrows & disabledBit) != 0);
  }
  drawTrackPart(hdc, layout.partRect(ScrollPart::PageUp), pressed == ScrollPart::PageUp);
  drawTrackPart(hdc, layout.partRect(ScrollPart::PageDown), pressed == ScrollPart::PageDown);
  RECT thumb = layout.partRect(ScrollPart::Thumb);
  if (thumb.right > thumb.left) DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

}  // namespace platform::user
