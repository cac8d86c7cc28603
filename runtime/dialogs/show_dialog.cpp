#include "runtime/dialogs/runtime_dialogs.h"

INT_PTR ShowDialog(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure, LPARAM parameter) {
  return DialogBoxParamA(instance, templateName, owner, procedure ? procedure : DefaultDialog, parameter);
}

INT_PTR CALLBACK DefaultDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_CLOSE: SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
      EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}
