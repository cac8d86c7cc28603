#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/startup/runtime_startup.h"

namespace {

constexpr WORD kMessageDialog = 24991;
constexpr int kMessageText = 25011;

}  // namespace

BOOL CommandHandler_Default(HWND dialog, WORD id) {
  if (id != IDOK && id != IDCANCEL) return FALSE;
  EndDialog(dialog, 0);
  return TRUE;
}

INT_PTR CALLBACK DlgShow(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(GetDlgItem(dialog, kMessageText), reinterpret_cast<LPCSTR>(lParam));
      return TRUE;
    case WM_COMMAND: return CommandHandler_Default(dialog, LOWORD(wParam));
    default: return FALSE;
  }
}

void ovioShow(const char* text) {
  ShowDialog(Global.instance, MAKEINTRESOURCE(kMessageDialog), ovioGetMainWindow(), DlgShow,
             reinterpret_cast<LPARAM>(text));
}
