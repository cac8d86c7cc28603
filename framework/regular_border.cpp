// Regular borders: the frame an item draws around itself with its pen.
//
// The border lies outside the item's frame, as wide as the pen, in the
// coordinates of the item's frame; it is drawn into the current device
// while the item's view paints.
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

// The pen size as (vertical, horizontal) widths.
POINT penSize(ovC_object* border) { return ov::toPOINT(ov::send("Get Pen Size"_sel, border).get()); }

namespace regular_border {

ovStatus Open(const ov::Args& a) {
  ov::set("Owner"_attr, a.receiver(), a[1]);
  if (ovRef pen = ov::get("Pen"_attr, a.receiver())) ov::tell("Open"_sel, pen);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::set("Owner"_attr, a.receiver(), nullptr);
  if (ovRef pen = ov::get("Pen"_attr, a.receiver())) ov::tell("Close"_sel, pen);
  return ovSuccess;
}

ovStatus GetPenSize(const ov::Args& a) {
  ovRef pen = ov::get("Pen"_attr, a.receiver());
  a.put(0, pen ? ov::send("Get Size"_sel, pen).take() : ov::point(1, 1));
  return ovSuccess;
}

// The owner's frame grown on every side by the pen's width.
ovStatus BorderFrame(const ov::Args& a) {
  ovRef owner = ov::get("Owner"_attr, a.receiver());
  if (!owner) {
    a.put(0, ov::rect(0, 0, 0, 0));
    return ovSuccess;
  }
  RECT frame = ov::toRECT(ov::send("Get Frame"_sel, owner).get());
  int32_t width = penSize(a.receiver()).y;
  InflateRect(&frame, width, width);
  a.put(0, ov::rectFrom(frame));
  return ovSuccess;
}

ovStatus UsePen(const ov::Args& a) {
  if (ovRef pen = ov::get("Pen"_attr, a.receiver())) return ov::send<0>("Use"_sel, pen).status;
  return ov::sendToClass<0>("Pen"_cls, "Use Normal"_sel).status;
}

// The border's frame painted with the pen's colour (black without a pen),
// as thick as the pen.
ovStatus Draw(const ov::Args& a) {
  ovC_object* border = a.receiver();
  ov::tell("Use Pen"_sel, border);
  ovRef pen = ov::get("Pen"_attr, border);
  HBRUSH brush = pen ? ov::toHandle<HBRUSH>(ov::send("Get Brush"_sel, pen).get())
                     : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  POINT size = penSize(border);
  RECT frame = ov::toRECT(ov::send("Border Frame"_sel, border).get());
  HRGN region = CreateRectRgn(frame.left, frame.top, frame.right, frame.bottom);
  FrameRgn(ov::toHandle<HDC>(ov::universal("Get Current Device"_uni).get()), region, brush, size.x, size.y);
  DeleteObject(brush);
  DeleteObject(region);
  return ovSuccess;
}

// Repaints the border's area in the platform window its item is drawn in.
ovStatus Redraw(const ov::Args& a) {
  ovRef item = ov::get("Owner"_attr, a.receiver());
  ovRef view = item ? ov::get("Owner"_attr, item) : nullptr;
  if (!view) return ovSuccess;
  RECT area = ov::toRECT(ov::send("Border Frame"_sel, a.receiver()).get());
  POINT origin = ov::toPOINT(ov::send("Get Origin"_sel, view).get());
  OffsetRect(&area, -origin.x, -origin.y);
  InvalidateRect(ov::toHandle<HWND>(ov::send("Get Window Record"_sel, view).get()), &area, ov::isTrue(a[1]));
  return ovSuccess;
}

}  // namespace regular_border

const ovClassDeclaration kRegularBorderClass({
    .name = "Regular Border"_cls,
    .attributes = {"Owner"_attr, "Pen"_attr},
    .methods = {{"Open"_sel, ov::routine<regular_border::Open>},
                {"Close"_sel, ov::routine<regular_border::Close>},
                {"Get Pen Size"_sel, ov::routine<regular_border::GetPenSize>},
                {"Border Frame"_sel, ov::routine<regular_border::BorderFrame>},
                {"Use Pen"_sel, ov::routine<regular_border::UsePen>},
                {"Draw"_sel, ov::routine<regular_border::Draw>},
                {"Redraw"_sel, ov::routine<regular_border::Redraw>}},
});

}  // namespace
