// What a dialog window keeps besides the words of DWLP_MSGRESULT,
// DWLP_DLGPROC and DWLP_USER: its font and dialog units, the control that
// held its focus when it was last deactivated, the id of its default
// button, and how a modal run of it ends; and what the dialog code shares
// about focus and the default button.
#pragma once

#include "platform/win32.h"

namespace platform::dialogs {

struct DialogState {
  HFONT font = nullptr;
  bool ownsFont = false;
  SIZE baseUnits{};
  HWND savedFocus = nullptr;
  // The template's last BS_DEFPUSHBUTTON, or DM_SETDEFID's; a dialog
  // without either answers IDOK, as Windows' do. 0: the button showing
  // BS_DEFPUSHBUTTON decides.
  WORD defaultId = IDOK;
  bool ended = false;
  INT_PTR result = 0;
  HWND disabledOwner = nullptr;  // disabled for a modal run, enabled when it ends
};

// The state of a window of the dialog class, or null.
DialogState* dialogState(HWND dialog);

// The horizontal and vertical base units of a font: the average width of
// the letters and the height of a line. A dialog unit is a quarter of the
// one and an eighth of the other.
SIZE baseUnitsOf(HFONT font);
// Dialog units to pixels with those base units.
RECT pixelsOf(const RECT& units, SIZE baseUnits);

// A visible, enabled child with WS_EX_CONTROLPARENT, whose controls count
// as the dialog's own.
bool holdsControls(HWND w);

// The control that takes a dialog's focus when nothing chose one: the first
// tab stop, else the first visible and enabled control; null when none.
HWND firstFocusOf(HWND dialog);
// Gives a control the focus, with all its text selected when it is an edit.
void focusAndSelect(HWND control);
// The dialog manager's move: the focus to control (none: stays), and the
// default push button follows.
void moveFocus(HWND dialog, DialogState& state, HWND control);
// WM_NEXTDLGCTL.
LRESULT nextControl(HWND dialog, DialogState& state, WPARAM wParam, LPARAM lParam);
// The focused control kept when the dialog is deactivated or hidden, and
// given the focus back when it is activated (activated) or focused itself.
void saveFocus(HWND dialog, DialogState& state);
void restoreFocus(HWND dialog, DialogState& state, bool activated);

// BS_DEFPUSHBUTTON moved to the push button that has the focus, or back to
// the default button.
void showDefaultFor(HWND dialog, const DialogState& state, HWND focus);
// The same for a window that is not a dialog: only a push button with the
// focus shows BS_DEFPUSHBUTTON.
void showDefaultOutsideDialog(HWND window, HWND focus);
// DM_GETDEFID and DM_SETDEFID.
LRESULT defaultIdOf(HWND dialog, const DialogState& state);
LRESULT setDefaultId(HWND dialog, DialogState& state, WPARAM id);

}  // namespace platform::dialogs
