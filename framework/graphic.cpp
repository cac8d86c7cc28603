// Graphics that draw themselves into the current device context: lines
// and texts.
//
// A graphic is drawn in a rectangle, its frame, in the coordinates of the
// device context in use. A graphic opens and closes its pen (and a text its
// font) with itself; without a pen it draws with the stock black pen.
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace graphic {

// "Open" and "Close": the pen, if any, opens and closes with the graphic.
ovStatus WithPen(const ovMethodSelector& method, const ov::Args& a) {
  if (ovRef pen = ov::get("Pen"_attr, a.receiver())) ov::tell(method, pen);
  return ovSuccess;
}

ovStatus UsePen(const ov::Args& a) {
  if (ovRef pen = ov::get("Pen"_attr, a.receiver())) return ov::send<0>("Use"_sel, pen).status;
  return ov::sendToClass<0>("Pen"_cls, "Use Normal"_sel).status;
}

// Inverts the rectangle in the current device context.
ovStatus Invert(const ov::Args& a) {
  RECT r = ov::toRECT(a[1]);
  InvertRect(vorn::CurrentDevice(), &r);
  return ovSuccess;
}

}  // namespace graphic

namespace line {

ovStatus Draw(const ov::Args& a) {
  ov::tell("Use Pen"_sel, a.receiver());
  ovRef ends = ov::get("End Points"_attr, a.receiver());
  POINT from = ov::toPOINT(ov::element(ends, 0));
  POINT to = ov::toPOINT(ov::element(ends, 1));
  HDC hdc = vorn::CurrentDevice();
  MoveToEx(hdc, from.x, from.y, nullptr);
  LineTo(hdc, to.x, to.y);
  return ovSuccess;
}

// An orthogonal line becomes the frame's middle line along its longer side:
// horizontal through the centre for a frame wider than high, vertical
// otherwise.
ovRef orthogonalIn(const RECT& frame) {
  RECT centre = ov::toRECT(ov::universal("Center Rect"_uni, {ov::rectFrom(frame), ov::rect(0, 0, 1, 1)}).get());
  if (frame.right - frame.left > frame.bottom - frame.top)
    return ov::listOf({ov::point(centre.top, frame.left), ov::point(centre.top, frame.right)});
  return ov::listOf({ov::point(frame.top, centre.left), ov::point(frame.bottom, centre.left)});
}

// A diagonal becomes the frame's diagonal of the same slant: rising when
// its first point is the lower one, falling otherwise.
ovRef diagonalIn(const RECT& frame, bool rising) {
  if (rising) return ov::listOf({ov::point(frame.bottom, frame.left), ov::point(frame.top, frame.right)});
  return ov::listOf({ov::point(frame.top, frame.left), ov::point(frame.bottom, frame.right)});
}

ovStatus SetFrame(const ov::Args& a) {
  ovRef ends = ov::get("End Points"_attr, a.receiver());
  POINT from = ov::toPOINT(ov::element(ends, 0));
  POINT to = ov::toPOINT(ov::element(ends, 1));
  RECT frame = ov::toRECT(a[1]);
  bool orthogonal = from.x == to.x || from.y == to.y;
  ov::set("End Points"_attr, a.receiver(), orthogonal ? orthogonalIn(frame) : diagonalIn(frame, from.y > to.y));
  return ovSuccess;
}

}  // namespace line

namespace text {

ovStatus Open(const ov::Args& a) {
  ov::tell(ov::sendAs<0>("Graphic"_cls, "Open"_sel, a.receiver()));
  if (ovRef font = ov::get("Font"_attr, a.receiver())) ov::tell("Open"_sel, font);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::tell(ov::sendAs<0>("Graphic"_cls, "Close"_sel, a.receiver()));
  if (ovRef font = ov::get("Font"_attr, a.receiver())) ov::tell("Close"_sel, font);
  return ovSuccess;
}

// Fills the rectangle with the pen's colour (white without a pen), which
// also becomes the colour behind the characters.
void fillBehind(ovC_object* text, const RECT& r) {
  HDC hdc = vorn::CurrentDevice();
  ovRef pen = ov::get("Pen"_attr, text);
  if (!pen) {
    FillRect(hdc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkColor(hdc, RGB(255, 255, 255));
    return;
  }
  HBRUSH brush = ov::toHandle<HBRUSH>(ov::send("Get Brush"_sel, pen).get());
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
  SetBkColor(hdc, vorn::ColorRefOf(ov::get("ForeColor"_attr, pen).get()));
}

// Draws the text in the rectangle with the font's justification; a
// transparent text leaves what is behind it, between its characters too.
ovStatus Draw(const ov::Args& a) {
  ovC_object* text = a.receiver();
  RECT r = ov::toRECT(a[1]);
  ov::tell("Use Pen"_sel, text);
  bool transparent = ov::isTrue(a[3]);
  if (!transparent) fillBehind(text, r);
  SetBkMode(vorn::CurrentDevice(), transparent ? TRANSPARENT : OPAQUE);
  ov::tell("Use Font"_sel, text);
  std::string chars = ov::cString(ov::get("Text"_attr, text));
  UINT format = static_cast<UINT>(ov::toInt(ov::send("Get Justification"_sel, text).get()));
  DrawTextA(vorn::CurrentDevice(), chars.c_str(), static_cast<int>(chars.size()), &r, format);
  return ovSuccess;
}

ovStatus UseFont(const ov::Args& a) {
  if (ovRef font = ov::get("Font"_attr, a.receiver())) return ov::send<0>("Use"_sel, font).status;
  return ov::sendToClass<0>("Font"_cls, "Use System"_sel).status;
}

ovStatus GetJustification(const ov::Args& a) {
  ovRef font = ov::get("Font"_attr, a.receiver());
  a.put(0, font ? ov::send("Get Justification"_sel, font).take() : ov::integer(0));
  return ovSuccess;
}

// A text as it is, NULL as the empty text, anything else as its printed
// form.
ovRef textFrom(ovC_object* value) {
  if (ov::isText(value)) return ovRef::share(value);
  if (!value) return ov::text("");
  return ov::primitive("to-string"_prim, {value}).take();
}

ovStatus SetText(const ov::Args& a) {
  ov::set("Text"_attr, a.receiver(), textFrom(a[1]));
  return ovSuccess;
}

}  // namespace text

const ovClassDeclaration kGraphicClass({
    .name = "Graphic"_cls,
    .attributes = {"Pen"_attr},
    .methods = ov::methods({{"Use Pen"_sel, ov::routine<graphic::UsePen>},
                            {"Invert"_sel, ov::routine<graphic::Invert>},
                            {"Has Font?"_sel, ov::failing},
                            {"Has Region?"_sel, ov::failing}},
                           ov::forwarding<graphic::WithPen, "Open", "Close">(), ov::getters<"Pen">(),
                           ov::doingNothing<"Draw", "Get Value", "Set Value", "Set Frame">()),
});

const ovClassDeclaration kLineClass({
    .name = "Line"_cls,
    .superclass = "Graphic"_cls,
    .attributes = {"End Points"_attr, "Region"_attr},
    .methods = ov::methods({{"Draw"_sel, ov::routine<line::Draw>},
                            {"Invert"_sel, ov::routine<graphic::Invert>},
                            {"Set Frame"_sel, ov::routine<line::SetFrame>},
                            {"Get Value"_sel, ov::reader<"End Points"_attr>},
                            {"Set Value"_sel, ov::writer<"End Points"_attr>}},
                           ov::getters<"End Points", "Region">(), ov::setters<"End Points">(),
                           ov::doingNothing<"Has Region?">()),
});

const ovClassDeclaration kTextClass({
    .name = "Text"_cls,
    .superclass = "Graphic"_cls,
    .attributes = {"Font"_attr, "Text"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<text::Open>},
                            {"Close"_sel, ov::routine<text::Close>},
                            {"Draw"_sel, ov::routine<text::Draw>},
                            {"Use Font"_sel, ov::routine<text::UseFont>},
                            {"Get Justification"_sel, ov::routine<text::GetJustification>},
                            {"Set Text"_sel, ov::routine<text::SetText>},
                            {"Get Value"_sel, ov::reader<"Text"_attr>},
                            {"Set Value"_sel, ov::routine<text::SetText>}},
                           ov::getters<"Text", "Font">(), ov::doingNothing<"Has Font?">()),
});

}  // namespace
