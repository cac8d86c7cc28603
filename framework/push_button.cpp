// Push buttons, one of which can be a window's default button.
//
// The button named by its window's "Default Item" is made with the default
// push-button style and child ID 1 (IDOK), so the platform's own handling
// of Enter reports command 1 for it.
#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace {

// The child ID the platform reports for the default button.
constexpr int32_t kDefaultButtonId = IDOK;

bool isDefaultItem(ovC_object* button) {
  ovRef name = ov::send("Get Name"_sel, button).take();
  auto window = ov::send("Get Window"_sel, button);
  if (window.failed() || !window.get() || ov::chars(name).empty()) return false;
  return ov::textEquals(ov::send("Get Default Item"_sel, window.get()).get(), ov::chars(name));
}

namespace push_button {

// The default button's style, taking child ID 1; any other button's class
// style.
ovStatus GetProcId(const ov::Args& a) {
  if (!isDefaultItem(a.receiver())) {
    auto style = ov::sendAs("Control"_cls, "Get ProcID"_sel, a.receiver());
    a.put(0, style.take());
    return style.status;
  }
  ov::set("Number"_attr, a.receiver(), ov::integer(kDefaultButtonId));
  a.put(0, ov::integer(BS_DEFPUSHBUTTON));
  return ovSuccess;
}

ovStatus GetFlags(const ov::Args& a) {
  int32_t style = ov::toInt(ov::sendAs("Control"_cls, "Get Flags"_sel, a.receiver()).get());
  style |= ov::toInt(ov::send("Get Type"_sel, a.receiver()).get());
  a.put(0, ov::integer(style));
  return ovSuccess;
}

// Enter in the window presses the default button, unless it is inactive.
ovStatus Default(const ov::Args& a) {
  if (!ov::isTrue(ov::get("Active?"_attr, a.receiver()))) return ovFailure;
  return ov::send<0>("Post Click Behavior"_sel, a.receiver(), {a[1]}).status;
}

// The button's area includes its border, as an item's does.
ovStatus DoDraw(const ov::Args& a) {
  return ov::sendAs<0>("Window Item"_cls, "Do Draw?"_sel, a.receiver(), {a[1]}).status;
}

// The button repaints itself, and its border around it.
ovStatus Redraw(const ov::Args& a) {
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Redraw"_sel, a.receiver(), {a[1]}));
  if (ovRef border = ov::get("Border"_attr, a.receiver())) ov::tell("Redraw"_sel, border, {a[1]});
  return ovSuccess;
}

}  // namespace push_button

const ovClassDeclaration kPushButtonClass({
    .name = "Push Button"_cls,
    .superclass = "Control"_cls,
    .classAttributes = {"ProcID"_attr},
    .methods = {{"Default"_sel, ov::routine<push_button::Default>},
                {"Do Draw?"_sel, ov::routine<push_button::DoDraw>},
                {"Get Flags"_sel, ov::routine<push_button::GetFlags>},
                {"Get ProcID"_sel, ov::routine<push_button::GetProcId>},
                {"Redraw"_sel, ov::routine<push_button::Redraw>}},
});

}  // namespace
