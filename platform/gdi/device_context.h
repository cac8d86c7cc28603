// Device contexts: where drawing goes, what clips it, and the drawing state.
//
// A DC draws into a surface. Its device origin is the top-left corner of the
// area it covers (a window's client area or whole window) in surface
// coordinates; logical coordinates are device coordinates shifted by the
// window origin (SetWindowOrgEx). Every pixel written lies in the visible
// region (surface coordinates, set by the window manager from the window's
// place among its relatives) and, when one is selected, in the clip region
// (device coordinates).
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/win32.h"

namespace platform::gdi {

template <typename T>
struct Selected {
  HGDIOBJ handle = nullptr;
  std::shared_ptr<T> data;
};

struct DrawingState {
  Selected<PenData> pen;
  Selected<BrushData> brush;
  Selected<FontData> font;
  std::optional<Region> clip;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  int rop2 = R2_COPYPEN;
  POINT windowOrg{0, 0};
  POINT position{0, 0};
};

struct DeviceContext {
  HDC handle = nullptr;
  HWND window = nullptr;
  // A memory DC draws into the bitmap selected into it, all of which is
  // visible.
  bool memory = false;
  Selected<BitmapData> bitmap;
  std::shared_ptr<Surface> surface;
  POINT origin{0, 0};
  Region visible;
  DrawingState state;
  std::vector<DrawingState> saved;

  // Where drawing may land, in surface coordinates.
  Region drawable() const;
  // Logical coordinates to surface coordinates and back.
  POINT toSurface(int x, int y) const;
  RECT toSurface(const RECT& logical) const;
  // Marks area (surface coordinates) as drawn, to be presented.
  void touch(const Region& area) { surface->markChanged(area); }
  void touch(const RECT& area) { surface->markChanged(area); }
};

// A new DC over surface with the default drawing state; its handle is set.
DeviceContext* createDeviceContext(HWND window, std::shared_ptr<Surface> surface, POINT origin, Region visible);
// The DC of a live handle, or nullptr (and ERROR_INVALID_HANDLE).
DeviceContext* deviceContextFrom(HDC hdc);
// Frees the DC; a bitmap selected into it is free to be selected elsewhere.
void destroyDeviceContext(DeviceContext* dc);
// Selects a bitmap into a memory DC (the DC then draws into it), answering
// the one it held; nullptr when the DC is not a memory DC or the bitmap is
// selected into another DC.
HGDIOBJ selectBitmap(DeviceContext& dc, HGDIOBJ bitmap);

}  // namespace platform::gdi
