// Modeless dialogs: made and returned at once, shown and activated with
// the focus on their first tab stop, ended by DestroyWindow.
#include "dialog_fixture.h"

using namespace msglog;

namespace {

constexpr int kField = 101;

constexpr char kVisibleFields[] = R"(dialog x=10 y=10 width=160 height=80
style WS_POPUP WS_VISIBLE WS_CAPTION
font 8 "MS Sans Serif"
control Static id=100 x=5 y=5 width=150 height=10 text="Name:"
control Edit id=101 x=5 y=18 width=100 height=12 text="abc" style=WS_TABSTOP
control Button id=1 x=50 y=60 width=50 height=14 text="OK" style=BS_DEFPUSHBUTTON|WS_TABSTOP
)";

using ModelessDialogs = DialogTest;

// The owner stays enabled; it loses the activation and the focus to the
// dialog before the dialog shows.
TEST_F(ModelessDialogs, CreatedShownAndActivatedWithTheFocusOnTheFirstTabStop) {
  HWND owner = shownTopLevel();
  keepOnly({WM_ENABLE, WM_INITDIALOG, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_COMMAND, WM_SHOWWINDOW});
  HWND dialog = modeless(kVisibleFields, recordingDialogProc, owner);
  HWND field = GetDlgItem(dialog, kField);
  const unsigned O = Sent;
  EXPECT_SEQUENCE({WM_INITDIALOG, O | WParam, reinterpret_cast<WPARAM>(field), 0, Role::Other},
                  {WM_NCACTIVATE, O | WParam, FALSE}, {WM_ACTIVATE, O | WParam, WA_INACTIVE},
                  {WM_NCACTIVATE, O | WParam, TRUE, 0, Role::Other}, {WM_ACTIVATE, O | WParam, WA_ACTIVE, 0, Role::Other},
                  {WM_KILLFOCUS, O | WParam, reinterpret_cast<WPARAM>(field)},
                  {WM_COMMAND, O | WParam, MAKEWPARAM(kField, EN_SETFOCUS), 0, Role::Other},
                  {WM_SHOWWINDOW, O | WParam, TRUE, 0, Role::Other});
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), dialog);
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(SendMessageA(field, EM_GETSEL, 0, 0), MAKELONG(0, 3));
}

// Deactivated, a dialog remembers which control had the focus and gives it
// back to that control when activated again. Destroyed, it gives the
// activation and the focus back to its owner.
TEST_F(ModelessDialogs, DestroyWindowReturnsActivationAndFocusToTheOwner) {
  HWND owner = shownTopLevel();
  HWND dialog = modeless(kVisibleFields, recordingDialogProc, owner);
  HWND field = GetDlgItem(dialog, kField), ok = GetDlgItem(dialog, IDOK);
  SetFocus(ok);
  SetActiveWindow(owner);
  EXPECT_EQ(GetFocus(), owner);
  SetActiveWindow(dialog);
  EXPECT_EQ(GetFocus(), ok);
  SetFocus(field);
  keepOnly({WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_DESTROY});
  clear();
  DestroyWindow(dialog);
  const unsigned O = Sent;
  EXPECT_SEQUENCE({WM_NCACTIVATE, O | WParam, FALSE, 0, Role::Other},
                  {WM_ACTIVATE, O | WParam, WA_INACTIVE, 0, Role::Other}, {WM_NCACTIVATE, O | WParam, TRUE},
                  {WM_ACTIVATE, O | WParam, WA_ACTIVE}, {WM_SETFOCUS, O | WParam, reinterpret_cast<WPARAM>(field)},
                  {WM_DESTROY, O, 0, 0, Role::Other});
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), owner);
}

// WM_SETFONT does not replace the dialog's font: the one it made stays, and
// the program's is not freed with the dialog.
TEST_F(ModelessDialogs, WmSetFontLeavesTheDialogItsOwnFont) {
  HWND dialog = modeless(kVisibleFields);
  LRESULT own = SendMessageA(dialog, WM_GETFONT, 0, 0);
  HFONT font = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Sans");
  SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  EXPECT_EQ(SendMessageA(dialog, WM_GETFONT, 0, 0), own);
  DestroyWindow(dialog);
  EXPECT_TRUE(DeleteObject(font));
}

// The sample template has no WS_VISIBLE: its dialog is made hidden. A
// missing template or a destroyed owner makes none.
TEST_F(ModelessDialogs, CreateDialogParamAMakesTheResourcesDialog) {
  HWND gone = topLevel(0, 0, 10, 10);
  DestroyWindow(gone);
  const struct {
    int name;
    HWND owner;
    bool made;
  } cases[] = {{100, nullptr, true}, {999, nullptr, false}, {100, gone, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(c.name), c.owner,
                                     recordingDialogProc, 0);
    EXPECT_EQ(dialog != nullptr, c.made);
    if (!dialog) continue;
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_NE(GetDlgItem(dialog, kField), nullptr);
    DestroyWindow(dialog);
  }
}

// Without a control to take it, the focus goes to the dialog itself.
TEST_F(ModelessDialogs, ADialogWithoutControlsTakesTheFocusItself) {
  HWND dialog = modeless(R"(dialog x=10 y=10 width=100 height=40
style WS_POPUP WS_VISIBLE WS_CAPTION
caption "Empty"
)");
  EXPECT_EQ(GetFocus(), dialog);
}

// A control of a class nobody registered, or a procedure that destroys the
// dialog while it starts, leaves no dialog.
TEST_F(ModelessDialogs, ADialogThatCannotBeMadeWholeIsNotReturned) {
  const auto destroyAtOnce = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    return message == WM_INITDIALOG && DestroyWindow(dialog);
  };
  const struct {
    const char* name;
    const char* source;
    DLGPROC procedure;
  } cases[] = {
      {"unknown class",
       "dialog x=0 y=0 width=80 height=40\nstyle WS_POPUP\ncontrol NoSuchClass id=5 x=0 y=0 width=20 height=10\n",
       recordingDialogProc},
      {"destroyed at once", kVisibleFields, destroyAtOnce},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CreateDialogIndirectParamA(nullptr, compiled(c.source), nullptr, c.procedure, 0), nullptr);
  }
}

}  // namespace
