// IsDialogMessageA: the keys a dialog keeps for itself unless the control
// the key is for asks for them with WM_GETDLGCODE.
//
// - Tab and Shift+Tab: in a dialog, WM_NEXTDLGCTL; in any other window,
//   the next (previous) tab stop gets the focus, an edit's text selected,
//   and a push button BS_DEFPUSHBUTTON.
// - The arrow keys: the next (Right, Down) or previous (Left, Up) control
//   of the group. A radio button gets the focus as from the dialog manager
//   and, when it is an unchecked automatic one, is clicked (BM_CLICK), which
//   checks it and clears the others of its group; any other control is
//   given to WM_NEXTDLGCTL.
// - Enter: a click on the focused default push button, or else on the
//   dialog's default button (DM_GETDEFID) unless it is disabled, or else
//   IDOK. Escape: IDCANCEL. Each click is WM_COMMAND with (id, BN_CLICKED)
//   and the button, or null when there is none.
//
// Every other message of the dialog it translates and dispatches.
#include <optional>

#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {
namespace {

LRESULT codeOf(HWND control, const MSG* msg) {
  return SendMessageA(control, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg));
}

void sendClick(HWND dialog, int id, HWND button) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

HWND descendantWithId(HWND parent, int id) {
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(w) == id) return w;
    if (HWND inner = descendantWithId(w, id)) return inner;
  }
  return nullptr;
}

// Outside dialogs the tab stop is focused directly; false when there is
// none to go to.
bool tabOutsideDialog(HWND window, const MSG& msg, bool previous) {
  HWND focus = GetFocus();
  HWND next = GetNextDlgTabItem(window, focus == window ? nullptr : focus, previous);
  if (!next) return false;
  if (codeOf(next, &msg) & DLGC_HASSETSEL) SendMessageA(next, EM_SETSEL, 0, -1);
  SetFocus(next);
  showDefaultOutsideDialog(window, next);
  return true;
}

bool tab(HWND window, const MSG& msg) {
  bool previous = GetKeyState(VK_SHIFT) < 0;
  if (!dialogState(window)) return tabOutsideDialog(window, msg, previous);
  SendMessageA(window, WM_NEXTDLGCTL, previous, FALSE);
  return true;
}

void arrow(HWND window, const MSG& msg) {
  bool previous = msg.wParam == VK_LEFT || msg.wParam == VK_UP;
  HWND next = GetNextDlgGroupItem(window, msg.hwnd, previous);
  if (!next || codeOf(next, &msg) != (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
    SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    return;
  }
  if (DialogState* state = dialogState(window)) moveFocus(window, *state, next);
  else SetFocus(next);
  bool automatic = (GetWindowLongPtrA(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
  if (automatic && SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageA(next, BM_CLICK, 1, 0);
}

void enter(HWND window) {
  HWND focus = GetFocus();
  if (focus && IsChild(window, focus) && (codeOf(focus, nullptr) & DLGC_DEFPUSHBUTTON))
    return sendClick(window, GetDlgCtrlID(focus), focus);
  LRESULT found = SendMessageA(window, DM_GETDEFID, 0, 0);
  if (HIWORD(found) != DC_HASDEFID) return sendClick(window, IDOK, GetDlgItem(window, IDOK));
  HWND button = descendantWithId(window, LOWORD(found));
  if (!button || IsWindowEnabled(button)) sendClick(window, LOWORD(found), button);
}

bool isArrow(WPARAM key) { return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN; }

// What IsDialogMessageA answers for a key it keeps; none for a key that is
// dispatched.
std::optional<BOOL> keyDown(HWND window, const MSG& msg) {
  LRESULT code = codeOf(msg.hwnd, &msg);
  if (code & DLGC_WANTMESSAGE) return std::nullopt;
  WPARAM key = msg.wParam;
  if (key == VK_TAB && !(code & DLGC_WANTTAB)) return tab(window, msg);
  if (isArrow(key) && !(code & DLGC_WANTARROWS)) {
    arrow(window, msg);
    return TRUE;
  }
  if (key == VK_RETURN) {
    enter(window);
    return TRUE;
  }
  if (key != VK_ESCAPE) return std::nullopt;
  sendClick(window, IDCANCEL, GetDlgItem(window, IDCANCEL));
  return TRUE;
}

}  // namespace
}  // namespace platform::dialogs

using namespace platform::dialogs;

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
  if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))) return FALSE;
  if (lpMsg->message == WM_KEYDOWN) {
    if (std::optional<BOOL> kept = keyDown(hDlg, *lpMsg)) return *kept;
  }
  TranslateMessage(lpMsg);
  DispatchMessageA(lpMsg);
  return TRUE;
}
