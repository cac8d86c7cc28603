// A dialog's controls by their ids: GetDlgItem finds a child (not a deeper
// descendant) by its id, and the other functions act on what it finds.
#include "platform/win32.h"

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
