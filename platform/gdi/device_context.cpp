#include "platform/gdi/device_context.h"

namespace platform::gdi {

Region DeviceContext::drawable() const {
  if (!state.clip) return visible;
  Region clip = *state.clip;
  clip.offset(origin.x, origin.y);
  return clip.intersect(visible);
}

POINT DeviceContext::toSurface(int x, int y) const {
  return {x - state.windowOrg.x + origin.x, y - state.windowOrg.y + origin.y};
}

RECT DeviceContext::toSurface(const RECT& logical) const {
  POINT a = toSurface(logical.left, logical.top);
  POINT b = toSurface(logical.right, logical.bottom);
  return {a.x, a.y, b.x, b.y};
}

DeviceContext* createDeviceContext(HWND window, std::shared_ptr<Surface> surface, POINT origin, Region visible) {
  auto* dc = new DeviceContext;
  HandleValue h = handleCreate(HandleKind::DeviceContext, dc);
  if (h == 0) {
    delete dc;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  dc->handle = handleToWin32<HDC>(h);
  dc->window = window;
  dc->surface = std::move(surface);
  dc->origin = origin;
  dc->visible = std::move(visible);
  SelectObject(dc->handle, GetStockObject(BLACK_PEN));
  SelectObject(dc->handle, GetStockObject(WHITE_BRUSH));
  SelectObject(dc->handle, systemFontHandle());
  return dc;
}

DeviceContext* deviceContextFrom(HDC hdc) {
  auto* dc = static_cast<DeviceContext*>(handleObject(handleFromWin32(hdc), HandleKind::DeviceContext));
  if (!dc) SetLastError(ERROR_INVALID_HANDLE);
  return dc;
}

void destroyDeviceContext(DeviceContext* dc) {
  if (dc->bitmap.data && dc->bitmap.data->selectedInto == dc->handle) dc->bitmap.data->selectedInto = nullptr;
  handleRelease(handleFromWin32(dc->handle), HandleKind::DeviceContext);
  delete dc;
}

}  // namespace platform::gdi
