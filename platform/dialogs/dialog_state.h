// What a dialog window keeps besides the words of DWLP_MSGRESULT,
// DWLP_DLGPROC and DWLP_USER: its font and dialog units, the control that
// holds (or last held) its focus, its default button, and how a modal run
// of it ends.
#pragma once

#include "platform/win32.h"

namespace platform::dialogs {

struct DialogState {
  HFONT font = nullptr;
  bool ownsFont = false;
  SIZE baseUnits{};
  HWND focus = nullptr;
  WORD defaultId = 0;  // from DM_SETDEFID; 0: the BS_DEFPUSHBUTTON decides
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

// Moves the focus to a control of the dialog, or, while the dialog is
// hidden, keeps it for when the dialog is activated; an edit control gets
// all its text selected.
void focusControl(HWND dialog, HWND control);

}  // namespace platform::dialogs
