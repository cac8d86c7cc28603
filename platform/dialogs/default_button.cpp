// A dialog's default push button: the one Enter presses when the focus is
// not on a push button. The dialog keeps its id (DM_GETDEFID, DM_SETDEFID);
// which button shows BS_DEFPUSHBUTTON follows the focus as the dialog
// manager moves it: a push button that gets the focus shows it, and when
// the focus goes to any other control, the default button shows it again.
// In a window that is not a dialog, Tab to a push button makes it the only
// one showing the style, so Enter presses it there too.
#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {
namespace {

LRESULT codeOf(HWND control) { return control ? SendMessageA(control, WM_GETDLGCODE, 0, 0) : 0; }

bool isPushButton(HWND control) { return codeOf(control) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON); }

// The first control showing BS_DEFPUSHBUTTON, looking into children that
// hold controls.
HWND findShownDefault(HWND parent) {
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (codeOf(w) & DLGC_DEFPUSHBUTTON) return w;
    HWND inner = holdsControls(w) ? findShownDefault(w) : nullptr;
    if (inner) return inner;
  }
  return nullptr;
}

HWND shownDefault(HWND dialog, const DialogState& state) {
  HWND button = GetDlgItem(dialog, state.defaultId);
  return button && (codeOf(button) & DLGC_DEFPUSHBUTTON) ? button : findShownDefault(dialog);
}

void clearShownDefaults(HWND parent, HWND keep) {
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w != keep && (codeOf(w) & DLGC_DEFPUSHBUTTON)) SendMessageA(w, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    clearShownDefaults(w, keep);
  }
}

void moveDefaultStyle(HWND shown, HWND target) {
  if (shown && shown != target) SendMessageA(shown, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (codeOf(target) & DLGC_UNDEFPUSHBUTTON) SendMessageA(target, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

}  // namespace

void showDefaultFor(HWND dialog, const DialogState& state, HWND focus) {
  HWND target = isPushButton(focus) ? focus : GetDlgItem(dialog, state.defaultId);
  moveDefaultStyle(shownDefault(dialog, state), target);
}

void showDefaultOutsideDialog(HWND window, HWND focus) {
  clearShownDefaults(window, focus);
  if (codeOf(focus) & DLGC_UNDEFPUSHBUTTON) SendMessageA(focus, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

LRESULT defaultIdOf(HWND dialog, const DialogState& state) {
  if (state.ended) return 0;
  if (state.defaultId) return MAKELONG(state.defaultId, DC_HASDEFID);
  HWND button = findShownDefault(dialog);
  return button ? MAKELONG(GetDlgCtrlID(button), DC_HASDEFID) : 0;
}

LRESULT setDefaultId(HWND dialog, DialogState& state, WPARAM id) {
  if (state.ended) return TRUE;
  HWND shown = shownDefault(dialog, state);
  state.defaultId = static_cast<WORD>(id);
  HWND target = GetDlgItem(dialog, static_cast<int>(id));
  // A control that is not a button takes the id but not the style.
  if (target && !(codeOf(target) & (DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON))) return TRUE;
  moveDefaultStyle(shown, target);
  return TRUE;
}

}  // namespace platform::dialogs
