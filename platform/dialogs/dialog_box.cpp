// Modal dialogs: DialogBoxParamA and DialogBoxIndirectParamA disable the
// owner (the parent's top-level window) before the dialog is made, run it
// in a modal loop and answer what EndDialog was given.
//
// The loop shows a dialog made hidden the first time the queue runs dry, or
// after its first WM_TIMER, so nothing WM_INITDIALOG posted finds it
// shown; each time the queue runs dry it sends the owner WM_ENTERIDLE
// (MSGF_DIALOGBOX) unless DS_NOIDLEMSG. EndDialog inside WM_INITDIALOG
// ends the dialog before it is ever shown. WM_QUIT ends the loop early: the
// answer is 0 and the quit request is made again.
//
// EndDialog enables the owner again, takes the focus from the dialog's
// controls to the dialog itself, hides the dialog and gives the activation
// back to the owner, whose window then takes the focus from the dialog;
// the dialog is destroyed when its loop ends. The owner is enabled again
// however the dialog ends, also when its procedure destroys it.
#include <utility>

#include "platform/dialogs/dialog_creation.h"
#include "platform/dialogs/dialog_state.h"
#include "platform/user/modal_loop.h"

namespace platform::dialogs {
namespace {

class DialogLoop : public user::ModalLoop {
 public:
  DialogLoop(HWND dialog, HWND owner) : dialog_(dialog), owner_(owner) {}

  bool done() const override {
    DialogState* state = dialogState(dialog_);
    return !state || state->ended;
  }

  bool preview(MSG& msg) override {
    if (shown_ || msg.message != WM_TIMER) return IsDialogMessageA(dialog_, &msg);
    if (!IsDialogMessageA(dialog_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    show();
    return true;
  }

  void idle() override {
    show();
    bool quiet = GetWindowLongPtrA(dialog_, GWL_STYLE) & DS_NOIDLEMSG;
    if (owner_ && !quiet && !done())
      SendMessageA(owner_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog_));
  }

 private:
  void show() {
    if (shown_ || done()) return;
    shown_ = true;
    ShowWindow(dialog_, SW_SHOWNORMAL);
  }

  HWND dialog_;
  HWND owner_;
  bool shown_ = false;
};

HWND topLevelOwner(HWND parent) {
  HWND top = parent;
  while (top && (GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD)) top = GetParent(top);
  return top;
}

// The owner, disabled for the run; null when there is none or it was
// disabled already.
HWND disableOwner(HWND owner) {
  if (!owner || !IsWindowEnabled(owner)) return nullptr;
  EnableWindow(owner, FALSE);
  return owner;
}

void enableOwner(DialogState& state) {
  if (HWND owner = std::exchange(state.disabledOwner, nullptr)) EnableWindow(owner, TRUE);
}

INT_PTR runModal(HWND dialog, HWND owner) {
  DialogLoop loop(dialog, owner);
  bool ended = user::runModalLoop(loop);
  DialogState* state = dialogState(dialog);
  if (!state) return 0;
  INT_PTR result = ended ? state->result : 0;
  enableOwner(*state);
  DestroyWindow(dialog);
  return result;
}

INT_PTR dialogBox(HINSTANCE instance, const std::optional<DialogTemplate>& t, HWND parent, DLGPROC procedure,
                  LPARAM param) {
  if (parent && !IsWindow(parent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (!t) return -1;
  HWND owner = topLevelOwner(parent);
  HWND disabled = disableOwner(owner);
  HWND dialog = createDialog(*t, instance, {owner, disabled}, procedure, param);
  INT_PTR result = dialog ? runModal(dialog, owner) : -1;
  // Also when the dialog was never made, or its procedure destroyed it.
  if (disabled && IsWindow(disabled)) EnableWindow(disabled, TRUE);
  return result;
}

}  // namespace
}  // namespace platform::dialogs

using namespace platform::dialogs;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return dialogBox(hInstance, dialogTemplateResource(hInstance, lpTemplateName), hWndParent, lpDialogFunc,
                   dwInitParam);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return dialogBox(hInstance, dialogTemplateAt(hDialogTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  DialogState* state = dialogState(hDlg);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  state->ended = true;
  state->result = nResult;
  enableOwner(*state);
  if (IsChild(hDlg, GetFocus())) SetFocus(hDlg);
  bool wasActive = GetActiveWindow() == hDlg;
  SetWindowPos(hDlg, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  HWND owner = GetWindow(hDlg, GW_OWNER);
  if (wasActive && owner && GetActiveWindow() != owner) SetForegroundWindow(owner);
  return TRUE;
}
