// Finding a dialog's controls and working it from the keyboard.
//
// IsDialogMessageA takes the keys a dialog keeps for itself unless the
// focused control asks for them with WM_GETDLGCODE: Tab and Shift+Tab move
// the focus through the controls with WS_TABSTOP, in the order they were
// made; Enter clicks the focused push button, or else the default button
// (DM_GETDEFID), or else sends IDOK; Escape sends IDCANCEL. Each click is
// WM_COMMAND with (id, BN_CLICKED) and the button. Every other message of
// the dialog it translates and dispatches.
//
// A visible, enabled child with WS_EX_CONTROLPARENT is not a control of its
// own: its controls take its place in the tab order, at any depth, as on
// Windows.
#include <optional>
#include <vector>

#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {
namespace {

DWORD styleOf(HWND w) { return static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE)); }

bool isUsable(HWND w) { return (styleOf(w) & WS_VISIBLE) && !(styleOf(w) & WS_DISABLED); }
bool isTabStop(HWND w) { return (styleOf(w) & WS_TABSTOP) && isUsable(w); }
bool holdsControls(HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && isUsable(w); }

// The controls of a window in tab order, a child holding controls replaced
// by its own.
void addControls(HWND parent, std::vector<HWND>& controls) {
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (holdsControls(w)) addControls(w, controls);
    else controls.push_back(w);
  }
}

bool within(HWND ancestor, HWND w) { return w == ancestor || IsChild(ancestor, w); }

// Where the search for the next (or previous) tab stop starts from: the
// place of control, of the control holding it, or, for a window holding
// controls, of its last (or first) control. None when control is not in
// the dialog.
std::optional<size_t> placeOf(const std::vector<HWND>& controls, HWND control, bool previous) {
  std::optional<size_t> place;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (within(controls[i], control)) return i;
    if (within(control, controls[i]) && (!place || !previous)) place = i;
  }
  return place;
}

void sendClick(HWND dialog, WORD id, HWND button) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void pressDefault(HWND dialog, HWND focus, LRESULT focusCode) {
  if (focus && (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
    return sendClick(dialog, static_cast<WORD>(GetDlgCtrlID(focus)), focus);
  LRESULT found = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  WORD id = HIWORD(found) == DC_HASDEFID ? LOWORD(found) : IDOK;
  HWND button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) return;
  sendClick(dialog, id, button);
}

// The keys the dialog keeps; false when the key goes to the control.
bool dialogKey(HWND dialog, const MSG& msg) {
  HWND focus = GetFocus();
  bool inside = focus && IsChild(dialog, focus);
  LRESULT code = inside ? SendMessageA(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) : 0;
  if (code & DLGC_WANTMESSAGE) return false;
  switch (msg.wParam) {
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      focusControl(dialog, GetNextDlgTabItem(dialog, inside ? focus : nullptr, GetKeyState(VK_SHIFT) < 0));
      return true;
    case VK_RETURN: pressDefault(dialog, inside ? focus : nullptr, code); return true;
    case VK_ESCAPE: sendClick(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL)); return true;
    default: return false;
  }
}

}  // namespace

void focusControl(HWND dialog, HWND control) {
  if (!control) return;
  if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
  if (DialogState* state = dialogState(dialog)) state->focus = control;
  if (IsWindowVisible(dialog)) SetFocus(control);
}

}  // namespace platform::dialogs

using namespace platform::dialogs;

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
  if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))) return FALSE;
  if (lpMsg->message == WM_KEYDOWN && dialogKey(hDlg, *lpMsg)) return TRUE;
  TranslateMessage(lpMsg);
  DispatchMessageA(lpMsg);
  return TRUE;
}

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  std::vector<HWND> controls;
  addControls(hDlg, controls);
  size_t count = controls.size();
  if (count == 0) return nullptr;
  std::optional<size_t> place = hCtl ? placeOf(controls, hCtl, bPrevious) : std::nullopt;
  size_t start = place ? *place : (bPrevious ? 0 : count - 1);
  for (size_t step = 1; step <= count; ++step) {
    HWND w = controls[(start + (bPrevious ? count - step : step)) % count];
    if (isTabStop(w)) return w;
  }
  return nullptr;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  for (HWND w = GetWindow(hDlg, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (GetDlgCtrlID(w) == nIDDlgItem) return w;
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) { return static_cast<int>(GetWindowLongPtrA(hWnd, GWLP_ID)); }

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? SendMessageA(item, Msg, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item && SetWindowTextA(item, lpString);
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (!item) {
    if (lpString && cchMax > 0) lpString[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextA(item, lpString, cchMax));
}
