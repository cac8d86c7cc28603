// Backgrounds: the brush a view paints behind its items, and the text
// background colour that goes with it.
//
// "Object" holds the platform brush from "Open" to "Close".
#include "framework/held_drawing_object.h"
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

COLORREF colorRefOf(ovC_object* background) { return vorn::ColorRefOf(ov::get("Color"_attr, background).get()); }

namespace background {

ovStatus Open(const ov::Args& a) {
  HBRUSH brush = CreateSolidBrush(colorRefOf(a.receiver()));
  ov::set("Object"_attr, a.receiver(), ov::handleValue(brush));
  return ovSuccess;
}

ovStatus Use(const ov::Args& a) {
  if (HDC dc = vorn::CurrentDevice()) SetBkColor(dc, colorRefOf(a.receiver()));
  return ovSuccess;
}

// A class method: the text background back to its plain colour.
ovStatus UseNormal(const ov::Args&) {
  if (HDC dc = vorn::CurrentDevice()) SetBkColor(dc, 0);
  return ovSuccess;
}

}  // namespace background

const ovClassDeclaration kBackgroundClass({
    .name = "Background"_cls,
    .attributes = {"Color"_attr, "Pattern"_attr, "Object"_attr},
    .methods = {{"Open"_sel, ov::routine<background::Open>},
                {"Close"_sel, ov::routine<vorn::DeleteHeldObject<"Object"_attr>>},
                {"Use"_sel, ov::routine<background::Use>},
                {"Use Normal"_sel, ov::routine<background::UseNormal>}},
});

}  // namespace
