// Making a dialog window from a template, as modal and modeless dialogs
// both do.
#pragma once

#include "platform/dialogs/dialog_template.h"

namespace platform::dialogs {

// The owner of a dialog, and the same window when a modal run disabled it
// (EndDialog enables it again).
struct DialogOwner {
  HWND window = nullptr;
  HWND disabled = nullptr;
};

// The dialog with its controls, initialised by its procedure and given its
// first focus, shown when the template says WS_VISIBLE; null when any part
// could not be made or the procedure destroyed it.
HWND createDialog(const DialogTemplate& t, HINSTANCE instance, DialogOwner owner, DLGPROC procedure, LPARAM param);

}  // namespace platform::dialogs
