// Modal dialogs from templates: what the dialog and its owner hear, where
// the focus goes, how the dialog is laid out, and how it ends.
#include "dialog_fixture.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

LPCSTR kSample = MAKEINTRESOURCE(100);
constexpr int kName = 101;

class Dialogs : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    owner_ = shownTopLevel();
  }

  INT_PTR run(HWND owner, DLGPROC procedure = recordingDialogProc, LPARAM param = 0) {
    announce(Role::Other);
    return DialogBoxParamA(GetModuleHandleA(nullptr), kSample, owner, procedure, param);
  }

  // A shown window, active as each test starts, for the dialogs to belong to.
  HWND owner_ = nullptr;
};

// The open dialog: the active window while a dialog runs.
HWND openDialog() { return GetActiveWindow(); }

// The owner is disabled before the dialog is made; WM_INITDIALOG's TRUE
// gives the first tab stop the focus, which activates the dialog before it
// is shown; the dialog shows when its queue first runs dry. Ending, it
// enables the owner, takes the focus to itself, hides, and the owner,
// activated again, takes the focus from the dialog.
TEST_F(Dialogs, OpenedAndClosedWithEnter) {
  HWND dialog = nullptr;
  whenIdle([&dialog] {
    dialog = openDialog();
    headless::pressKey(VK_RETURN);
  });
  EXPECT_EQ(run(owner_, recordingDialogProc, 42), IDOK);
  const unsigned O = Sent;
  const auto lost = reinterpret_cast<WPARAM>(dialog);
  EXPECT_SEQUENCE({WM_CANCELMODE, O}, {WM_KILLFOCUS, O | WParam, 0}, {WM_ENABLE, O | WParam, FALSE},
                  {WM_SETFONT, O, 0, 0, Role::Other}, {WM_INITDIALOG, O | LParam, 0, 42, Role::Other},
                  {WM_NCACTIVATE, O | WParam, FALSE}, {WM_ACTIVATE, O | WParam, WA_INACTIVE},
                  {WM_NCACTIVATE, O | WParam, TRUE, 0, Role::Other}, {WM_ACTIVATE, O | WParam, WA_ACTIVE, 0, Role::Other},
                  {WM_COMMAND, O | WParam, MAKEWPARAM(kName, EN_SETFOCUS), 0, Role::Other},
                  {WM_SHOWWINDOW, O | WParam, TRUE, 0, Role::Other}, {WM_WINDOWPOSCHANGING, O, 0, 0, Role::Other},
                  {WM_NCPAINT, O | WParam, 1, 0, Role::Other}, {WM_ERASEBKGND, O, 0, 0, Role::Other},
                  {WM_CTLCOLORDLG, O, 0, 0, Role::Other}, {WM_WINDOWPOSCHANGED, O, 0, 0, Role::Other},
                  {WM_ENTERIDLE, O | WParam, MSGF_DIALOGBOX}, {DM_GETDEFID, O, 0, 0, Role::Other},
                  {WM_COMMAND, O | WParam, MAKEWPARAM(IDOK, BN_CLICKED), 0, Role::Other}, {WM_ENABLE, O | WParam, TRUE},
                  {WM_COMMAND, O | WParam, MAKEWPARAM(kName, EN_KILLFOCUS), 0, Role::Other},
                  {WM_SETFOCUS, O, 0, 0, Role::Other}, {WM_WINDOWPOSCHANGING, O, 0, 0, Role::Other},
                  {WM_WINDOWPOSCHANGED, O, 0, 0, Role::Other}, {WM_NCACTIVATE, O | WParam, FALSE, 0, Role::Other},
                  {WM_ACTIVATE, O | WParam, WA_INACTIVE, 0, Role::Other}, {WM_NCACTIVATE, O | WParam, TRUE},
                  {WM_ACTIVATE, O | WParam, WA_ACTIVE}, {WM_KILLFOCUS, O, 0, 0, Role::Other},
                  {WM_SETFOCUS, O | WParam, lost}, {WM_DESTROY, O, 0, 0, Role::Other},
                  {WM_NCDESTROY, O, 0, 0, Role::Other});
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_EQ(GetActiveWindow(), owner_);
  EXPECT_EQ(GetFocus(), owner_);
}

// Nothing shows, nothing is activated: the owner is enabled again and the
// dialog destroyed. (Hiding the hidden dialog may or may not tell it.)
TEST_F(Dialogs, EndDialogInsideInitDialogEndsItBeforeItIsShown) {
  auto endAtOnce = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    INT_PTR answer = recordingDialogProc(dialog, message, wParam, lParam);
    if (message == WM_INITDIALOG) EndDialog(dialog, 7);
    return answer;
  };
  EXPECT_EQ(run(owner_, endAtOnce), 7);
  const unsigned O = Sent;
  EXPECT_SEQUENCE({WM_CANCELMODE, O}, {WM_KILLFOCUS, O}, {WM_ENABLE, O | WParam, FALSE},
                  {WM_SETFONT, O, 0, 0, Role::Other}, {WM_INITDIALOG, O, 0, 0, Role::Other},
                  {WM_ENABLE, O | WParam, TRUE}, {WM_WINDOWPOSCHANGING, O | Optional, 0, 0, Role::Other},
                  {WM_WINDOWPOSCHANGED, O | Optional, 0, 0, Role::Other}, {WM_DESTROY, O, 0, 0, Role::Other},
                  {WM_NCDESTROY, O, 0, 0, Role::Other});
}

struct InitialFocus {
  BOOL answer;
  int focusedByProcedure;  // 0: none
};
InitialFocus initialFocus;

INT_PTR CALLBACK focusingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG) return recordingDialogProc(dialog, message, wParam, lParam);
  SetDlgItemTextA(dialog, kName, "abc");
  if (initialFocus.focusedByProcedure) SetFocus(GetDlgItem(dialog, initialFocus.focusedByProcedure));
  return initialFocus.answer;
}

// TRUE: the first tab stop, an edit's text all selected; FALSE: where the
// procedure put it, or nowhere.
TEST_F(Dialogs, WmInitDialogsAnswerDecidesTheFocus) {
  const struct {
    InitialFocus init;
    int focused;
  } cases[] = {{{TRUE, 0}, kName}, {{FALSE, IDCANCEL}, IDCANCEL}, {{FALSE, 0}, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focused);
    initialFocus = c.init;
    whenIdle([&c] {
      HWND focus = GetFocus();
      EXPECT_EQ(focus ? GetDlgCtrlID(focus) : 0, c.focused);
      if (c.focused == kName) {
        EXPECT_EQ(SendMessageA(focus, EM_GETSEL, 0, 0), MAKELONG(0, 3));
      }
      EndDialog(openDialog(), IDCANCEL);
    });
    EXPECT_EQ(run(owner_, focusingProc), IDCANCEL);
  }
}

// An owner that gives its control the focus when it is activated, as the
// framework's windows do: a recording window subclassed.
WNDPROC recorderProc;

LRESULT CALLBACK focusKeepingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_ACTIVATE || LOWORD(wParam) == WA_INACTIVE)
    return CallWindowProcA(recorderProc, hwnd, message, wParam, lParam);
  SetFocus(GetWindow(hwnd, GW_CHILD));
  return 0;
}

TEST_F(Dialogs, TheOwnersControlGetsTheFocusBackFromTheDialog) {
  HWND control = child(owner_, 1, 10, 10, 50, 20);
  recorderProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(focusKeepingProc)));
  SetFocus(control);
  HWND dialog = nullptr;
  whenIdle([&dialog] {
    dialog = openDialog();
    headless::pressKey(VK_ESCAPE);
  });
  keepOnly({WM_SETFOCUS, WM_KILLFOCUS});
  clear();
  EXPECT_EQ(run(owner_), IDCANCEL);
  EXPECT_SEQUENCE({WM_KILLFOCUS, Sent | WParam, 0, 0, Role::Child}, {WM_SETFOCUS, Sent, 0, 0, Role::Other},
                  {WM_KILLFOCUS, Sent | WParam, reinterpret_cast<WPARAM>(control), 0, Role::Other},
                  {WM_SETFOCUS, Sent | WParam, reinterpret_cast<WPARAM>(dialog), 0, Role::Child});
  EXPECT_EQ(GetActiveWindow(), owner_);
  EXPECT_EQ(GetFocus(), control);
}

TEST_F(Dialogs, EscapeAndClosingAnswerCancel) {
  whenIdle([] { headless::pressKey(VK_ESCAPE); });
  EXPECT_EQ(run(owner_), IDCANCEL);
  whenIdle([] { headless::requestClose(openDialog()); });
  EXPECT_EQ(run(owner_), IDCANCEL);
}

TEST_F(Dialogs, TabMovesThroughTheTabStopsInTemplateOrder) {
  std::vector<int> focused;
  const std::pair<UINT, UINT> presses[] = {
      {0, VK_TAB}, {0, VK_TAB}, {VK_SHIFT, VK_TAB}, {VK_SHIFT, VK_TAB}, {0, VK_RETURN}};
  for (const auto& press : presses)
    whenIdle([&focused, press] {
      focused.push_back(GetDlgCtrlID(GetFocus()));
      press.first ? pressWith(press.first, press.second) : headless::pressKey(press.second);
    });
  EXPECT_EQ(run(owner_), IDOK);
  EXPECT_EQ(focused, (std::vector<int>{kName, IDOK, IDCANCEL, IDOK, kName}));
}

TEST_F(Dialogs, ControlsAreLaidOutInDialogUnitsOfTheFont) {
  whenIdle([] {
    HWND dialog = openDialog();
    HWND ok = GetDlgItem(dialog, IDOK);
    RECT expected{50, 60, 100, 74};
    MapDialogRect(dialog, &expected);
    RECT actual;
    GetWindowRect(ok, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_TRUE(EqualRect(&actual, &expected));
    EXPECT_GT(expected.right - expected.left, 50);
    RECT client;
    GetClientRect(dialog, &client);
    RECT size{0, 0, 160, 80};
    MapDialogRect(dialog, &size);
    EXPECT_TRUE(EqualRect(&client, &size));
    EXPECT_NE(SendMessageA(ok, WM_GETFONT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(ok, WM_GETFONT, 0, 0), SendMessageA(dialog, WM_GETFONT, 0, 0));
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
    headless::pressKey(VK_ESCAPE);
  });
  run(owner_);
}

INT_PTR CALLBACK namingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetDlgItemTextA(dialog, kName, reinterpret_cast<LPCSTR>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND || LOWORD(wParam) != IDOK) return FALSE;
  char text[32];
  GetDlgItemTextA(dialog, kName, text, sizeof text);
  EndDialog(dialog, atoi(text));
  return TRUE;
}

TEST_F(Dialogs, TheProcedureFillsAndReadsItsControls) {
  whenIdle([] {
    headless::typeText("7");
    headless::pressKey(VK_RETURN);
  });
  EXPECT_EQ(run(owner_, namingProc, reinterpret_cast<LPARAM>("6")), 7);
}

TEST_F(Dialogs, QuitEndsTheDialogAndIsAskedForAgain) {
  whenIdle([] { PostQuitMessage(3); });
  EXPECT_EQ(run(owner_), 0);
  EXPECT_TRUE(IsWindowEnabled(owner_));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Dialogs, BadTemplatesAndOwnersFail) {
  EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(999), owner_, recordingDialogProc, 0), -1);
  EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCE(24991), owner_, recordingDialogProc, 0), -1);
  HWND gone = topLevel(0, 0, 10, 10);
  DestroyWindow(gone);
  EXPECT_EQ(run(gone), 0);
  EXPECT_FALSE(EndDialog(owner_, 1));
  EXPECT_TRUE(IsWindowEnabled(owner_));
  // A dialog its procedure destroys fails too, and leaves its owner enabled.
  auto destroyAtOnce = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    return message == WM_INITDIALOG && DestroyWindow(dialog);
  };
  EXPECT_EQ(run(owner_, destroyAtOnce), -1);
  EXPECT_TRUE(IsWindowEnabled(owner_));
}

std::vector<bool> shownAtMessage;

// The timer is due before the dialog's loop first reads the queue.
INT_PTR CALLBACK timerProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetTimer(dialog, 1, 10, nullptr);
    Sleep(20);
  }
  if (message != WM_TIMER && message != WM_USER + 2) return message == WM_INITDIALOG;
  shownAtMessage.push_back(IsWindowVisible(dialog));
  if (message == WM_USER + 2) return EndDialog(dialog, IDOK);
  KillTimer(dialog, 1);
  return PostMessageA(dialog, WM_USER + 2, 0, 0);
}

// A queue that never runs dry shows the dialog after its first WM_TIMER.
TEST_F(Dialogs, ADialogBusyWithATimerShowsAfterTheFirstTick) {
  shownAtMessage.clear();
  EXPECT_EQ(run(owner_, timerProc), IDOK);
  EXPECT_EQ(shownAtMessage, (std::vector<bool>{false, true}));
}

TEST_F(Dialogs, AnIndirectTemplateFromMemory) {
  LPCDLGTEMPLATEA centred = compiled(
      "dialog x=0 y=0 width=100 height=40\n"
      "style WS_POPUP DS_CENTER\n"
      "control Button id=2 x=5 y=5 width=40 height=14 text=\"Stop\" style=WS_TABSTOP\n");
  whenIdle([] {
    RECT r;
    GetWindowRect(openDialog(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    headless::pressKey(VK_ESCAPE);
  });
  announce(Role::Other);
  EXPECT_EQ(DialogBoxIndirectParamA(nullptr, centred, owner_, recordingDialogProc, 0), IDCANCEL);
}

// A window of views, each a WS_EX_CONTROLPARENT child holding controls, is
// worked like a dialog: the views' controls are in the tab order in their
// place; a hidden view's are not.
TEST_F(Dialogs, TabGoesIntoChildrenThatHoldControls) {
  SetWindowLongPtrA(owner_, GWL_EXSTYLE, GetWindowLongPtrA(owner_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  auto make = [](const char* className, DWORD exStyle, DWORD style, HWND parent, int y) {
    return CreateWindowExA(exStyle, className, "", WS_CHILD | style, 10, y, 80, 20, parent, nullptr, nullptr, nullptr);
  };
  HWND first = make(WC_EDITA, 0, WS_VISIBLE | WS_TABSTOP, owner_, 10);
  HWND view = make(recorderClass(), WS_EX_CONTROLPARENT, WS_VISIBLE, owner_, 40);
  HWND inner = make(recorderClass(), WS_EX_CONTROLPARENT, WS_VISIBLE, view, 0);
  HWND deep = make(WC_BUTTONA, 0, WS_VISIBLE | WS_TABSTOP, inner, 0);
  HWND second = make(WC_EDITA, 0, WS_VISIBLE | WS_TABSTOP, view, 30);
  HWND hidden = make(recorderClass(), WS_EX_CONTROLPARENT, 0, owner_, 80);
  make(WC_BUTTONA, 0, WS_VISIBLE | WS_TABSTOP, hidden, 0);
  HWND last = make(WC_BUTTONA, 0, WS_VISIBLE | WS_TABSTOP, owner_, 110);
  EXPECT_EQ(GetNextDlgTabItem(owner_, nullptr, FALSE), first);
  EXPECT_EQ(GetNextDlgTabItem(owner_, first, FALSE), deep);
  EXPECT_EQ(GetNextDlgTabItem(owner_, deep, FALSE), second);
  EXPECT_EQ(GetNextDlgTabItem(owner_, second, FALSE), last);
  EXPECT_EQ(GetNextDlgTabItem(owner_, last, FALSE), first);
  EXPECT_EQ(GetNextDlgTabItem(owner_, first, TRUE), last);
  EXPECT_EQ(GetNextDlgTabItem(owner_, deep, TRUE), first);
  EXPECT_EQ(GetNextDlgTabItem(owner_, view, FALSE), last);
  EXPECT_EQ(GetNextDlgTabItem(owner_, view, TRUE), first);

  SetFocus(first);
  settle();
  std::vector<HWND> focused;
  for (int i = 0; i < 3; ++i) {
    headless::pressKey(VK_TAB);
    pump([this](MSG& msg) { return IsDialogMessageA(owner_, &msg) != FALSE; });
    focused.push_back(GetFocus());
  }
  EXPECT_EQ(focused, (std::vector<HWND>{deep, second, last}));
}

}  // namespace
