// Modeless dialogs: CreateDialogParamA and CreateDialogIndirectParamA make
// the dialog and return at once; the owner stays enabled. A template with
// WS_VISIBLE is shown and activated, its focus on the first tab stop when
// WM_INITDIALOG answered TRUE. The caller's own loop works it through
// IsDialogMessageA, and DestroyWindow ends it, which gives the activation
// and the focus back to the owner.
#include "platform/dialogs/dialog_creation.h"

namespace platform::dialogs {
namespace {

HWND createModeless(HINSTANCE instance, const std::optional<DialogTemplate>& t, HWND owner, DLGPROC procedure,
                    LPARAM param) {
  if (owner && !IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return t ? createDialog(*t, instance, {owner, nullptr}, procedure, param) : nullptr;
}

}  // namespace
}  // namespace platform::dialogs

using namespace platform::dialogs;

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return createModeless(hInstance, dialogTemplateResource(hInstance, lpTemplateName), hWndParent, lpDialogFunc,
                        dwInitParam);
}

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return createModeless(hInstance, dialogTemplateAt(lpTemplate), hWndParent, lpDialogFunc, dwInitParam);
}
