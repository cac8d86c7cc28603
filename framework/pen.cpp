// Pens: platform pens with colour, width, style and raster mode.
//
// A pen owns at most one platform pen, in "Pen Handle": "Open" deletes any
// earlier one and makes a new one, "Close" deletes it. A pen may carry a
// pattern object (a brush of its own); "Pattern" is then neither NULL nor
// NONE, and the pattern opens, closes, is used and gives its brush with
// the pen.
#include "framework/held_drawing_object.h"
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace pen {

// The pen's pattern, or NULL when it has none.
ovRef patternOf(ovC_object* pen) { return ov::getInstance("Pattern"_attr, pen); }

// The pen's width: the first component of its size.
int widthOf(ovC_object* pen) {
  return ov::toInt(ov::primitive<2>("point-to-ints"_prim, {ov::get("Size"_attr, pen)}).get(0));
}

ovStatus Open(const ov::Args& a) {
  ovC_object* pen = a.receiver();
  if (ovRef pattern = patternOf(pen)) ov::tell("Open"_sel, pattern);
  ov::tell("Delete Pen"_sel, pen);
  HPEN made = CreatePen(ov::toInt(ov::get("Style"_attr, pen)), widthOf(pen),
                        vorn::ColorRefOf(ov::get("ForeColor"_attr, pen).get()));
  ov::set("Pen Handle"_attr, pen, ov::handleValue(made));
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  if (ovRef pattern = patternOf(a.receiver())) ov::tell("Close"_sel, pattern);
  return ov::send<0>("Delete Pen"_sel, a.receiver()).status;
}

ovStatus Use(const ov::Args& a) {
  HDC hdc = vorn::CurrentDevice();
  SelectObject(hdc, ov::toHandle<HPEN>(ov::get("Pen Handle"_attr, a.receiver())));
  SetROP2(hdc, ov::toInt(ov::get("Mode"_attr, a.receiver())));
  if (ovRef pattern = patternOf(a.receiver())) ov::tell("Use"_sel, pattern);
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
    auto brush = ov::send("Get Resource"_sel, pattern);
    a.put(0, brush.take());
    return brush.status;
  }
  ovRef color = ov::send("Get ForeColor"_sel, a.receiver()).take();
  a.put(0, ov::handleValue(CreateSolidBrush(vorn::ColorRefOf(color.get()))));
  return ovSuccess;
}

}  // namespace pen

const ovClassDeclaration kPenClass({
    .name = "Pen"_cls,
    .attributes = {"Apply?"_attr, "Size"_attr, "Pattern"_attr, "Mode"_attr, "ForeColor"_attr, "BackColor"_attr,
                   "Style"_attr, "Pen Handle"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<pen::Open>},
                            {"Close"_sel, ov::routine<pen::Close>},
                            {"Delete Pen"_sel, ov::routine<vorn::DeleteHeldObject<"Pen Handle"_attr>>},
                            {"Use"_sel, ov::routine<pen::Use>},
                            {"Use Normal"_sel, ov::routine<pen::UseNormal>},
                            {"Get Brush"_sel, ov::routine<pen::GetBrush>}},
                           ov::getters<"ForeColor", "Size">()),
});

}  // namespace
