// Making a dialog: the template's font (DS_SETFONT) gives the dialog units;
// the size is the client area's, the place relative to the owner's client
// area (or the screen with DS_ABSALIGN; centred with DS_CENTER). The window
// is made hidden, with WS_EX_CONTROLPARENT unless it is a child. With a
// dialog procedure it hears WM_SETFONT (for a template font); its controls
// are made in template order, without WM_PARENTNOTIFY, each told the
// template font, and the last BS_DEFPUSHBUTTON among them becomes the
// default button (earlier ones lose the style). Then the procedure hears
// WM_INITDIALOG naming the control that would take the focus; answered
// TRUE, that control gets it (the dialog itself when it has no control),
// which activates the dialog while it is still hidden. A template with
// WS_VISIBLE is shown then, unless EndDialog has already ended the dialog.
#include "platform/dialogs/dialog_creation.h"

#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {
namespace {

HFONT fontOf(const DialogTemplate& t, bool& owned) {
  owned = (t.style & DS_SETFONT) != 0;
  if (!owned) return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  int height = -(t.pointSize * 96 + 36) / 72;
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, t.face.c_str());
}

DWORD exStyleOf(const DialogTemplate& t) {
  DWORD frame = (t.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0;
  DWORD holds = (t.style & WS_CHILD) ? 0 : WS_EX_CONTROLPARENT;
  return t.exStyle | frame | holds;
}

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

HWND createFrame(const DialogTemplate& t, HINSTANCE instance, HWND owner, SIZE base) {
  RECT r = windowRectOf(t, owner, base);
  LPCSTR className = t.className.empty() ? WC_DIALOG : t.className.c_str();
  DWORD style = t.style & ~WS_VISIBLE;
  return CreateWindowExA(exStyleOf(t), className, t.title.c_str(), style, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, owner, nullptr, instance, nullptr);
}

HWND createItem(HWND dialog, const DialogItem& item, HINSTANCE instance, const DialogState& state) {
  RECT r = pixelsOf(item.units, state.baseUnits);
  const void* data = item.creationData.empty() ? nullptr : item.creationData.data();
  HWND control = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), item.text.c_str(),
                                 item.style | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
                                 reinterpret_cast<HMENU>(static_cast<uintptr_t>(item.id)), instance,
                                 const_cast<void*>(data));
  if (control && state.ownsFont) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  return control;
}

// Only one control keeps BS_DEFPUSHBUTTON, the last made.
void noteDefaultButton(HWND control, HWND& defaultButton, DialogState& state) {
  if (!(SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) return;
  if (defaultButton) SendMessageA(defaultButton, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
  defaultButton = control;
  state.defaultId = static_cast<WORD>(GetDlgCtrlID(control));
}

bool createItems(HWND dialog, const DialogTemplate& t, HINSTANCE instance) {
  HWND defaultButton = nullptr;
  for (const DialogItem& item : t.items) {
    DialogState* state = dialogState(dialog);
    HWND control = state ? createItem(dialog, item, instance, *state) : nullptr;
    if (!control || !IsWindow(dialog)) return false;
    noteDefaultButton(control, defaultButton, *state);
  }
  return true;
}

void initialise(HWND dialog, const DialogTemplate& t, LPARAM param) {
  HWND first = firstFocusOf(dialog);
  if (!SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param)) return;
  DialogState* state = dialogState(dialog);
  if (!state || state->ended) return;
  // WM_INITDIALOG may have changed which control comes first.
  if (HWND control = firstFocusOf(dialog)) focusAndSelect(control);
  else if (!(t.style & WS_CHILD)) SetFocus(dialog);
}

// A window of the dialog class with its state set up; null when not.
HWND createWithState(const DialogTemplate& t, HINSTANCE instance, DialogOwner owner) {
  bool ownsFont = false;
  HFONT font = fontOf(t, ownsFont);
  SIZE base = baseUnitsOf(font);
  HWND dialog = createFrame(t, instance, owner.window, base);
  DialogState* state = dialog ? dialogState(dialog) : nullptr;
  if (state) {
    *state = {.font = font, .ownsFont = ownsFont, .baseUnits = base, .disabledOwner = owner.disabled};
    return dialog;
  }
  if (ownsFont) DeleteObject(font);
  if (dialog) DestroyWindow(dialog);
  return nullptr;
}

}  // namespace

HWND createDialog(const DialogTemplate& t, HINSTANCE instance, DialogOwner owner, DLGPROC procedure, LPARAM param) {
  HWND dialog = createWithState(t, instance, owner);
  if (!dialog) return nullptr;
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
  const DialogState& made = *dialogState(dialog);
  if (procedure && made.ownsFont) SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(made.font), FALSE);
  if (!IsWindow(dialog) || !createItems(dialog, t, instance)) {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return nullptr;
  }
  if (procedure) initialise(dialog, t, param);
  DialogState* state = dialogState(dialog);
  if (!state) return nullptr;
  if ((t.style & WS_VISIBLE) && !state->ended) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
  }
  return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace platform::dialogs
