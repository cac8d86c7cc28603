// Modal dialogs: DialogBoxParamA and DialogBoxIndirectParamA make a dialog
// from a template, run it in a modal loop with its owner disabled, and
// answer what EndDialog was given.
//
// Making a dialog: the template's font (DS_SETFONT) gives the dialog units;
// the size is the client area's, the place relative to the owner's client
// area (or the screen with DS_ABSALIGN; centred with DS_CENTER). The dialog
// hears WM_SETFONT, its controls are made in template order (without
// WM_PARENTNOTIFY), each hearing WM_SETFONT, and then WM_INITDIALOG names the first control with
// WS_TABSTOP; answered TRUE, that control gets the focus when the dialog
// shows. The dialog is shown whether or not its template says WS_VISIBLE.
//
// The loop sends the owner WM_ENTERIDLE (MSGF_DIALOGBOX) whenever the queue
// runs dry (unless DS_NOIDLEMSG). WM_QUIT ends it early: the dialog goes
// away, the answer is 0 and the quit request is made again.
#include "platform/dialogs/dialog_state.h"
#include "platform/dialogs/dialog_template.h"
#include "platform/user/modal_loop.h"

namespace platform::dialogs {
namespace {

// The largest template DialogBoxIndirectParamA reads: it is given no size.
constexpr size_t kLargestTemplate = 0x10000;

HFONT fontOf(const DialogTemplate& t, bool& owned) {
  owned = (t.style & DS_SETFONT) != 0;
  if (!owned) return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  int height = -(t.pointSize * 96 + 36) / 72;
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, t.face.c_str());
}

DWORD exStyleOf(const DialogTemplate& t) { return t.exStyle | ((t.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0); }

POINT placeOf(const DialogTemplate& t, HWND owner, SIZE base, SIZE window) {
  if (t.style & DS_CENTER) {
    return {(GetSystemMetrics(SM_CXSCREEN) - window.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - window.cy) / 2};
  }
  RECT units = pixelsOf(t.units, base);
  POINT at{units.left, units.top};
  if (owner && !(t.style & DS_ABSALIGN)) ClientToScreen(owner, &at);
  return at;
}

// The window rectangle (screen coordinates) for the template's client area.
RECT windowRectOf(const DialogTemplate& t, HWND owner, SIZE base) {
  RECT client = pixelsOf(t.units, base);
  RECT frame{0, 0, client.right - client.left, client.bottom - client.top};
  AdjustWindowRectEx(&frame, t.style, FALSE, exStyleOf(t));
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  POINT at = placeOf(t, owner, base, size);
  return {at.x, at.y, at.x + size.cx, at.y + size.cy};
}

HWND createFrame(const DialogTemplate& t, HINSTANCE instance, HWND owner, SIZE base, LPARAM param) {
  RECT r = windowRectOf(t, owner, base);
  LPCSTR className = t.className.empty() ? WC_DIALOG : t.className.c_str();
  DWORD style = t.style & ~WS_VISIBLE;
  return CreateWindowExA(exStyleOf(t), className, t.title.c_str(), style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, owner, nullptr, instance, reinterpret_cast<LPVOID>(param));
}

bool createItem(HWND dialog, const DialogItem& item, HINSTANCE instance, HFONT font, SIZE base) {
  RECT r = pixelsOf(item.units, base);
  const void* data = item.creationData.empty() ? nullptr : item.creationData.data();
  HWND control = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD, r.left,
                                 r.top, r.right - r.left, r.bottom - r.top, dialog,
                                 reinterpret_cast<HMENU>(static_cast<uintptr_t>(item.id)), instance,
                                 const_cast<void*>(data));
  if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control != nullptr;
}

// The dialog with its controls, told WM_INITDIALOG; null when any part
// could not be made.
HWND createDialog(const DialogTemplate& t, HINSTANCE instance, HWND owner, DLGPROC procedure, LPARAM param) {
  bool ownsFont = false;
  HFONT font = fontOf(t, ownsFont);
  SIZE base = baseUnitsOf(font);
  HWND dialog = createFrame(t, instance, owner, base, param);
  DialogState* state = dialog ? dialogState(dialog) : nullptr;
  if (!state) {
    if (ownsFont) DeleteObject(font);
    if (dialog) DestroyWindow(dialog);
    return nullptr;
  }
  *state = {font, ownsFont, base};
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
  if (t.style & DS_SETFONT) SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const DialogItem& item : t.items) {
    if (IsWindow(dialog) && createItem(dialog, item, instance, font, base)) continue;
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return nullptr;
  }
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && IsWindow(dialog))
    focusControl(dialog, first);
  return IsWindow(dialog) ? dialog : nullptr;
}

class DialogLoop : public user::ModalLoop {
 public:
  DialogLoop(HWND dialog, HWND owner) : dialog_(dialog), owner_(owner) {}

  bool done() const override {
    DialogState* state = dialogState(dialog_);
    return !state || state->ended;
  }
  bool preview(MSG& msg) override { return IsDialogMessageA(dialog_, &msg); }
  void idle() override {
    bool quiet = GetWindowLongPtrA(dialog_, GWL_STYLE) & DS_NOIDLEMSG;
    if (owner_ && !quiet) SendMessageA(owner_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog_));
  }

 private:
  HWND dialog_;
  HWND owner_;
};

HWND topLevelOwner(HWND parent) {
  HWND top = parent;
  while (top && (GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD)) top = GetParent(top);
  return top;
}

void enableOwner(DialogState& state) {
  if (state.disabledOwner) EnableWindow(state.disabledOwner, TRUE);
  state.disabledOwner = nullptr;
}

INT_PTR runModal(HWND dialog, HWND owner) {
  DialogState* state = dialogState(dialog);
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    state->disabledOwner = owner;
  }
  if (!state->ended) {
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
  }
  DialogLoop loop(dialog, owner);
  bool ended = user::runModalLoop(loop);
  state = dialogState(dialog);
  INT_PTR result = state && ended ? state->result : 0;
  if (state) enableOwner(*state);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

INT_PTR dialogBox(HINSTANCE instance, const void* bytes, size_t size, HWND parent, DLGPROC procedure, LPARAM param) {
  if (parent && !IsWindow(parent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  std::optional<DialogTemplate> t = readDialogTemplate(bytes, size);
  HWND owner = topLevelOwner(parent);
  HWND dialog = t ? createDialog(*t, instance, owner, procedure, param) : nullptr;
  if (!dialog) {
    if (!t) SetLastError(ERROR_INVALID_DATA);
    return -1;
  }
  return runModal(dialog, owner);
}

}  // namespace
}  // namespace platform::dialogs

using namespace platform::dialogs;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  HRSRC found = FindResourceA(hInstance, lpTemplateName, RT_DIALOG);
  const void* bytes = found ? LockResource(LoadResource(hInstance, found)) : nullptr;
  if (!bytes) return -1;
  return dialogBox(hInstance, bytes, SizeofResource(hInstance, found), hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return dialogBox(hInstance, hDialogTemplate, kLargestTemplate, hWndParent, lpDialogFunc, dwInitParam);
}

// Ends the modal loop once the current message is handled: the owner is
// enabled again and the dialog hidden now, so activation returns to the
// owner; the dialog is destroyed when the loop ends.
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  DialogState* state = dialogState(hDlg);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  state->ended = true;
  state->result = nResult;
  enableOwner(*state);
  ShowWindow(hDlg, SW_HIDE);
  return TRUE;
}
