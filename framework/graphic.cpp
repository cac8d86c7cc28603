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

namespace sel {
const ovMethodSelector Close("Close");
const ovMethodSelector GetBrush("Get Brush");
const ovMethodSelector GetJustification("Get Justification");
const ovMethodSelector Open("Open");
const ovMethodSelector Use("Use");
const ovMethodSelector UseFont("Use Font");
const ovMethodSelector UseNormal("Use Normal");
const ovMethodSelector UsePen("Use Pen");
const ovMethodSelector UseSystem("Use System");
}  // namespace sel

namespace attr {
const ovAttributeSelector EndPoints("End Points");
const ovAttributeSelector Font("Font");
const ovAttributeSelector ForeColor("ForeColor");
const ovAttributeSelector Pen("Pen");
const ovAttributeSelector Region("Region");
const ovAttributeSelector Text("Text");
}  // namespace attr

namespace cls {
const ovClassName Font("Font");
const ovClassName Graphic("Graphic");
const ovClassName Pen("Pen");
}  // namespace cls

namespace uni {
const ovUniversalName CenterRect("Center Rect");
}  // namespace uni

namespace prim {
const ovPrimitiveName ToString("to-string");
}  // namespace prim

namespace graphic {

ovStatus Open(const ov::Args& a) {
  if (ovRef pen = ov::get(attr::Pen, a.receiver())) ov::send<0>(sel::Open, pen);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  if (ovRef pen = ov::get(attr::Pen, a.receiver())) ov::send<0>(sel::Close, pen);
  return ovSuccess;
}

ovStatus UsePen(const ov::Args& a) {
  if (ovRef pen = ov::get(attr::Pen, a.receiver())) return ov::send<0>(sel::Use, pen).status;
  return ov::sendToClass<0>(cls::Pen, sel::UseNormal).status;
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
  ov::send<0>(sel::UsePen, a.receiver());
  ovRef ends = ov::get(attr::EndPoints, a.receiver());
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
  RECT centre = ov::toRECT(ov::universal(uni::CenterRect, {ov::rectFrom(frame), ov::rect(0, 0, 1, 1)}).get());
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
  ovRef ends = ov::get(attr::EndPoints, a.receiver());
  POINT from = ov::toPOINT(ov::element(ends, 0));
  POINT to = ov::toPOINT(ov::element(ends, 1));
  RECT frame = ov::toRECT(a[1]);
  bool orthogonal = from.x == to.x || from.y == to.y;
  ov::set(attr::EndPoints, a.receiver(), orthogonal ? orthogonalIn(frame) : diagonalIn(frame, from.y > to.y));
  return ovSuccess;
}

}  // namespace line

namespace text {

ovStatus Open(const ov::Args& a) {
  ov::sendAs<0>(cls::Graphic, sel::Open, a.receiver());
  if (ovRef font = ov::get(attr::Font, a.receiver())) ov::send<0>(sel::Open, font);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::sendAs<0>(cls::Graphic, sel::Close, a.receiver());
  if (ovRef font = ov::get(attr::Font, a.receiver())) ov::send<0>(sel::Close, font);
  return ovSuccess;
}

// Fills the rectangle with the pen's colour (white without a pen), which
// also becomes the colour behind the characters.
void fillBehind(ovC_object* text, const RECT& r) {
  HDC hdc = vorn::CurrentDevice();
  ovRef pen = ov::get(attr::Pen, text);
  if (!pen) {
    FillRect(hdc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkColor(hdc, RGB(255, 255, 255));
    return;
  }
  HBRUSH brush = ov::toHandle<HBRUSH>(ov::send(sel::GetBrush, pen).get());
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
  SetBkColor(hdc, vorn::ColorRefOf(ov::get(attr::ForeColor, pen).get()));
}

// Draws the text in the rectangle with the font's justification; a
// transparent text leaves what is behind it, between its characters too.
ovStatus Draw(const ov::Args& a) {
  ovC_object* text = a.receiver();
  RECT r = ov::toRECT(a[1]);
  ov::send<0>(sel::UsePen, text);
  bool transparent = ov::isTrue(a[3]);
  if (!transparent) fillBehind(text, r);
  SetBkMode(vorn::CurrentDevice(), transparent ? TRANSPARENT : OPAQUE);
  ov::send<0>(sel::UseFont, text);
  std::string chars = ov::cString(ov::get(attr::Text, text));
  UINT format = static_cast<UINT>(ov::toInt(ov::send(sel::GetJustification, text).get()));
  DrawTextA(vorn::CurrentDevice(), chars.c_str(), static_cast<int>(chars.size()), &r, format);
  return ovSuccess;
}

ovStatus UseFont(const ov::Args& a) {
  if (ovRef font = ov::get(attr::Font, a.receiver())) return ov::send<0>(sel::Use, font).status;
  return ov::sendToClass<0>(cls::Font, sel::UseSystem).status;
}

ovStatus GetJustification(const ov::Args& a) {
  ovRef font = ov::get(attr::Font, a.receiver());
  a.put(0, font ? ov::send(sel::GetJustification, font).take() : ov::integer(0));
  return ovSuccess;
}

// A text as it is, NULL as the empty text, anything else as its printed
// form.
ovRef textFrom(ovC_object* value) {
  if (ov::isText(value)) return ovRef::share(value);
  if (!value) return ov::text("");
  return ov::primitive(prim::ToString, {value}).take();
}

ovStatus SetText(const ov::Args& a) {
  ov::set(attr::Text, a.receiver(), textFrom(a[1]));
  return ovSuccess;
}

}  // namespace text

const ovClassDeclaration kGraphicClass({
    .name = "Graphic",
    .attributes = {"Pen"},
    .methods = {{"Open", ov::routine<graphic::Open>},
                {"Close", ov::routine<graphic::Close>},
                {"Use Pen", ov::routine<graphic::UsePen>},
                {"Invert", ov::routine<graphic::Invert>},
                {"Draw", ov::nothing},
                {"Get Value", ov::nothing},
                {"Set Value", ov::nothing},
                {"Set Frame", ov::nothing},
                {"Get Pen", ov::reader<attr::Pen>},
                {"Has Font?", ov::failing},
                {"Has Region?", ov::failing}},
});

const ovClassDeclaration kLineClass({
    .name = "Line",
    .superclass = "Graphic",
    .attributes = {"End Points", "Region"},
    .methods = {{"Draw", ov::routine<line::Draw>},
                {"Invert", ov::routine<graphic::Invert>},
                {"Set Frame", ov::routine<line::SetFrame>},
                {"Get Value", ov::reader<attr::EndPoints>},
                {"Set Value", ov::writer<attr::EndPoints>},
                {"Get End Points", ov::reader<attr::EndPoints>},
                {"Set End Points", ov::writer<attr::EndPoints>},
                {"Get Region", ov::reader<attr::Region>},
                {"Has Region?", ov::nothing}},
});

const ovClassDeclaration kTextClass({
    .name = "Text",
    .superclass = "Graphic",
    .attributes = {"Font", "Text"},
    .methods = {{"Open", ov::routine<text::Open>},
                {"Close", ov::routine<text::Close>},
                {"Draw", ov::routine<text::Draw>},
                {"Use Font", ov::routine<text::UseFont>},
                {"Get Justification", ov::routine<text::GetJustification>},
                {"Set Text", ov::routine<text::SetText>},
                {"Get Text", ov::reader<attr::Text>},
                {"Get Value", ov::reader<attr::Text>},
                {"Set Value", ov::routine<text::SetText>},
                {"Get Font", ov::reader<attr::Font>},
                {"Has Font?", ov::nothing}},
});

}  // namespace
