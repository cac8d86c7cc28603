// The colour and rectangle universals the drawing classes share: a colour
// of 16-bit components as the platform's 0x00BBGGRR colour, and the
// measures and centring of rectangles.
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace universal {

// The high byte of each 16-bit component, red in the low byte.
ovStatus RgbToColorRef(const ov::Args& a) {
  auto components = ov::primitive<3>("rgb-to-ints"_prim, {a[0]});
  uint32_t red = static_cast<uint32_t>(ov::toInt(components.get(0)));
  uint32_t green = static_cast<uint32_t>(ov::toInt(components.get(1)));
  uint32_t blue = static_cast<uint32_t>(ov::toInt(components.get(2)));
  uint32_t colorRef = (red >> 8) | (green & 0xFF00) | ((blue << 8) & 0xFF0000);
  a.put(0, ov::integer(static_cast<int32_t>(colorRef)));
  return ovSuccess;
}

// The inner rectangle moved, keeping its size, so that it is centred in
// the outer one (halves rounded toward zero).
ovStatus CenterRect(const ov::Args& a) {
  RECT outer = ov::toRECT(a[0]);
  RECT inner = ov::toRECT(a[1]);
  int32_t width = inner.right - inner.left;
  int32_t height = inner.bottom - inner.top;
  int32_t left = outer.left + ((outer.right - outer.left) - width) / 2;
  int32_t top = outer.top + ((outer.bottom - outer.top) - height) / 2;
  a.put(0, ov::rect(top, left, top + height, left + width));
  return ovSuccess;
}

ovStatus RectHeight(const ov::Args& a) {
  RECT r = ov::toRECT(a[0]);
  a.put(0, ov::integer(r.bottom - r.top));
  return ovSuccess;
}

ovStatus RectWidth(const ov::Args& a) {
  RECT r = ov::toRECT(a[0]);
  a.put(0, ov::integer(r.right - r.left));
  return ovSuccess;
}

}  // namespace universal

const ovUniversalDeclaration kRgbToColorRef("RGB To ColorRef"_uni, ov::routine<universal::RgbToColorRef>);
const ovUniversalDeclaration kCenterRect("Center Rect"_uni, ov::routine<universal::CenterRect>);
const ovUniversalDeclaration kRectHeight("Rect Height"_uni, ov::routine<universal::RectHeight>);
const ovUniversalDeclaration kRectWidth("Rect Width"_uni, ov::routine<universal::RectWidth>);

}  // namespace
