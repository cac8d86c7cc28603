// EDIT: an entry (text for a multi-line edit, password text for one that
// shows a password character) holding its text, focusable and editable
// unless read-only. Its text interface is edit_text.cpp's.
#include "platform/accessibility/control_family.h"

namespace platform::accessibility {
namespace {

Description describe(HWND edit) {
  auto style = static_cast<DWORD>(GetWindowLongPtrA(edit, GWL_STYLE));
  bool multiLine = style & ES_MULTILINE;
  Description d;
  bool password = SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0) != 0;
  d.role = multiLine ? Role::Text : password ? Role::PasswordText : Role::Entry;
  d.states = kFocusable | (multiLine ? kMultiLine : kSingleLine);
  d.states |= (style & ES_READONLY) ? kReadOnly : kEditable;
  return d;
}

}  // namespace

const ControlFamily& editFamily() {
  static const ControlFamily family{"EDIT", describe, noActions, noAction};
  return family;
}

}  // namespace platform::accessibility
