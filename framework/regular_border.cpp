// Regular borders: the frame an item draws around itself with its pen.
//
// The border lies outside the item's frame, as wide as the pen, in the
// coordinates of the item's frame; it is drawn into the current device
// while the item's view paints.
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector BorderFrame("Border Frame");
const ovMethodSelector Close("Close");
const ovMethodSelector GetBrush("Get Brush");
const ovMethodSelector GetFrame("Get Frame");
const ovMethodSelector GetOrigin("Get Origin");
const ovMethodSelector GetPenSize("Get Pen Size");
const ovMethodSelector GetSize("Get Size");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector Open("Open");
const ovMethodSelector Use("Use");
const ovMethodSelector UseNormal("Use Normal");
const ovMethodSelector UsePen("Use Pen");
}  // namespace sel

namespace attr {
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Pen("Pen");
}  // namespace attr

namespace cls {
const ovClassName Pen("Pen");
}  // namespace cls

namespace uni {
const ovUniversalName GetCurrentDevice("Get Current Device");
}  // namespace uni

// The pen size as (vertical, horizontal) widths.
POINT penSize(ovC_object* border) { return ov::toPOINT(ov::send(sel::GetPenSize, border).get()); }

namespace regular_border {

ovStatus Open(const ov::Args& a) {
  ov::set(attr::Owner, a.receiver(), a[1]);
  if (ovRef pen = ov::get(attr::Pen, a.receiver())) ov::send<0>(sel::Open, pen);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::set(attr::Owner, a.receiver(), nullptr);
  if (ovRef pen = ov::get(attr::Pen, a.receiver())) ov::send<0>(sel::Close, pen);
  return ovSuccess;
}

ovStatus GetPenSize(const ov::Args& a) {
  ovRef pen = ov::get(attr::Pen, a.receiver());
  a.put(0, pen ? ov::send(sel::GetSize, pen).take() : ov::point(1, 1));
  return ovSuccess;
}

// The owner's frame grown on every side by the pen's width.
ovStatus BorderFrame(const ov::Args& a) {
  ovRef owner = ov::get(attr::Owner, a.receiver());
  if (!owner) {
    a.put(0, ov::rect(0, 0, 0, 0));
    return ovSuccess;
  }
  RECT frame = ov::toRECT(ov::send(sel::GetFrame, owner).get());
  int32_t width = penSize(a.receiver()).y;
  InflateRect(&frame, width, width);
  a.put(0, ov::rectFrom(frame));
  return ovSuccess;
}

ovStatus UsePen(const ov::Args& a) {
  if (ovRef pen = ov::get(attr::Pen, a.receiver())) return ov::send<0>(sel::Use, pen).status;
  return ov::sendToClass<0>(cls::Pen, sel::UseNormal).status;
}

// The border's frame painted with the pen's colour (black without a pen),
// as thick as the pen.
ovStatus Draw(const ov::Args& a) {
  ovC_object* border = a.receiver();
  ov::send<0>(sel::UsePen, border);
  ovRef pen = ov::get(attr::Pen, border);
  HBRUSH brush =
      pen ? ov::toHandle<HBRUSH>(ov::send(sel::GetBrush, pen).get()) : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  POINT size = penSize(border);
  RECT frame = ov::toRECT(ov::send(sel::BorderFrame, border).get());
  HRGN region = CreateRectRgn(frame.left, frame.top, frame.right, frame.bottom);
  FrameRgn(ov::toHandle<HDC>(ov::universal(uni::GetCurrentDevice).get()), region, brush, size.x, size.y);
  DeleteObject(brush);
  DeleteObject(region);
  return ovSuccess;
}

// Repaints the border's area in the platform window its item is drawn in.
ovStatus Redraw(const ov::Args& a) {
  ovRef item = ov::get(attr::Owner, a.receiver());
  ovRef view = item ? ov::get(attr::Owner, item) : nullptr;
  if (!view) return ovSuccess;
  RECT area = ov::toRECT(ov::send(sel::BorderFrame, a.receiver()).get());
  POINT origin = ov::toPOINT(ov::send(sel::GetOrigin, view).get());
  OffsetRect(&area, -origin.x, -origin.y);
  InvalidateRect(ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, view).get()), &area, ov::isTrue(a[1]));
  return ovSuccess;
}

}  // namespace regular_border

const ovClassDeclaration kRegularBorderClass({
    .name = "Regular Border",
    .attributes = {"Owner", "Pen"},
    .methods = {{"Open", ov::routine<regular_border::Open>},
                {"Close", ov::routine<regular_border::Close>},
                {"Get Pen Size", ov::routine<regular_border::GetPenSize>},
                {"Border Frame", ov::routine<regular_border::BorderFrame>},
                {"Use Pen", ov::routine<regular_border::UsePen>},
                {"Draw", ov::routine<regular_border::Draw>},
                {"Redraw", ov::routine<regular_border::Redraw>}},
});

}  // namespace
