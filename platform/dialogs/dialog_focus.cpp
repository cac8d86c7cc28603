// Where a dialog's focus goes. The dialog manager moves it to a control
// with all of an edit's text selected (WM_NEXTDLGCTL, Tab and the arrow
// keys), and the default push button follows it. A dialog deactivated
// remembers its focused control and gives it the focus back when activated
// again; the dialog itself given the focus passes it on to that control, or
// to the first one. An ended dialog keeps the focus it is given.
#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {

HWND firstFocusOf(HWND dialog) {
  HWND control = GetNextDlgTabItem(dialog, nullptr, FALSE);
  return control ? control : GetNextDlgGroupItem(dialog, nullptr, FALSE);
}

void focusAndSelect(HWND control) {
  if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
  SetFocus(control);
}

void moveFocus(HWND dialog, DialogState& state, HWND control) {
  if (control) focusAndSelect(control);
  showDefaultFor(dialog, state, control);
}

LRESULT nextControl(HWND dialog, DialogState& state, WPARAM wParam, LPARAM lParam) {
  HWND control = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
  moveFocus(dialog, state, control);
  return 0;
}

void saveFocus(HWND dialog, DialogState& state) {
  HWND focus = GetFocus();
  if (focus && IsChild(dialog, focus)) state.savedFocus = focus;
}

void restoreFocus(HWND dialog, DialogState& state, bool activated) {
  if (state.ended) return;
  HWND control = state.savedFocus;
  if (!IsWindow(control) || control == dialog) {
    if (activated) return;
    control = firstFocusOf(dialog);
    if (!control) return;
  }
  state.savedFocus = nullptr;
  if (activated) SetFocus(control);
  else focusAndSelect(control);
}

}  // namespace platform::dialogs
