// STATIC: a label carrying its text.
#include "platform/accessibility/control_family.h"

namespace platform::accessibility {
namespace {

Description describe(HWND label) {
  Description d;
  d.role = Role::Label;
  d.name = (GetWindowLongPtrA(label, GWL_STYLE) & SS_NOPREFIX) ? windowText(label) : withoutMnemonic(windowText(label));
  return d;
}

}  // namespace

const ControlFamily& staticFamily() {
  static const ControlFamily family{"STATIC", describe, noActions, noAction};
  return family;
}

}  // namespace platform::accessibility
