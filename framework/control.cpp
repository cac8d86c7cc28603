// Controls: platform "BUTTON" child windows (push buttons, check boxes,
// radio buttons, as their style bits choose).
//
// "Control Record" holds the platform control from "Open" to "Close".
// "Control Value" is the check state: written through to the control, and
// read back from it when the user has changed it; while the control is
// closed the stored value stands.
#include <string>

#include "framework/event_message.h"
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

HWND recordOf(ovC_object* control) { return ov::toHandle<HWND>(ov::get("Control Record"_attr, control)); }

int32_t flagsOf(ovC_object* control, const ovMethodSelector& question) {
  return ov::toInt(ov::send(question, control).get());
}

namespace control {

// Stores the input into attribute; while the control is open, readies it
// for drawing and shows the input on it with show(hwnd, input).
template <typename Show>
ovStatus storeAndShow(const ov::Args& a, const ovAttributeSelector& attribute, Show&& show) {
  ovC_object* control = a.receiver();
  ov::set(attribute, control, a[1]);
  if (HWND hwnd = recordOf(control)) {
    ov::tell("Prepare"_sel, control);
    show(hwnd, a[1]);
  }
  return ovSuccess;
}

HWND createButton(ovC_object* control) {
  auto style = static_cast<DWORD>(flagsOf(control, "Get Flags"_sel));
  std::string title = ov::cString(ov::send("Make Title"_sel, control).get());
  return vorn::CreateItemWindow(control, ov::get("Owner"_attr, control).get(), 0, "BUTTON", title, style);
}

// The style is read before the number: a default push button renumbers
// itself while it answers its style.
ovStatus Open(const ov::Args& a) {
  ovC_object* control = a.receiver();
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Open"_sel, control, {a[1]}));
  HWND hwnd = createButton(control);
  ov::set("Control Record"_attr, control, ov::handleValue(hwnd));
  if (ovRef font = ov::get("Font"_attr, control)) {
    ov::tell("Open"_sel, font);
    ov::tell("Use Font"_sel, control);
  }
  SendMessageA(hwnd, BM_SETCHECK, ov::toInt(ov::get("Control Value"_attr, control)), 0);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ovC_object* control = a.receiver();
  if (ovRef font = ov::get("Font"_attr, control)) ov::tell("Close"_sel, font);
  if (HWND hwnd = recordOf(control)) {
    DestroyWindow(hwnd);
    ov::set("Control Record"_attr, control, nullptr);
  }
  return ov::sendAs<0>("Window Item"_cls, "Close"_sel, control).status;
}

// The button kind, the item's style bits, and the control's own extras
// ("Type", when it holds a number).
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* control = a.receiver();
  int32_t style = flagsOf(control, "Get ProcID"_sel);
  style |= ov::toInt(ov::sendAs("Window Item"_cls, "Get Flags"_sel, control).get());
  style |= flagsOf(control, "Get Type"_sel);
  a.put(0, ov::integer(style));
  return ovSuccess;
}

// The check state the control shows now.
ovStatus GetControlValue(const ov::Args& a) {
  ovC_object* control = a.receiver();
  if (HWND hwnd = recordOf(control))
    ov::set("Control Value"_attr, control, ov::integer(static_cast<int32_t>(SendMessageA(hwnd, BM_GETCHECK, 0, 0))));
  a.put(0, ov::get("Control Value"_attr, control));
  return ovSuccess;
}

ovStatus SetControlValue(const ov::Args& a) {
  return storeAndShow(a, "Control Value"_attr,
                      [](HWND hwnd, ovC_object* value) { SendMessageA(hwnd, BM_SETCHECK, ov::toInt(value), 0); });
}

ovStatus GetValue(const ov::Args& a) {
  a.put(0, ov::boolean(ov::toInt(ov::send("Get Control Value"_sel, a.receiver()).get()) != 0));
  return ovSuccess;
}

ovStatus SetValue(const ov::Args& a) {
  return ov::send<0>("Set Control Value"_sel, a.receiver(), {ov::integer(ov::isTrue(a[1]) ? 1 : 0)}).status;
}

// A click: the check state the platform has just changed is read back
// before the click behaviour runs, so the behaviour sees it. A control that
// took the focus (it reports so with BS_NOTIFY) becomes the window's target,
// as an edit text that takes the focus does, so that keys acting on the
// target (Tab, Enter) start from it.
ovStatus OnCommand(const ov::Args& a) {
  ovC_object* control = a.receiver();
  int32_t code = vorn::MessageOf(a[1]).wParamHi();
  if (code == BN_SETFOCUS) return ov::send<0>("Target"_sel, control, {gdDefaultFalse}).status;
  if (code != BN_CLICKED) return ovSuccess;
  ov::tell("Set Control Value"_sel, control, {ov::send("Get Control Value"_sel, control).get()});
  return ov::send<0>("Post Click Behavior"_sel, control, {a[1]}).status;
}

// The font's handle, or the system font without one.
ovStatus UseFont(const ov::Args& a) {
  ovRef font = ov::get("Font"_attr, a.receiver());
  ovRef handle = font ? ov::get("Font"_attr, font) : nullptr;
  SendMessageA(recordOf(a.receiver()), WM_SETFONT, static_cast<WPARAM>(ov::messageWord(handle)), TRUE);
  return ovSuccess;
}

ovStatus SetActive(const ov::Args& a) {
  return storeAndShow(a, "Active?"_attr, [](HWND hwnd, ovC_object* active) { EnableWindow(hwnd, ov::isTrue(active)); });
}

ovStatus SetTitle(const ov::Args& a) {
  return storeAndShow(a, "Title"_attr,
                      [](HWND hwnd, ovC_object* title) { SetWindowTextA(hwnd, ov::cString(title).c_str()); });
}

ovStatus Enter(const ov::Args& a) {
  SetFocus(recordOf(a.receiver()));
  return ovSuccess;
}

// Tabbing to a control makes it the target.
ovStatus Tab(const ov::Args& a) { return ov::send<0>("Target"_sel, a.receiver(), {gdDefaultFalse}).status; }

}  // namespace control

const ovClassDeclaration kControlClass({
    .name = "Control"_cls,
    .superclass = "Window Item"_cls,
    .attributes = {"Title"_attr, "Font"_attr, "Color"_attr, "Control Record"_attr, "Min"_attr, "Max"_attr,
                   "Control Value"_attr, "Type"_attr},
    .classAttributes = {"ProcID"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<control::Open>},
                            {"Close"_sel, ov::routine<control::Close>},
                            {"Get Flags"_sel, ov::routine<control::GetFlags>},
                            {"Get Control Value"_sel, ov::routine<control::GetControlValue>},
                            {"Set Control Value"_sel, ov::routine<control::SetControlValue>},
                            {"Get Value"_sel, ov::routine<control::GetValue>},
                            {"Set Value"_sel, ov::routine<control::SetValue>},
                            {"On Command"_sel, ov::routine<control::OnCommand>},
                            {"Use Font"_sel, ov::routine<control::UseFont>},
                            {"Set Active?"_sel, ov::routine<control::SetActive>},
                            {"Set Title"_sel, ov::routine<control::SetTitle>},
                            {"Enter"_sel, ov::routine<control::Enter>},
                            {"Tab"_sel, ov::routine<control::Tab>},
                            {"Get Window Record"_sel, ov::reader<"Control Record"_attr>},
                            {"Make Title"_sel, ov::reader<"Title"_attr>}},
                           ov::getters<"Font", "ProcID", "Title", "Type">(), ov::setters<"Min", "Max">(),
                           ov::doingNothing<"Activate", "Draw", "Exit", "Mouse Down", "Has Font?", "Targetable?">()),
});

}  // namespace
