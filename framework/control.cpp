// Controls: platform "BUTTON" child windows (push buttons, check boxes,
// radio buttons, as their style bits choose).
//
// "Control Record" holds the platform control from "Open" to "Close".
// "Control Value" is the check state: written through to the control, and
// read back from it when the user has changed it; while the control is
// closed the stored value stands.
#include <string>

#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector Close("Close");
const ovMethodSelector GetControlValue("Get Control Value");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetNotifyCode("Get Notify Code");
const ovMethodSelector GetProcId("Get ProcID");
const ovMethodSelector GetType("Get Type");
const ovMethodSelector MakeTitle("Make Title");
const ovMethodSelector Open("Open");
const ovMethodSelector PostClickBehavior("Post Click Behavior");
const ovMethodSelector Prepare("Prepare");
const ovMethodSelector SetControlValue("Set Control Value");
const ovMethodSelector Target("Target");
const ovMethodSelector UseFont("Use Font");
}  // namespace sel

namespace attr {
const ovAttributeSelector Active("Active?");
const ovAttributeSelector ControlRecord("Control Record");
const ovAttributeSelector ControlValue("Control Value");
const ovAttributeSelector Font("Font");
const ovAttributeSelector Max("Max");
const ovAttributeSelector Min("Min");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector ProcId("ProcID");
const ovAttributeSelector Title("Title");
const ovAttributeSelector Type("Type");
}  // namespace attr

namespace cls {
const ovClassName WindowItem("Window Item");
}  // namespace cls


HWND recordOf(ovC_object* control) { return ov::toHandle<HWND>(ov::get(attr::ControlRecord, control)); }

int32_t flagsOf(ovC_object* control, const ovMethodSelector& question) {
  return ov::toInt(ov::send(question, control).get());
}

namespace control {

HWND createButton(ovC_object* control) {
  auto style = static_cast<DWORD>(flagsOf(control, sel::GetFlags));
  std::string title = ov::cString(ov::send(sel::MakeTitle, control).get());
  return vorn::CreateItemWindow(control, ov::get(attr::Owner, control).get(), 0, "BUTTON", title, style);
}

// The style is read before the number: a default push button renumbers
// itself while it answers its style.
ovStatus Open(const ov::Args& a) {
  ovC_object* control = a.receiver();
  ov::sendAs<0>(cls::WindowItem, sel::Open, control, {a[1]});
  HWND hwnd = createButton(control);
  ov::set(attr::ControlRecord, control, ov::handleValue(hwnd));
  if (ovRef font = ov::get(attr::Font, control)) {
    ov::send<0>(sel::Open, font);
    ov::send<0>(sel::UseFont, control);
  }
  SendMessageA(hwnd, BM_SETCHECK, ov::toInt(ov::get(attr::ControlValue, control)), 0);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ovC_object* control = a.receiver();
  if (ovRef font = ov::get(attr::Font, control)) ov::send<0>(sel::Close, font);
  if (HWND hwnd = recordOf(control)) {
    DestroyWindow(hwnd);
    ov::set(attr::ControlRecord, control, nullptr);
  }
  return ov::sendAs<0>(cls::WindowItem, sel::Close, control).status;
}

// The button kind, the item's style bits, and the control's own extras
// ("Type", when it holds a number).
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* control = a.receiver();
  int32_t style = flagsOf(control, sel::GetProcId);
  style |= ov::toInt(ov::sendAs(cls::WindowItem, sel::GetFlags, control).get());
  style |= flagsOf(control, sel::GetType);
  a.put(0, ov::integer(style));
  return ovSuccess;
}

// The check state the control shows now.
ovStatus GetControlValue(const ov::Args& a) {
  ovC_object* control = a.receiver();
  if (HWND hwnd = recordOf(control))
    ov::set(attr::ControlValue, control, ov::integer(static_cast<int32_t>(SendMessageA(hwnd, BM_GETCHECK, 0, 0))));
  a.put(0, ov::get(attr::ControlValue, control));
  return ovSuccess;
}

ovStatus SetControlValue(const ov::Args& a) {
  ovC_object* control = a.receiver();
  ov::set(attr::ControlValue, control, a[1]);
  if (HWND hwnd = recordOf(control)) {
    ov::send<0>(sel::Prepare, control);
    SendMessageA(hwnd, BM_SETCHECK, ov::toInt(a[1]), 0);
  }
  return ovSuccess;
}

ovStatus GetValue(const ov::Args& a) {
  a.put(0, ov::boolean(ov::toInt(ov::send(sel::GetControlValue, a.receiver()).get()) != 0));
  return ovSuccess;
}

ovStatus SetValue(const ov::Args& a) {
  return ov::send<0>(sel::SetControlValue, a.receiver(), {ov::integer(ov::isTrue(a[1]) ? 1 : 0)}).status;
}

// A click: the check state the platform has just changed is read back
// before the click behaviour runs, so the behaviour sees it. A control that
// took the focus (it reports so with BS_NOTIFY) becomes the window's target,
// as an edit text that takes the focus does, so that keys acting on the
// target (Tab, Enter) start from it.
ovStatus OnCommand(const ov::Args& a) {
  ovC_object* control = a.receiver();
  int32_t code = ov::toInt(ov::send(sel::GetNotifyCode, a[1]).get());
  if (code == BN_SETFOCUS) return ov::send<0>(sel::Target, control, {gdDefaultFalse}).status;
  if (code != BN_CLICKED) return ovSuccess;
  ov::send<0>(sel::SetControlValue, control, {ov::send(sel::GetControlValue, control).get()});
  return ov::send<0>(sel::PostClickBehavior, control, {a[1]}).status;
}

// The font's handle, or the system font without one.
ovStatus UseFont(const ov::Args& a) {
  ovRef font = ov::get(attr::Font, a.receiver());
  ovRef handle = font ? ov::get(attr::Font, font) : nullptr;
  SendMessageA(recordOf(a.receiver()), WM_SETFONT, static_cast<WPARAM>(ov::messageWord(handle)), TRUE);
  return ovSuccess;
}

ovStatus SetActive(const ov::Args& a) {
  ovC_object* control = a.receiver();
  ov::set(attr::Active, control, a[1]);
  if (HWND hwnd = recordOf(control)) {
    ov::send<0>(sel::Prepare, control);
    EnableWindow(hwnd, ov::isTrue(a[1]));
  }
  return ovSuccess;
}

ovStatus SetTitle(const ov::Args& a) {
  ovC_object* control = a.receiver();
  ov::set(attr::Title, control, a[1]);
  if (HWND hwnd = recordOf(control)) {
    ov::send<0>(sel::Prepare, control);
    SetWindowTextA(hwnd, ov::cString(a[1]).c_str());
  }
  return ovSuccess;
}

ovStatus Enter(const ov::Args& a) {
  SetFocus(recordOf(a.receiver()));
  return ovSuccess;
}

// Tabbing to a control makes it the target.
ovStatus Tab(const ov::Args& a) { return ov::send<0>(sel::Target, a.receiver(), {gdDefaultFalse}).status; }

}  // namespace control

const ovClassDeclaration kControlClass({
    .name = "Control",
    .superclass = "Window Item",
    .attributes = {"Title", "Font", "Color", "Control Record", "Min", "Max", "Control Value", "Type"},
    .classAttributes = {"ProcID"},
    .methods = {{"Open", ov::routine<control::Open>},
                {"Close", ov::routine<control::Close>},
                {"Get Flags", ov::routine<control::GetFlags>},
                {"Get Control Value", ov::routine<control::GetControlValue>},
                {"Set Control Value", ov::routine<control::SetControlValue>},
                {"Get Value", ov::routine<control::GetValue>},
                {"Set Value", ov::routine<control::SetValue>},
                {"On Command", ov::routine<control::OnCommand>},
                {"Use Font", ov::routine<control::UseFont>},
                {"Set Active?", ov::routine<control::SetActive>},
                {"Set Title", ov::routine<control::SetTitle>},
                {"Enter", ov::routine<control::Enter>},
                {"Tab", ov::routine<control::Tab>},
                {"Get Font", ov::reader<attr::Font>},
                {"Get ProcID", ov::reader<attr::ProcId>},
                {"Get Title", ov::reader<attr::Title>},
                {"Get Type", ov::reader<attr::Type>},
                {"Get Window Record", ov::reader<attr::ControlRecord>},
                {"Make Title", ov::reader<attr::Title>},
                {"Set Min", ov::writer<attr::Min>},
                {"Set Max", ov::writer<attr::Max>},
                {"Activate", ov::nothing},
                {"Draw", ov::nothing},
                {"Exit", ov::nothing},
                {"Mouse Down", ov::nothing},
                {"Has Font?", ov::nothing},
                {"Targetable?", ov::nothing}},
});

}  // namespace
