// Memory device contexts: DCs over a bitmap instead of a window, for
// drawing off the screen. One starts with the 1 x 1 monochrome stock
// bitmap; selecting another makes the DC draw into it, all of it visible.
#include "platform/gdi/device_context.h"

using namespace platform;
using namespace platform::gdi;

namespace {

Region wholeOf(const Surface& pixels) { return Region(RECT{0, 0, pixels.width(), pixels.height()}); }

}  // namespace

HGDIOBJ platform::gdi::selectBitmap(DeviceContext& dc, HGDIOBJ bitmap) {
  auto data = objectFrom<BitmapData>(bitmap);
  bool stock = bitmap == defaultBitmapHandle();
  bool elsewhere = data && data->selectedInto && data->selectedInto != dc.handle;
  if (!dc.memory || !data || (!stock && elsewhere)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  Selected<BitmapData> previous = dc.bitmap;
  if (previous.data && previous.data->selectedInto == dc.handle) previous.data->selectedInto = nullptr;
  if (!stock) data->selectedInto = dc.handle;
  dc.surface = data->pixels;
  dc.visible = wholeOf(*data->pixels);
  dc.bitmap = {bitmap, std::move(data)};
  return previous.handle;
}

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !deviceContextFrom(hdc)) return nullptr;
  HGDIOBJ stock = defaultBitmapHandle();
  DeviceContext* dc = createDeviceContext(nullptr, objectFrom<BitmapData>(stock)->pixels, {0, 0}, {});
  if (!dc) return nullptr;
  dc->memory = true;
  selectBitmap(*dc, stock);
  return dc->handle;
}
