// DefDlgProcA, the window procedure of the dialog class: every message goes
// first to the dialog procedure in DWLP_DLGPROC; what that leaves (answers
// FALSE to) gets the dialog's default handling: the background in the
// WM_CTLCOLORDLG brush, the focus kept on a control across deactivation,
// WM_NEXTDLGCTL, WM_CLOSE as a click on the Cancel button, the dialog's
// font (its own: WM_SETFONT does not replace it), and its default button.
#include "platform/controls/builtin_procs.h"
#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {
namespace {

// Messages whose answer the dialog procedure returns itself rather than
// through DWLP_MSGRESULT.
bool answersDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_INITDIALOG;
}

void createState(HWND dialog) {
  SetWindowLongPtrA(dialog, DLGWINDOWEXTRA, reinterpret_cast<LONG_PTR>(new DialogState));
}

void releaseState(HWND dialog) {
  DialogState* state = dialogState(dialog);
  if (!state) return;
  if (state->ownsFont) DeleteObject(state->font);
  delete state;
  SetWindowLongPtrA(dialog, DLGWINDOWEXTRA, 0);
}

LRESULT eraseBackground(HWND dialog, WPARAM hdc) {
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(dialog, WM_CTLCOLORDLG, hdc, reinterpret_cast<LPARAM>(dialog)));
  RECT client;
  GetClientRect(dialog, &client);
  FillRect(reinterpret_cast<HDC>(hdc), &client, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
  return 1;
}

// WM_CLOSE: a click on the Cancel button, unless there is one and it is
// disabled.
LRESULT close(HWND dialog) {
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (cancel && !IsWindowEnabled(cancel)) return 0;
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
  return 0;
}

LRESULT activate(HWND dialog, DialogState& state, WPARAM how) {
  if (LOWORD(how) == WA_INACTIVE) saveFocus(dialog, state);
  else restoreFocus(dialog, state, true);
  return 0;
}

LRESULT showWindow(HWND dialog, DialogState& state, WPARAM shown, LPARAM lParam) {
  if (!shown) saveFocus(dialog, state);
  return DefWindowProcA(dialog, WM_SHOWWINDOW, shown, lParam);
}

LRESULT withState(HWND dialog, DialogState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE: return activate(dialog, state, wParam);
    case WM_SHOWWINDOW: return showWindow(dialog, state, wParam, lParam);
    case WM_SETFOCUS: restoreFocus(dialog, state, false); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_NEXTDLGCTL: return nextControl(dialog, state, wParam, lParam);
    case DM_GETDEFID: return defaultIdOf(dialog, state);
    case DM_SETDEFID: return setDefaultId(dialog, state, wParam);
    default: return DefWindowProcA(dialog, message, wParam, lParam);
  }
}

LRESULT defaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return eraseBackground(dialog, wParam);
    case WM_CLOSE: return close(dialog);
    case WM_NCDESTROY: releaseState(dialog); return DefWindowProcA(dialog, message, wParam, lParam);
    default: break;
  }
  DialogState* state = dialogState(dialog);
  return state ? withState(dialog, *state, message, wParam, lParam) : DefWindowProcA(dialog, message, wParam, lParam);
}

}  // namespace

DialogState* dialogState(HWND dialog) {
  char name[8];
  if (!GetClassNameA(dialog, name, sizeof name) || lstrcmpA(name, "#32770") != 0) return nullptr;
  return reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DLGWINDOWEXTRA));
}

LRESULT CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) createState(hwnd);
  return DefDlgProcA(hwnd, message, wParam, lParam);
}

}  // namespace platform::dialogs

using namespace platform::dialogs;

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hDlg, DWLP_DLGPROC));
  if (procedure) {
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
    INT_PTR answer = procedure(hDlg, Msg, wParam, lParam);
    if (answer) return answersDirectly(Msg) ? answer : (IsWindow(hDlg) ? GetWindowLongPtrA(hDlg, DWLP_MSGRESULT) : 0);
    if (!IsWindow(hDlg)) return 0;
  }
  return defaultHandling(hDlg, Msg, wParam, lParam);
}
