// The dialog manager's keyboard interface: the arrow keys within a group,
// the default push button following the focus, Enter, WM_NEXTDLGCTL, what
// the controls answer to WM_GETDLGCODE, and the tab and group orders at
// their edges.
#include "dialog_fixture.h"

using namespace msglog;

namespace {

constexpr int kEdit = 10, kOne = 11, kTwo = 12, kThree = 13, kBox = 14;

// Radio buttons One to Three make a group between the edit and the check
// box; OK is the default button.
constexpr char kChoices[] = R"(dialog x=0 y=0 width=200 height=120
style WS_POPUP WS_VISIBLE WS_CAPTION
font 8 "MS Sans Serif"
control Edit id=10 x=5 y=5 width=80 height=12 text="text" style=WS_TABSTOP|WS_GROUP
control Button id=11 x=5 y=20 width=80 height=10 text="One" style=BS_AUTORADIOBUTTON|WS_GROUP
control Button id=12 x=5 y=32 width=80 height=10 text="Two" style=BS_AUTORADIOBUTTON
control Button id=13 x=5 y=44 width=80 height=10 text="Three" style=BS_AUTORADIOBUTTON
control Button id=14 x=5 y=56 width=80 height=10 text="Box" style=BS_AUTOCHECKBOX|WS_GROUP|WS_TABSTOP
control Button id=1 x=100 y=90 width=40 height=14 text="OK" style=BS_DEFPUSHBUTTON|WS_TABSTOP|WS_GROUP
control Button id=2 x=150 y=90 width=40 height=14 text="Cancel" style=WS_TABSTOP
)";

class DialogKeys : public DialogTest {
 protected:
  HWND choices() { return modeless(kChoices); }

  static void focus(HWND dialog, int id) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
  }

  static int focusedId() { return GetDlgCtrlID(GetFocus()); }

  static int checkedRadio(HWND dialog) {
    for (int id : {kOne, kTwo, kThree})
      if (SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED) return id;
    return 0;
  }

  static DWORD kindOf(HWND dialog, int id) { return GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK; }

  // The ids of the clicks the dialog heard.
  static std::vector<int> clicks() {
    std::vector<int> ids;
    for (WPARAM command : wParamsOf(WM_COMMAND))
      if (HIWORD(command) == BN_CLICKED) ids.push_back(LOWORD(command));
    return ids;
  }
};

TEST_F(DialogKeys, ArrowKeysMoveWithinTheGroupAndCheckTheRadioButtonTheyReach) {
  const struct {
    int from;
    UINT key;
    int hidden, disabled;
    int to;
  } cases[] = {
      {kOne, VK_DOWN, 0, 0, kTwo},   {kThree, VK_DOWN, 0, 0, kOne}, {kOne, VK_UP, 0, 0, kThree},
      {kOne, VK_RIGHT, kTwo, 0, kThree}, {kThree, VK_LEFT, 0, kTwo, kOne},
      {kBox, VK_DOWN, 0, 0, kBox},   // a group of one
      {kEdit, VK_DOWN, 0, 0, kEdit},  // an edit keeps the arrow keys
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from * 100 + c.key);
    HWND dialog = choices();
    if (c.hidden) ShowWindow(GetDlgItem(dialog, c.hidden), SW_HIDE);
    if (c.disabled) EnableWindow(GetDlgItem(dialog, c.disabled), FALSE);
    focus(dialog, c.from);
    pressIn(dialog, c.key);
    EXPECT_EQ(focusedId(), c.to);
    EXPECT_EQ(checkedRadio(dialog), c.to >= kOne && c.to <= kThree ? c.to : 0);
    DestroyWindow(dialog);
  }
}

// The radio button reports the focus it was given without a click, then
// the click that checks it.
TEST_F(DialogKeys, AnAutoRadioButtonReachedByAnArrowSendsItsClicks) {
  HWND dialog = choices();
  focus(dialog, kOne);
  SendDlgItemMessageA(dialog, kOne, BM_SETCHECK, BST_CHECKED, 0);
  keepOnly({WM_COMMAND});
  clear();
  pressIn(dialog, VK_DOWN);
  EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam, MAKEWPARAM(kTwo, BN_CLICKED), 0, Role::Other},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(kTwo, BN_CLICKED), 0, Role::Other});
}

// Tab lands on push buttons, which show BS_DEFPUSHBUTTON while they have
// the focus; elsewhere OK shows it, and stays the default throughout, until
// DM_SETDEFID names another.
TEST_F(DialogKeys, TheDefaultPushButtonFollowsTheFocus) {
  const struct {
    int focus;
    DWORD ok, cancel;
  } afterTab[] = {
      {kBox, BS_DEFPUSHBUTTON, BS_PUSHBUTTON},
      {IDOK, BS_DEFPUSHBUTTON, BS_PUSHBUTTON},
      {IDCANCEL, BS_PUSHBUTTON, BS_DEFPUSHBUTTON},
      {kEdit, BS_DEFPUSHBUTTON, BS_PUSHBUTTON},
  };
  HWND dialog = choices();
  for (const auto& step : afterTab) {
    SCOPED_TRACE(step.focus);
    pressIn(dialog, VK_TAB);
    EXPECT_EQ(focusedId(), step.focus);
    EXPECT_EQ(kindOf(dialog, IDOK), step.ok);
    EXPECT_EQ(kindOf(dialog, IDCANCEL), step.cancel);
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  }
  EXPECT_TRUE(SendMessageA(dialog, DM_SETDEFID, IDCANCEL, 0));
  EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDCANCEL, DC_HASDEFID));
  EXPECT_EQ(kindOf(dialog, IDOK), static_cast<DWORD>(BS_PUSHBUTTON));
  EXPECT_EQ(kindOf(dialog, IDCANCEL), static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST_F(DialogKeys, EnterPressesTheFocusedPushButtonElseTheDefaultOne) {
  const struct {
    int focus;
    WPARAM defaultId;  // 0: the template's
    bool okDisabled;
    std::vector<int> clicked;
  } cases[] = {
      {IDCANCEL, 0, false, {IDCANCEL}},
      {kEdit, 0, false, {IDOK}},
      {kEdit, IDCANCEL, false, {IDCANCEL}},
      {kBox, 0, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    HWND dialog = choices();
    if (c.defaultId) SendMessageA(dialog, DM_SETDEFID, c.defaultId, 0);
    if (c.okDisabled) EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    focus(dialog, c.focus);
    clear();
    pressIn(dialog, VK_RETURN);
    EXPECT_EQ(clicks(), c.clicked);
    DestroyWindow(dialog);
  }
}

// IsDialogMessageA works a window that is not a dialog too: Tab twice
// reaches Cancel, which Enter then presses.
TEST_F(DialogKeys, OutsideDialogsEnterPressesThePushButtonTabReached) {
  HWND window = shownTopLevel();
  auto button = [window](int id, DWORD style) {
    return CreateWindowExA(0, WC_BUTTONA, "", WS_CHILD | WS_VISIBLE | style, 0, id, 40, 20, window,
                           reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), nullptr, nullptr);
  };
  button(100, BS_DEFPUSHBUTTON | WS_TABSTOP);
  button(200, BS_PUSHBUTTON);
  HWND cancel = button(IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP);
  pressIn(window, VK_TAB);
  pressIn(window, VK_TAB);
  EXPECT_EQ(GetFocus(), cancel);
  clear();
  pressIn(window, VK_RETURN);
  EXPECT_EQ(clicks(), std::vector<int>{IDCANCEL});
}

// Controls that answer DLGC_HASSETSEL as edits do get EM_SETSEL before the
// focus, whichever way WM_NEXTDLGCTL names them, and from Tab.
TEST_F(DialogKeys, WmNextDlgCtlMovesTheFocusAsTabDoes) {
  recorderClass();
  answer(WM_GETDLGCODE, DLGC_HASSETSEL);
  HWND dialog = modeless(R"(dialog x=0 y=0 width=100 height=60
style WS_POPUP WS_VISIBLE
control Recorder id=21 x=5 y=5 width=80 height=12 style=WS_TABSTOP
control Recorder id=22 x=5 y=25 width=80 height=12 style=WS_TABSTOP
)",
                         recordingDialogProc, nullptr, Role::Main);
  HWND first = GetDlgItem(dialog, 21), second = GetDlgItem(dialog, 22);
  setRole(first, Role::Child);
  setRole(second, Role::Other);
  ASSERT_EQ(GetFocus(), first);
  keepOnly({WM_NEXTDLGCTL, EM_SETSEL, WM_KILLFOCUS, WM_SETFOCUS});
  clear();
  SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
  SendMessageA(dialog, WM_NEXTDLGCTL, 1, FALSE);
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(second), TRUE);
  pressIn(dialog, VK_TAB);
  const auto F = Sent | WParam | LParam;
  const auto toFirst = reinterpret_cast<WPARAM>(first), toSecond = reinterpret_cast<WPARAM>(second);
  EXPECT_SEQUENCE({WM_NEXTDLGCTL, F, 0, FALSE}, {EM_SETSEL, F, 0, -1, Role::Other},
                  {WM_KILLFOCUS, F, toSecond, 0, Role::Child}, {WM_SETFOCUS, F, toFirst, 0, Role::Other},
                  {WM_NEXTDLGCTL, F, 1, FALSE}, {EM_SETSEL, F, 0, -1, Role::Child},
                  {WM_KILLFOCUS, F, toFirst, 0, Role::Other}, {WM_SETFOCUS, F, toSecond, 0, Role::Child},
                  {WM_NEXTDLGCTL, F, toSecond, TRUE}, {EM_SETSEL, F, 0, -1, Role::Other},
                  {WM_KILLFOCUS, F, toSecond, 0, Role::Child}, {WM_SETFOCUS, F, toFirst, 0, Role::Other},
                  {WM_NEXTDLGCTL, F, 0, FALSE}, {EM_SETSEL, F, 0, -1, Role::Child},
                  {WM_KILLFOCUS, F, toFirst, 0, Role::Other}, {WM_SETFOCUS, F, toSecond, 0, Role::Child});
}

// The buttons that can be clicked answer as Buttons.EachStyleChecksAsItsKindDoes shows.
TEST_F(DialogKeys, ControlsAnswerWmGetDlgCodeAsWindowsDoes) {
  HWND parent = shownTopLevel();
  const struct {
    const char* className;
    DWORD style;
    LRESULT code;
  } cases[] = {
      {WC_EDITA, ES_AUTOHSCROLL, DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS},
      {WC_STATICA, SS_LEFT, DLGC_STATIC},
      {WC_BUTTONA, BS_GROUPBOX, DLGC_STATIC},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    HWND control = CreateWindowExA(0, c.className, "", WS_CHILD | WS_VISIBLE | c.style, 0, 0, 50, 20, parent, nullptr,
                                   nullptr, nullptr);
    EXPECT_EQ(SendMessageA(control, WM_GETDLGCODE, 0, 0), c.code);
    DestroyWindow(control);
  }
}

// Tab stops a, b, g; c and e disabled; d alone in its group; e and f a
// group with nothing enabled. Backwards from no control finds nothing.
TEST_F(DialogKeys, TabAndGroupOrdersAtTheirEdges) {
  HWND parent = topLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  const DWORD styles[] = {WS_GROUP | WS_TABSTOP, WS_TABSTOP,          WS_TABSTOP | WS_DISABLED, WS_GROUP,
                          WS_GROUP | WS_TABSTOP | WS_DISABLED, WS_DISABLED, WS_GROUP | WS_TABSTOP};
  std::vector<HWND> w;
  for (DWORD style : styles) w.push_back(child(parent, static_cast<int>(w.size()), 0, 0, 10, 10, WS_VISIBLE | style));
  HWND a = w[0], b = w[1], d = w[3], e = w[4], g = w[6];
  HWND outside = shownTopLevel();
  const struct {
    bool group;
    HWND from;
    BOOL previous;
    HWND found;
  } cases[] = {
      {false, nullptr, FALSE, a}, {false, nullptr, TRUE, nullptr}, {false, parent, FALSE, a},
      {false, parent, TRUE, nullptr}, {false, g, FALSE, a},        {false, a, TRUE, g},
      {false, b, FALSE, g},       {true, nullptr, FALSE, a},       {true, nullptr, TRUE, nullptr},
      {true, a, FALSE, b},        {true, b, FALSE, a},             {true, a, TRUE, b},
      {true, d, FALSE, d},        {true, e, FALSE, e},             {true, outside, FALSE, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.group << " from " << c.from << " previous " << c.previous);
    HWND found = c.group ? GetNextDlgGroupItem(parent, c.from, c.previous) : GetNextDlgTabItem(parent, c.from, c.previous);
    EXPECT_EQ(found, c.found);
  }
  for (HWND control : w) EnableWindow(control, FALSE);
  EXPECT_EQ(GetNextDlgTabItem(parent, nullptr, FALSE), nullptr);
  EXPECT_EQ(GetNextDlgTabItem(parent, b, FALSE), b);
}

}  // namespace
