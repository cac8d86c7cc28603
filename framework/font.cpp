// Fonts: platform fonts made from a face name, size and style.
//
// A font owns at most one platform font, in "Font": "Open" deletes any
// earlier one and makes a new one, "Close" deletes it. "Use" selects it
// into the current device context with the font's colour for text.
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector CreateFont("Create Font");
const ovMethodSelector DeleteFont("Delete Font");
const ovMethodSelector GetFontName("Get Font Name");
const ovMethodSelector GetFontSize("Get Font Size");
const ovMethodSelector GetFontStyle("Get Font Style");
}  // namespace sel

namespace attr {
const ovAttributeSelector Color("Color");
const ovAttributeSelector Font("Font");
const ovAttributeSelector FontName("Font Name");
const ovAttributeSelector Justification("Justification");
const ovAttributeSelector Size("Size");
const ovAttributeSelector Style("Style");
}  // namespace attr


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
  ovRef style = ov::send(sel::GetFontStyle, font).take();
  if (!ov::isList(style)) return {};
  return {ov::toInt(ov::element(style, 0)), ov::isTrue(ov::element(style, 1)), ov::isTrue(ov::element(style, 2)),
          ov::isTrue(ov::element(style, 3))};
}

ovStatus CreateFont(const ov::Args& a) {
  FontStyle style = styleOf(a.receiver());
  int height = ov::toInt(ov::send(sel::GetFontSize, a.receiver()).get());
  std::string face = ov::cString(ov::send(sel::GetFontName, a.receiver()).get());
  HFONT made =
      CreateFontA(height, 0, 0, 0, style.weight, style.italic, style.underline, style.strikeOut, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  a.put(0, ov::handleValue(made));
  return ovSuccess;
}

ovStatus DeleteFont(const ov::Args& a) {
  ovRef handle = ov::get(attr::Font, a.receiver());
  if (handle) DeleteObject(ov::toHandle<HFONT>(handle));
  ov::set(attr::Font, a.receiver(), nullptr);
  return ovSuccess;
}

ovStatus Open(const ov::Args& a) {
  ov::send<0>(sel::DeleteFont, a.receiver());
  ov::set(attr::Font, a.receiver(), ov::send(sel::CreateFont, a.receiver()).get());
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) { return ov::send<0>(sel::DeleteFont, a.receiver()).status; }

ovStatus Use(const ov::Args& a) {
  HDC hdc = vorn::CurrentDevice();
  SelectObject(hdc, ov::toHandle<HFONT>(ov::get(attr::Font, a.receiver())));
  SetTextColor(hdc, vorn::ColorRefOf(ov::get(attr::Color, a.receiver()).get()));
  return ovSuccess;
}

}  // namespace font

const ovClassDeclaration kFontClass({
    .name = "Font",
    .attributes = {"Apply?", "Font Name", "Font", "Size", "Style", "Color", "Justification"},
    .methods = {{"Open", ov::routine<font::Open>},
                {"Close", ov::routine<font::Close>},
                {"Create Font", ov::routine<font::CreateFont>},
                {"Delete Font", ov::routine<font::DeleteFont>},
                {"Use", ov::routine<font::Use>},
                {"Use System", ov::nothing},
                {"Get Font", ov::reader<attr::Font>},
                {"Get Font Name", ov::reader<attr::FontName>},
                {"Get Font Size", ov::reader<attr::Size>},
                {"Get Font Style", ov::reader<attr::Style>},
                {"Get Justification", ov::reader<attr::Justification>}},
});

}  // namespace
