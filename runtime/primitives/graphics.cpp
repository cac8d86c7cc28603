// Points, rectangles and colours to and from integers. The language orders
// a point (vertical, horizontal) and a rectangle (top, left, bottom, right).
// A value of the wrong kind reads as all zeros.
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

using ovPrim::integer;

ovPoint pointOf(ovC_object* v) {
  if (!ovIsKind(v, ovKindPoint)) return {};
  return {ovGetPointHorizontal(v), ovGetPointVertical(v)};
}

ovRect rectOf(ovC_object* v) {
  if (!ovIsKind(v, ovKindRect)) return {};
  return {ovGetRectLeft(v), ovGetRectTop(v), ovGetRectRight(v), ovGetRectBottom(v)};
}

ovRef makePoint(int32_t h, int32_t v) { return ovRef::adopt(ovMakePointWin(h, v)); }

ovStatus IntsToPoint(const ov::Args& a) {
  a.put(0, makePoint(ovGetInteger(a[1]), ovGetInteger(a[0])));
  return ovSuccess;
}

ovStatus PointToInts(const ov::Args& a) {
  ovPoint p = pointOf(a[0]);
  a.put(0, integer(p.v));
  a.put(1, integer(p.h));
  return ovSuccess;
}

ovStatus IntsToRect(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeRectMac(ovGetInteger(a[0]), ovGetInteger(a[1]), ovGetInteger(a[2]), ovGetInteger(a[3]))));
  return ovSuccess;
}

ovStatus RectToInts(const ov::Args& a) {
  ovRect r = rectOf(a[0]);
  a.put(0, integer(r.top));
  a.put(1, integer(r.left));
  a.put(2, integer(r.bottom));
  a.put(3, integer(r.right));
  return ovSuccess;
}

ovStatus PointsToRect(const ov::Args& a) {
  ovPoint topLeft = pointOf(a[0]), bottomRight = pointOf(a[1]);
  a.put(0, ovRef::adopt(ovMakeRectMac(topLeft.v, topLeft.h, bottomRight.v, bottomRight.h)));
  return ovSuccess;
}

ovStatus RectToPoints(const ov::Args& a) {
  ovRect r = rectOf(a[0]);
  a.put(0, makePoint(r.left, r.top));
  a.put(1, makePoint(r.right, r.bottom));
  return ovSuccess;
}

ovStatus RgbToInts(const ov::Args& a) {
  bool isColour = ovIsKind(a[0], ovKindRGB);
  a.put(0, integer(isColour ? ovGetRGBRed(a[0]) : 0));
  a.put(1, integer(isColour ? ovGetRGBGreen(a[0]) : 0));
  a.put(2, integer(isColour ? ovGetRGBBlue(a[0]) : 0));
  return ovSuccess;
}

const ovPrimitiveDeclaration kIntsToPoint("ints-to-point", ov::routine<IntsToPoint>);
const ovPrimitiveDeclaration kPointToInts("point-to-ints", ov::routine<PointToInts>);
const ovPrimitiveDeclaration kIntsToRect("ints-to-rect", ov::routine<IntsToRect>);
const ovPrimitiveDeclaration kRectToInts("rect-to-ints", ov::routine<RectToInts>);
const ovPrimitiveDeclaration kPointsToRect("points-to-rect", ov::routine<PointsToRect>);
const ovPrimitiveDeclaration kRectToPoints("rect-to-points", ov::routine<RectToPoints>);
const ovPrimitiveDeclaration kRgbToInts("rgb-to-ints", ov::routine<RgbToInts>);

}  // namespace
