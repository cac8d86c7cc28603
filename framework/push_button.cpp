// Push buttons, one of which can be a window's default button.
//
// The button named by its window's "Default Item" is made with the default
// push-button style and child ID 1 (IDOK), so the platform's own handling
// of Enter reports command 1 for it.
#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector DoDraw("Do Draw?");
const ovMethodSelector GetDefaultItem("Get Default Item");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetName("Get Name");
const ovMethodSelector GetProcId("Get ProcID");
const ovMethodSelector GetType("Get Type");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector PostClickBehavior("Post Click Behavior");
const ovMethodSelector Redraw("Redraw");
}  // namespace sel

namespace attr {
const ovAttributeSelector Active("Active?");
const ovAttributeSelector Border("Border");
const ovAttributeSelector Number("Number");
}  // namespace attr

namespace cls {
const ovClassName Control("Control");
const ovClassName WindowItem("Window Item");
}  // namespace cls

// The child ID the platform reports for the default button.
constexpr int32_t kDefaultButtonId = IDOK;

bool isDefaultItem(ovC_object* button) {
  ovRef name = ov::send(sel::GetName, button).take();
  auto window = ov::send(sel::GetWindow, button);
  if (window.failed() || !window.get() || ov::chars(name).empty()) return false;
  return ov::textEquals(ov::send(sel::GetDefaultItem, window.get()).get(), ov::chars(name));
}

namespace push_button {

// The default button's style, taking child ID 1; any other button's class
// style.
ovStatus GetProcId(const ov::Args& a) {
  if (!isDefaultItem(a.receiver())) {
    auto style = ov::sendAs(cls::Control, sel::GetProcId, a.receiver());
    a.put(0, style.take());
    return style.status;
  }
  ov::set(attr::Number, a.receiver(), ov::integer(kDefaultButtonId));
  a.put(0, ov::integer(BS_DEFPUSHBUTTON));
  return ovSuccess;
}

ovStatus GetFlags(const ov::Args& a) {
  int32_t style = ov::toInt(ov::sendAs(cls::Control, sel::GetFlags, a.receiver()).get());
  style |= ov::toInt(ov::send(sel::GetType, a.receiver()).get());
  a.put(0, ov::integer(style));
  return ovSuccess;
}

// Enter in the window presses the default button, unless it is inactive.
ovStatus Default(const ov::Args& a) {
  if (!ov::isTrue(ov::get(attr::Active, a.receiver()))) return ovFailure;
  return ov::send<0>(sel::PostClickBehavior, a.receiver(), {a[1]}).status;
}

// The button's area includes its border, as an item's does.
ovStatus DoDraw(const ov::Args& a) { return ov::sendAs<0>(cls::WindowItem, sel::DoDraw, a.receiver(), {a[1]}).status; }

// The button repaints itself, and its border around it.
ovStatus Redraw(const ov::Args& a) {
  ov::sendAs<0>(cls::WindowItem, sel::Redraw, a.receiver(), {a[1]});
  if (ovRef border = ov::get(attr::Border, a.receiver())) ov::send<0>(sel::Redraw, border, {a[1]});
  return ovSuccess;
}

}  // namespace push_button

const ovClassDeclaration kPushButtonClass({
    .name = "Push Button",
    .superclass = "Control",
    .classAttributes = {"ProcID"},
    .methods = {{"Default", ov::routine<push_button::Default>},
                {"Do Draw?", ov::routine<push_button::DoDraw>},
                {"Get Flags", ov::routine<push_button::GetFlags>},
                {"Get ProcID", ov::routine<push_button::GetProcId>},
                {"Redraw", ov::routine<push_button::Redraw>}},
});

}  // namespace
