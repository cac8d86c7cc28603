#include "platform/gdi/gdi_objects.h"

#include "platform/gdi/device_context.h"

#include <array>

namespace platform::gdi {
namespace {

bool isGdiKind(HandleKind kind) {
  return kind == HandleKind::Pen || kind == HandleKind::Brush || kind == HandleKind::Font ||
         kind == HandleKind::Region || kind == HandleKind::Bitmap;
}

bool isSelectedBitmap(HandleKind kind, ObjectSlot* slot) {
  return kind == HandleKind::Bitmap && static_cast<TypedSlot<BitmapData>*>(slot)->data->selectedInto;
}

HGDIOBJ stockBrush(COLORREF color, bool hollow = false) {
  return createObject(std::make_shared<BrushData>(BrushData{hollow, color}), true);
}

HGDIOBJ stockPen(int style, COLORREF color) {
  return createObject(std::make_shared<PenData>(PenData{style, 1, color}), true);
}

HGDIOBJ stockFont(std::shared_ptr<const text::Font> font, text::FontRequest request) {
  return createObject(std::make_shared<FontData>(FontData{std::move(font), std::move(request)}), true);
}

HGDIOBJ stockFace(const char* face, int height) {
  text::FontRequest request;
  request.face = face;
  request.height = height;
  return stockFont(text::Font::open(request), request);
}

HGDIOBJ stockSystemFont() {
  text::FontRequest request;
  request.weight = FW_BOLD;
  return stockFont(text::Font::system(), request);
}

HGDIOBJ makeStockObject(int index) {
  switch (index) {
    case WHITE_BRUSH: return stockBrush(RGB(255, 255, 255));
    case LTGRAY_BRUSH: return stockBrush(RGB(192, 192, 192));
    case GRAY_BRUSH: return stockBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH: return stockBrush(RGB(64, 64, 64));
    case BLACK_BRUSH: return stockBrush(RGB(0, 0, 0));
    case NULL_BRUSH: return stockBrush(0, true);
    case WHITE_PEN: return stockPen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN: return stockPen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN: return stockPen(PS_NULL, 0);
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT: return stockSystemFont();
    case ANSI_VAR_FONT:
    case DEFAULT_GUI_FONT: return stockFace("MS Sans Serif", -11);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: return stockFace("Courier New", -13);
    default: return nullptr;
  }
}

}  // namespace

std::shared_ptr<BrushData> brushFrom(HBRUSH brush) {
  auto value = reinterpret_cast<uintptr_t>(brush);
  if (value >= 1 && value <= COLOR_GRADIENTINACTIVECAPTION + 1)
    return objectFrom<BrushData>(GetSysColorBrush(static_cast<int>(value - 1)));
  return objectFrom<BrushData>(brush);
}

HFONT systemFontHandle() { return static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

}  // namespace platform::gdi

using namespace platform;
using namespace platform::gdi;

HGDIOBJ WINAPI GetStockObject(int i) {
  static std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> stock{};
  if (i < 0 || i > DEFAULT_GUI_FONT) return nullptr;
  if (!stock[i]) stock[i] = makeStockObject(i);
  return stock[i];
}

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  static std::array<HGDIOBJ, COLOR_GRADIENTINACTIVECAPTION + 1> brushes{};
  if (nIndex < 0 || nIndex > COLOR_GRADIENTINACTIVECAPTION) return nullptr;
  if (!brushes[nIndex]) brushes[nIndex] = stockBrush(GetSysColor(nIndex));
  return static_cast<HBRUSH>(brushes[nIndex]);
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  if (iStyle < PS_SOLID || iStyle > PS_INSIDEFRAME) iStyle = PS_SOLID;
  auto pen = std::make_shared<PenData>(PenData{iStyle, cWidth < 1 ? 1 : cWidth, color & 0x00FFFFFFu});
  return static_cast<HPEN>(createObject(std::move(pen)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return static_cast<HBRUSH>(createObject(std::make_shared<BrushData>(BrushData{false, color & 0x00FFFFFFu})));
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  HandleValue h = handleFromWin32(ho);
  HandleKind kind = handleKind(h);
  auto* slot = isGdiKind(kind) ? static_cast<ObjectSlot*>(handleObject(h, kind)) : nullptr;
  if (!slot) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (slot->stock) return TRUE;
  if (isSelectedBitmap(kind, slot)) return FALSE;
  handleRelease(h, kind);
  delete slot;
  return TRUE;
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
  switch (handleKind(handleFromWin32(h))) {
    case HandleKind::Pen: return OBJ_PEN;
    case HandleKind::Brush: return OBJ_BRUSH;
    case HandleKind::Font: return OBJ_FONT;
    case HandleKind::Region: return OBJ_REGION;
    case HandleKind::Bitmap: return OBJ_BITMAP;
    case HandleKind::DeviceContext: return deviceContextFrom(static_cast<HDC>(h))->memory ? OBJ_MEMDC : OBJ_DC;
    default: SetLastError(ERROR_INVALID_HANDLE); return 0;
  }
}
