// Lines drawn with the selected pen from the current position.
#include "platform/gdi/line_raster.h"
#include "platform/gdi/painter.h"

using namespace platform;
using namespace platform::gdi;

namespace {

// Dash patterns of one-pixel styled pens: lengths of alternating drawn and
// skipped runs, in pixels.
struct DashPattern {
  int lengths[6];
  int count;
};

const DashPattern* patternOf(int style) {
  static const DashPattern dash{{18, 6}, 2};
  static const DashPattern dot{{3, 3}, 2};
  static const DashPattern dashDot{{9, 6, 3, 6}, 4};
  static const DashPattern dashDotDot{{9, 3, 3, 3, 3, 3}, 6};
  switch (style) {
    case PS_DASH: return &dash;
    case PS_DOT: return &dot;
    case PS_DASHDOT: return &dashDot;
    case PS_DASHDOTDOT: return &dashDotDot;
    default: return nullptr;
  }
}

// Whether pixel number i of a line falls on a drawn run of the pattern.
bool onDash(const DashPattern& pattern, int i) {
  int period = 0;
  for (int k = 0; k < pattern.count; ++k) period += pattern.lengths[k];
  int at = i % period;
  for (int k = 0; k < pattern.count; ++k) {
    if (at < pattern.lengths[k]) return k % 2 == 0;
    at -= pattern.lengths[k];
  }
  return false;
}

void drawThin(DeviceContext& dc, const PenData& pen, POINT from, POINT to) {
  Painter painter(dc);
  SpanOp op = spanOpForRop2(dc.state.rop2);
  uint32_t ink = pixelFromColorRef(pen.color);
  uint32_t gap = pixelFromColorRef(dc.state.bkColor);
  const DashPattern* pattern = patternOf(pen.style);
  auto pixels = thinLinePixels(from, to);
  for (size_t i = 0; i < pixels.size(); ++i) {
    bool drawn = !pattern || onDash(*pattern, static_cast<int>(i));
    if (drawn) painter.plot(pixels[i].x, pixels[i].y, op, ink);
    else if (dc.state.bkMode == OPAQUE) painter.plot(pixels[i].x, pixels[i].y, op, gap);
  }
}

void drawWide(DeviceContext& dc, const PenData& pen, POINT from, POINT to) {
  Painter painter(dc);
  SpanOp op = spanOpForRop2(dc.state.rop2);
  for (const RowRun& run : wideLineRuns(from, to, pen.width))
    painter.span(run.y, run.left, run.right, op, pixelFromColorRef(pen.color));
}

void drawLine(DeviceContext& dc, POINT fromLogical, POINT toLogical) {
  auto pen = dc.state.pen.data;
  if (!pen || pen->style == PS_NULL) return;
  POINT from = dc.toSurface(fromLogical.x, fromLogical.y);
  POINT to = dc.toSurface(toLogical.x, toLogical.y);
  // Styled pens are one pixel wide; wider pens draw solid, as Windows' do.
  if (pen->width > 1) drawWide(dc, *pen, from, to);
  else drawThin(dc, *pen, from, to);
}

}  // namespace

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->state.position;
  dc->state.position = {x, y};
  return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc || !lppt) return FALSE;
  *lppt = dc->state.position;
  return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  drawLine(*dc, dc->state.position, {x, y});
  dc->state.position = {x, y};
  return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  if (!apt || cpt < 2) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  for (int i = 1; i < cpt; ++i) drawLine(*dc, apt[i - 1], apt[i]);
  return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (right - left < 2 || bottom - top < 2) return TRUE;
  auto brush = dc->state.brush.data;
  RECT inner = dc->toSurface(RECT{left + 1, top + 1, right - 1, bottom - 1});
  if (brush && !brush->hollow) Painter(*dc).paint(inner, spanOpForRop2(R2_COPYPEN), pixelFromColorRef(brush->color));
  POINT corners[5] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
  for (int i = 1; i < 5; ++i) drawLine(*dc, corners[i - 1], corners[i]);
  return TRUE;
}
