// Fonts: platform fonts made from a face name, size and style.
//
// A font owns at most one platform font, in "Font": "Open" deletes any
// earlier one and makes a new one, "Close" deletes it. "Use" selects it
// into the current device context with the font's colour for text.
#include "framework/held_drawing_object.h"
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace font {

// The style list (weight, italic?, underline?, strike-out?); a style that
// is not a list is the plain style.
struct FontStyle {
  int weight = FW_DONTCARE;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

FontStyle styleOf(ovC_object* font) {
  ovRef style = ov::send("Get Font Style"_sel, font).take();
  if (!ov::isList(style)) return {};
  return {ov::toInt(ov::element(style, 0)), ov::isTrue(ov::element(style, 1)), ov::isTrue(ov::element(style, 2)),
          ov::isTrue(ov::element(style, 3))};
}

ovStatus CreateFont(const ov::Args& a) {
  FontStyle style = styleOf(a.receiver());
  int height = ov::toInt(ov::send("Get Font Size"_sel, a.receiver()).get());
  std::string face = ov::cString(ov::send("Get Font Name"_sel, a.receiver()).get());
  HFONT made =
      CreateFontA(height, 0, 0, 0, style.weight, style.italic, style.underline, style.strikeOut, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  a.put(0, ov::handleValue(made));
  return ovSuccess;
}

ovStatus Open(const ov::Args& a) {
  ov::tell("Delete Font"_sel, a.receiver());
  ov::set("Font"_attr, a.receiver(), ov::send("Create Font"_sel, a.receiver()).get());
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) { return ov::send<0>("Delete Font"_sel, a.receiver()).status; }

ovStatus Use(const ov::Args& a) {
  HDC hdc = vorn::CurrentDevice();
  SelectObject(hdc, ov::toHandle<HFONT>(ov::get("Font"_attr, a.receiver())));
  SetTextColor(hdc, vorn::ColorRefOf(ov::get("Color"_attr, a.receiver()).get()));
  return ovSuccess;
}

}  // namespace font

const ovClassDeclaration kFontClass({
    .name = "Font"_cls,
    .attributes = {"Apply?"_attr, "Font Name"_attr, "Font"_attr, "Size"_attr, "Style"_attr, "Color"_attr,
                   "Justification"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<font::Open>},
                            {"Close"_sel, ov::routine<font::Close>},
                            {"Create Font"_sel, ov::routine<font::CreateFont>},
                            {"Delete Font"_sel, ov::routine<vorn::DeleteHeldObject<"Font"_attr>>},
                            {"Use"_sel, ov::routine<font::Use>},
                            {"Get Font Size"_sel, ov::reader<"Size"_attr>},
                            {"Get Font Style"_sel, ov::reader<"Style"_attr>}},
                           ov::getters<"Font", "Font Name", "Justification">(), ov::doingNothing<"Use System">()),
});

}  // namespace
