// Bitmaps: pixels a memory DC draws into. A bitmap compatible with a DC is
// in colour, unless the DC is a memory DC holding a monochrome bitmap (as
// every memory DC does at first): then it is monochrome, as on Windows.
#include "platform/gdi/device_context.h"

using namespace platform;
using namespace platform::gdi;

namespace {

// Larger bitmaps are refused rather than left to exhaust memory.
constexpr long long kMaxBitmapPixels = 1LL << 26;

bool isMonochromeMemoryDC(const DeviceContext& dc) {
  return dc.memory && dc.bitmap.data && dc.bitmap.data->pixels->monochrome();
}

HGDIOBJ newBitmap(int cx, int cy, bool monochrome, bool stock = false) {
  auto pixels = std::make_shared<Surface>(cx, cy, 0, monochrome);
  return createObject(std::make_shared<BitmapData>(BitmapData{std::move(pixels), nullptr}), stock);
}

}  // namespace

HBITMAP platform::gdi::defaultBitmapHandle() {
  static HGDIOBJ stock = newBitmap(1, 1, true, true);
  return static_cast<HBITMAP>(stock);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return nullptr;
  if (cx < 0 || cy < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (cx == 0 || cy == 0) return defaultBitmapHandle();
  if (static_cast<long long>(cx) * cy > kMaxBitmapPixels) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return static_cast<HBITMAP>(newBitmap(cx, cy, isMonochromeMemoryDC(*dc)));
}
