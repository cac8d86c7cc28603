// Pens: platform pens with colour, width, style and raster mode.
//
// A pen owns at most one platform pen, in "Pen Handle": "Open" deletes any
// earlier one and makes a new one, "Close" deletes it. A pen may carry a
// pattern object (a brush of its own); "Pattern" is then neither NULL nor
// NONE, and the pattern opens, closes, is used and gives its brush with
// the pen.
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector Close("Close");
const ovMethodSelector DeletePen("Delete Pen");
const ovMethodSelector GetForeColor("Get ForeColor");
const ovMethodSelector GetResource("Get Resource");
const ovMethodSelector Open("Open");
const ovMethodSelector Use("Use");
}  // namespace sel

namespace attr {
const ovAttributeSelector ForeColor("ForeColor");
const ovAttributeSelector Mode("Mode");
const ovAttributeSelector Pattern("Pattern");
const ovAttributeSelector PenHandle("Pen Handle");
const ovAttributeSelector Size("Size");
const ovAttributeSelector Style("Style");
}  // namespace attr


namespace prim {
const ovPrimitiveName PointToInts("point-to-ints");
}  // namespace prim

namespace pen {

// The pen's pattern, or NULL when it has none.
ovRef patternOf(ovC_object* pen) { return ov::getInstance(attr::Pattern, pen); }

// The pen's width: the first component of its size.
int widthOf(ovC_object* pen) {
  return ov::toInt(ov::primitive<2>(prim::PointToInts, {ov::get(attr::Size, pen)}).get(0));
}

ovStatus Open(const ov::Args& a) {
  ovC_object* pen = a.receiver();
  if (ovRef pattern = patternOf(pen)) ov::send<0>(sel::Open, pattern);
  ov::send<0>(sel::DeletePen, pen);
  HPEN made =
      CreatePen(ov::toInt(ov::get(attr::Style, pen)), widthOf(pen), vorn::ColorRefOf(ov::get(attr::ForeColor, pen).get()));
  ov::set(attr::PenHandle, pen, ov::handleValue(made));
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  if (ovRef pattern = patternOf(a.receiver())) ov::send<0>(sel::Close, pattern);
  return ov::send<0>(sel::DeletePen, a.receiver()).status;
}

ovStatus DeletePen(const ov::Args& a) {
  ovRef handle = ov::get(attr::PenHandle, a.receiver());
  if (handle) DeleteObject(ov::toHandle<HPEN>(handle));
  ov::set(attr::PenHandle, a.receiver(), nullptr);
  return ovSuccess;
}

ovStatus Use(const ov::Args& a) {
  HDC hdc = vorn::CurrentDevice();
  SelectObject(hdc, ov::toHandle<HPEN>(ov::get(attr::PenHandle, a.receiver())));
  SetROP2(hdc, ov::toInt(ov::get(attr::Mode, a.receiver())));
  if (ovRef pattern = patternOf(a.receiver())) ov::send<0>(sel::Use, pattern);
  return ovSuccess;
}

// A class method: the stock black pen, drawn in black.
ovStatus UseNormal(const ov::Args&) {
  HDC hdc = vorn::CurrentDevice();
  SelectObject(hdc, GetStockObject(BLACK_PEN));
  SetROP2(hdc, R2_BLACK);
  return ovSuccess;
}

// A brush of the pen's pattern, or of its colour; the caller deletes it.
ovStatus GetBrush(const ov::Args& a) {
  if (ovRef pattern = patternOf(a.receiver())) {
    auto brush = ov::send(sel::GetResource, pattern);
    a.put(0, brush.take());
    return brush.status;
  }
  ovRef color = ov::send(sel::GetForeColor, a.receiver()).take();
  a.put(0, ov::handleValue(CreateSolidBrush(vorn::ColorRefOf(color.get()))));
  return ovSuccess;
}

}  // namespace pen

const ovClassDeclaration kPenClass({
    .name = "Pen",
    .attributes = {"Apply?", "Size", "Pattern", "Mode", "ForeColor", "BackColor", "Style", "Pen Handle"},
    .methods = {{"Open", ov::routine<pen::Open>},
                {"Close", ov::routine<pen::Close>},
                {"Delete Pen", ov::routine<pen::DeletePen>},
                {"Use", ov::routine<pen::Use>},
                {"Use Normal", ov::routine<pen::UseNormal>},
                {"Get Brush", ov::routine<pen::GetBrush>},
                {"Get ForeColor", ov::reader<attr::ForeColor>},
                {"Get Size", ov::reader<attr::Size>}},
});

}  // namespace
