// BUTTON: push buttons, check boxes and radio buttons named by their text
// and clicked through "click"; group boxes are named panels.
#include "platform/accessibility/control_family.h"

namespace platform::accessibility {
namespace {

Role roleOf(DWORD style) {
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return Role::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return Role::RadioButton;
    case BS_GROUPBOX: return Role::Panel;
    default: return Role::PushButton;
  }
}

Description describe(HWND button) {
  Description d;
  d.role = roleOf(static_cast<DWORD>(GetWindowLongPtrA(button, GWL_STYLE)));
  d.name = withoutMnemonic(windowText(button));
  if (d.role == Role::CheckBox || d.role == Role::RadioButton) {
    d.states |= kCheckable;
    if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) d.states |= kChecked;
  }
  if (d.role != Role::Panel) d.states |= kFocusable;
  return d;
}

bool clickable(HWND button) { return describe(button).role != Role::Panel; }

std::vector<std::string> actions(HWND button) {
  if (!clickable(button)) return {};
  return {"click"};
}

// BM_CLICK goes the road of a person's click (the button's own press and
// release, then BN_CLICKED to the parent); posted, so it runs in the
// program's loop after the screen reader has had its answer.
bool act(HWND button, size_t action) {
  if (action != 0 || !clickable(button) || !IsWindowEnabled(button)) return false;
  return PostMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace

const ControlFamily& buttonFamily() {
  static const ControlFamily family{"BUTTON", describe, actions, act};
  return family;
}

}  // namespace platform::accessibility
