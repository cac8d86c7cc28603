// GDI objects behind HPEN, HBRUSH, HFONT, HRGN and HBITMAP handles.
//
// Each handle points at a slot holding a shared reference to the object's
// data. DeleteObject frees the handle and the slot at once, but a device
// context that still has the object selected keeps its own reference, so it
// goes on drawing with it until something else is selected; nothing dangles.
// Stock objects live for the whole process and ignore DeleteObject. A
// bitmap is selected into one memory DC at a time, and cannot be deleted
// while it is.
#pragma once

#include <memory>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/handle_table.h"
#include "platform/text/font.h"
#include "platform/win32.h"

namespace platform::gdi {

struct PenData {
  int style = PS_SOLID;
  int width = 1;
  COLORREF color = 0;
};

struct BrushData {
  bool hollow = false;
  COLORREF color = 0;
};

struct FontData {
  std::shared_ptr<const text::Font> font;
  text::FontRequest request;
  // The same font at a device's size, for windows presented at a scale
  // above 1; made on first use.
  std::shared_ptr<const text::Font> deviceFont;
  int deviceScale = 0;
};

struct BitmapData {
  std::shared_ptr<Surface> pixels;
  HDC selectedInto = nullptr;  // the memory DC holding it
};

template <typename T>
constexpr HandleKind kindOf();
template <>
constexpr HandleKind kindOf<PenData>() { return HandleKind::Pen; }
template <>
constexpr HandleKind kindOf<BrushData>() { return HandleKind::Brush; }
template <>
constexpr HandleKind kindOf<FontData>() { return HandleKind::Font; }
template <>
constexpr HandleKind kindOf<Region>() { return HandleKind::Region; }
template <>
constexpr HandleKind kindOf<BitmapData>() { return HandleKind::Bitmap; }

struct ObjectSlot {
  virtual ~ObjectSlot() = default;
  bool stock = false;
};

template <typename T>
struct TypedSlot : ObjectSlot {
  std::shared_ptr<T> data;
};

// A new handle for data; nullptr (and ERROR_NOT_ENOUGH_MEMORY) when the
// handle table is full.
template <typename T>
HGDIOBJ createObject(std::shared_ptr<T> data, bool stock = false) {
  auto* slot = new TypedSlot<T>;
  slot->data = std::move(data);
  slot->stock = stock;
  HandleValue h = handleCreate(kindOf<T>(), slot);
  if (h == 0) {
    delete slot;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return handleToWin32<HGDIOBJ>(h);
}

// The data of a live handle of T's kind, or nullptr.
template <typename T>
std::shared_ptr<T> objectFrom(HGDIOBJ handle) {
  auto* slot = static_cast<TypedSlot<T>*>(handleObject(handleFromWin32(handle), kindOf<T>()));
  return slot ? slot->data : nullptr;
}

// Brushes also come as a system colour index plus one, as window classes
// and FillRect accept them.
std::shared_ptr<BrushData> brushFrom(HBRUSH brush);

// The font a device context starts with: the system font.
HFONT systemFontHandle();
// The bitmap a memory DC starts with: 1 x 1, monochrome, a stock object.
HBITMAP defaultBitmapHandle();

}  // namespace platform::gdi
