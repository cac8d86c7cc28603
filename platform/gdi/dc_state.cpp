// The drawing state of a device context: colours, modes, origin, selected
// objects, clipping, and SaveDC/RestoreDC.
#include "platform/gdi/device_context.h"

using namespace platform;
using namespace platform::gdi;

namespace {

template <typename T>
HGDIOBJ swapSelected(Selected<T>& slot, HGDIOBJ handle) {
  auto data = objectFrom<T>(handle);
  if (!data) return nullptr;
  HGDIOBJ previous = slot.handle;
  slot = {handle, std::move(data)};
  return previous;
}

// Applies a change to a DC's setting, answering the old value, or failed
// when the DC is not one.
template <typename T, typename Field>
T exchange(HDC hdc, Field DrawingState::*field, T value, T failed) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return failed;
  T old = static_cast<T>(dc->state.*field);
  dc->state.*field = static_cast<Field>(value);
  return old;
}

template <typename T, typename Field>
T read(HDC hdc, Field DrawingState::*field, T failed) {
  DeviceContext* dc = deviceContextFrom(hdc);
  return dc ? static_cast<T>(dc->state.*field) : failed;
}

int clipKind(const DeviceContext& dc) { return dc.drawable().kind(); }

// The current clip region in device coordinates: the selected one, or all of
// what is visible.
Region currentClip(const DeviceContext& dc) {
  if (dc.state.clip) return *dc.state.clip;
  Region visible = dc.visible;
  visible.offset(-dc.origin.x, -dc.origin.y);
  return visible;
}

RECT deviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
  return {left - dc.state.windowOrg.x, top - dc.state.windowOrg.y, right - dc.state.windowOrg.x,
          bottom - dc.state.windowOrg.y};
}

}  // namespace

// Colours are kept as given, high byte and all, and read back so; drawing
// takes only their red, green and blue.
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return exchange(hdc, &DrawingState::textColor, color, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) { return read(hdc, &DrawingState::textColor, CLR_INVALID); }
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return exchange(hdc, &DrawingState::bkColor, color, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) { return read(hdc, &DrawingState::bkColor, CLR_INVALID); }

int WINAPI SetBkMode(HDC hdc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return exchange(hdc, &DrawingState::bkMode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) { return read(hdc, &DrawingState::bkMode, 0); }

int WINAPI SetROP2(HDC hdc, int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return exchange(hdc, &DrawingState::rop2, rop2, 0);
}
int WINAPI GetROP2(HDC hdc) { return read(hdc, &DrawingState::rop2, 0); }

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->state.windowOrg;
  dc->state.windowOrg = {x, y};
  return TRUE;
}

BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppoint) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc || !lppoint) return FALSE;
  *lppoint = dc->state.windowOrg;
  return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return nullptr;
  HGDIOBJ previous = nullptr;
  switch (handleKind(handleFromWin32(h))) {
    case HandleKind::Pen: previous = swapSelected(dc->state.pen, h); break;
    case HandleKind::Brush: previous = swapSelected(dc->state.brush, h); break;
    case HandleKind::Font: previous = swapSelected(dc->state.font, h); break;
    case HandleKind::Bitmap: return selectBitmap(*dc, h);
    case HandleKind::Region: {
      int kind = SelectClipRgn(hdc, static_cast<HRGN>(h));
      return kind == ERROR ? HGDI_ERROR : reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(kind));
    }
    default: break;
  }
  if (!previous) SetLastError(ERROR_INVALID_HANDLE);
  return previous;
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return ERROR;
  if (!hrgn) {
    dc->state.clip.reset();
    return clipKind(*dc);
  }
  auto region = objectFrom<Region>(hrgn);
  if (!region) {
    SetLastError(ERROR_INVALID_HANDLE);
    return ERROR;
  }
  dc->state.clip = *region;
  return clipKind(*dc);
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc || !lprect) return ERROR;
  Region drawable = dc->drawable();
  RECT box = drawable.box();
  POINT a = {box.left - dc->origin.x + dc->state.windowOrg.x, box.top - dc->origin.y + dc->state.windowOrg.y};
  *lprect = {a.x, a.y, a.x + (box.right - box.left), a.y + (box.bottom - box.top)};
  return drawable.kind();
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return ERROR;
  dc->state.clip = currentClip(*dc).intersect(deviceRect(*dc, left, top, right, bottom));
  return clipKind(*dc);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return ERROR;
  dc->state.clip = currentClip(*dc).subtract(deviceRect(*dc, left, top, right, bottom));
  return clipKind(*dc);
}

int WINAPI SaveDC(HDC hdc) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return 0;
  dc->saved.push_back(dc->state);
  return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  int depth = static_cast<int>(dc->saved.size());
  int level = nSavedDC < 0 ? depth + 1 + nSavedDC : nSavedDC;
  if (level < 1 || level > depth) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  dc->state = dc->saved[level - 1];
  dc->saved.resize(level - 1);
  return TRUE;
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return FALSE;
  destroyDeviceContext(dc);
  return TRUE;
}
