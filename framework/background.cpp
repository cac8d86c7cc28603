// Backgrounds: the brush a view paints behind its items, and the text
// background colour that goes with it.
//
// "Object" holds the platform brush from "Open" to "Close".
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace attr {
const ovAttributeSelector Color("Color");
const ovAttributeSelector Object("Object");
}  // namespace attr

namespace uni {
const ovUniversalName GetCurrentDevice("Get Current Device");
const ovUniversalName RgbToColorRef("RGB To ColorRef");
}  // namespace uni

COLORREF colorRefOf(ovC_object* background) {
  return static_cast<COLORREF>(ov::toInt(ov::universal(uni::RgbToColorRef, {ov::get(attr::Color, background)}).get()));
}

HDC currentDevice() { return ov::toHandle<HDC>(ov::universal(uni::GetCurrentDevice).get()); }

namespace background {

ovStatus Open(const ov::Args& a) {
  HBRUSH brush = CreateSolidBrush(colorRefOf(a.receiver()));
  ov::set(attr::Object, a.receiver(), ov::handleValue(brush));
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  if (auto brush = ov::toHandle<HBRUSH>(ov::get(attr::Object, a.receiver()))) DeleteObject(brush);
  ov::set(attr::Object, a.receiver(), nullptr);
  return ovSuccess;
}

ovStatus Use(const ov::Args& a) {
  if (HDC dc = currentDevice()) SetBkColor(dc, colorRefOf(a.receiver()));
  return ovSuccess;
}

// A class method: the text background back to its plain colour.
ovStatus UseNormal(const ov::Args&) {
  if (HDC dc = currentDevice()) SetBkColor(dc, 0);
  return ovSuccess;
}

}  // namespace background

const ovClassDeclaration kBackgroundClass({
    .name = "Background",
    .attributes = {"Color", "Pattern", "Object"},
    .methods = {{"Open", ov::routine<background::Open>},
                {"Close", ov::routine<background::Close>},
                {"Use", ov::routine<background::Use>},
                {"Use Normal", ov::routine<background::UseNormal>}},
});

}  // namespace
