// Filled shapes: rectangles and regions painted with a brush, inverted, or
// framed; single pixels.
#include <algorithm>

#include "platform/gdi/painter.h"

using namespace platform;
using namespace platform::gdi;

namespace {

// A logical region in surface coordinates.
Region toSurface(const DeviceContext& dc, Region region) {
  POINT shift = dc.toSurface(0, 0);
  region.offset(shift.x, shift.y);
  return region;
}

Region rectRegion(const DeviceContext& dc, const RECT& logical) { return Region(dc.toSurface(logical)); }

bool fillWithBrush(DeviceContext& dc, const Region& area, HBRUSH hbr) {
  auto brush = brushFrom(hbr);
  if (!brush) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  if (!brush->hollow) Painter(dc).paint(area, spanOpForRop2(R2_COPYPEN), pixelFromColorRef(brush->color));
  return true;
}

// The band of width w and height h just inside the edge of region.
Region frameOf(const Region& region, int w, int h) {
  Region inner = region;
  for (POINT shift : {POINT{w, 0}, POINT{-w, 0}, POINT{0, h}, POINT{0, -h}}) {
    Region moved = region;
    moved.offset(shift.x, shift.y);
    inner.intersect(moved);
  }
  return region.combined(inner, Region::Op::Diff);
}

Region rectFrame(const RECT& r) { return frameOf(Region(r), 1, 1); }

}  // namespace

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  DeviceContext* dc = deviceContextFrom(hDC);
  if (!dc || !lprc) return 0;
  return fillWithBrush(*dc, rectRegion(*dc, *lprc), hbr);
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  DeviceContext* dc = deviceContextFrom(hDC);
  if (!dc || !lprc) return 0;
  return fillWithBrush(*dc, rectFrame(dc->toSurface(*lprc)), hbr);
}

BOOL WINAPI InvertRect(HDC hDC, const RECT* lprc) {
  DeviceContext* dc = deviceContextFrom(hDC);
  if (!dc || !lprc) return FALSE;
  Painter(*dc).paint(rectRegion(*dc, *lprc), spanOpForRop2(R2_NOT), 0);
  return TRUE;
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  RECT logical{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
  Region area = rectRegion(*dc, logical);
  auto brush = dc->state.brush.data;
  uint32_t color = brush ? pixelFromColorRef(brush->color) : 0;
  switch (rop) {
    case PATCOPY: if (brush && !brush->hollow) Painter(*dc).paint(area, spanOpForRop2(R2_COPYPEN), color); break;
    case PATINVERT: if (brush && !brush->hollow) Painter(*dc).paint(area, spanOpForRop2(R2_XORPEN), color); break;
    case DSTINVERT: Painter(*dc).paint(area, spanOpForRop2(R2_NOT), 0); break;
    case BLACKNESS: Painter(*dc).paint(area, spanOpForRop2(R2_BLACK), 0); break;
    case WHITENESS: Painter(*dc).paint(area, spanOpForRop2(R2_WHITE), 0); break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return FALSE;
  }
  return TRUE;
}

BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr) {
  DeviceContext* dc = deviceContextFrom(hdc);
  auto region = objectFrom<Region>(hrgn);
  if (!dc || !region) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return fillWithBrush(*dc, toSurface(*dc, *region), hbr);
}

BOOL WINAPI FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h) {
  DeviceContext* dc = deviceContextFrom(hdc);
  auto region = objectFrom<Region>(hrgn);
  if (!dc || !region) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (w <= 0 || h <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return fillWithBrush(*dc, toSurface(*dc, frameOf(*region, w, h)), hbr);
}

BOOL WINAPI InvertRgn(HDC hdc, HRGN hrgn) {
  DeviceContext* dc = deviceContextFrom(hdc);
  auto region = objectFrom<Region>(hrgn);
  if (!dc || !region) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Painter(*dc).paint(toSurface(*dc, *region), spanOpForRop2(R2_NOT), 0);
  return TRUE;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return CLR_INVALID;
  POINT p = dc->toSurface(x, y);
  if (!dc->surface->contains(p.x, p.y) || !dc->drawable().contains(p.x, p.y)) return CLR_INVALID;
  Painter(*dc).plot(p.x, p.y, spanOpForRop2(R2_COPYPEN), pixelFromColorRef(color));
  return colorRefFromPixel(dc->surface->pixel(p.x, p.y));
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return CLR_INVALID;
  POINT p = dc->toSurface(x, y);
  if (!dc->surface->contains(p.x, p.y) || !dc->drawable().contains(p.x, p.y)) return CLR_INVALID;
  return colorRefFromPixel(dc->surface->pixel(p.x, p.y));
}
