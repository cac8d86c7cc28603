// DrawEdge and DrawFocusRect: the 3D edges and dotted focus frame of the
// classic look.
#include "platform/gdi/painter.h"

using namespace platform;
using namespace platform::gdi;

namespace {

void fill(HDC hdc, int left, int top, int right, int bottom, int sysColor) {
  RECT r{left, top, right, bottom};
  FillRect(hdc, &r, GetSysColorBrush(sysColor));
}

// One ring of an edge: the top and left sides in one colour, the bottom and
// right sides (which own the corners they share) in another.
void ring(HDC hdc, const RECT& r, int topLeft, int bottomRight, UINT sides) {
  if (sides & BF_TOP) fill(hdc, r.left, r.top, r.right - 1, r.top + 1, topLeft);
  if (sides & BF_LEFT) fill(hdc, r.left, r.top, r.left + 1, r.bottom - 1, topLeft);
  if (sides & BF_BOTTOM) fill(hdc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
  if (sides & BF_RIGHT) fill(hdc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
}

void shrink(RECT& r, UINT sides) {
  if (sides & BF_LEFT) ++r.left;
  if (sides & BF_TOP) ++r.top;
  if (sides & BF_RIGHT) --r.right;
  if (sides & BF_BOTTOM) --r.bottom;
}

}  // namespace

BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
  if (!deviceContextFrom(hdc) || !qrc) return FALSE;
  RECT r = *qrc;
  if (edge & BDR_RAISEDOUTER) ring(hdc, r, COLOR_3DLIGHT, COLOR_3DDKSHADOW, grfFlags);
  else if (edge & BDR_SUNKENOUTER) ring(hdc, r, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT, grfFlags);
  if (edge & BDR_OUTER) shrink(r, grfFlags);
  if (edge & BDR_RAISEDINNER) ring(hdc, r, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW, grfFlags);
  else if (edge & BDR_SUNKENINNER) ring(hdc, r, COLOR_3DDKSHADOW, COLOR_3DLIGHT, grfFlags);
  if (edge & BDR_INNER) shrink(r, grfFlags);
  if (grfFlags & BF_MIDDLE) FillRect(hdc, &r, GetSysColorBrush(COLOR_3DFACE));
  if (grfFlags & BF_ADJUST) *qrc = r;
  return TRUE;
}

// Inverts every other pixel around the rectangle, so drawing it twice
// removes it.
BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
  DeviceContext* dc = deviceContextFrom(hDC);
  if (!dc || !lprc) return FALSE;
  RECT r = dc->toSurface(*lprc);
  if (r.right - r.left < 1 || r.bottom - r.top < 1) return TRUE;
  Painter painter(*dc);
  SpanOp invert = spanOpForRop2(R2_NOT);
  auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) painter.plot(x, y, invert, 0);
  };
  for (int x = r.left; x < r.right; ++x) {
    dot(x, r.top);
    if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    dot(r.left, y);
    if (r.right - 1 > r.left) dot(r.right - 1, y);
  }
  return TRUE;
}
