// Buttons by style: what a click does to the check, what a dialog is told
// about them, radio groups, and what disabled and group-box buttons refuse.
#include "controls_fixture.h"

using msglog::pump;

namespace {

class Buttons : public ControlsTest {};

// Two clicks, then BM_SETCHECK asking for the indeterminate state, which
// only a three-state kind keeps.
TEST_F(Buttons, EachStyleChecksAsItsKindDoes) {
  const struct {
    DWORD style;
    UINT afterFirst, afterSecond, afterIndeterminate;
    LRESULT dialogCode;
  } cases[] = {
      {BS_PUSHBUTTON, 0, 0, BST_UNCHECKED, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
      {BS_DEFPUSHBUTTON, 0, 0, BST_UNCHECKED, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
      {BS_CHECKBOX, 0, 0, BST_CHECKED, DLGC_BUTTON},
      {BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED, BST_CHECKED, DLGC_BUTTON},
      {BS_RADIOBUTTON, 0, 0, BST_CHECKED, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_3STATE, 0, 0, BST_INDETERMINATE, DLGC_BUTTON},
      {BS_AUTO3STATE, BST_CHECKED, BST_INDETERMINATE, BST_INDETERMINATE, DLGC_BUTTON},
      {BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED, BST_CHECKED, DLGC_BUTTON | DLGC_RADIOBUTTON},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    HWND button = control(WC_BUTTONA, "b", c.style, 9, {10, 10, 110, 30});
    msglog::clear();
    clickAt(centreOf(button));
    pump();
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.afterFirst));
    clickAt(centreOf(button));
    pump();
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.afterSecond));
    EXPECT_EQ(notifications(button), (std::vector<WORD>{BN_CLICKED, BN_CLICKED}));
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), c.dialogCode);
    SendMessageA(button, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.afterIndeterminate));
    DestroyWindow(button);
  }
}

// Every radio button of the group is cleared, automatic or not; a radio
// button is a tab stop while it is checked.
TEST_F(Buttons, AnAutomaticRadioButtonClearsTheOthersOfItsGroupOnly) {
  HWND a = control(WC_BUTTONA, "a", BS_AUTORADIOBUTTON | WS_GROUP, 1, {10, 10, 60, 30});
  HWND b = control(WC_BUTTONA, "b", BS_AUTORADIOBUTTON, 2, {10, 40, 60, 60});
  HWND manual = control(WC_BUTTONA, "m", BS_RADIOBUTTON, 3, {10, 70, 60, 90});
  HWND c = control(WC_BUTTONA, "c", BS_AUTORADIOBUTTON | WS_GROUP, 4, {10, 100, 60, 120});
  for (HWND checked : {a, manual, c}) SendMessageA(checked, BM_SETCHECK, BST_CHECKED, 0);
  clickAt(centreOf(b));
  pump();
  for (HWND radio : {a, b, manual, c}) {
    LRESULT check = SendMessageA(radio, BM_GETCHECK, 0, 0);
    EXPECT_EQ(check, radio == b || radio == c ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ((GetWindowLongPtrA(radio, GWL_STYLE) & WS_TABSTOP) != 0, check == BST_CHECKED);
  }
}

// The walk round its group that the walk itself passes by comes to an end.
TEST_F(Buttons, AHiddenAutomaticRadioButtonClickedClearsItsGroup) {
  HWND shown = control(WC_BUTTONA, "s", BS_AUTORADIOBUTTON | WS_GROUP, 1, {10, 10, 60, 30});
  HWND hidden = control(WC_BUTTONA, "h", BS_AUTORADIOBUTTON, 2, {10, 40, 60, 60});
  ShowWindow(hidden, SW_HIDE);
  SendMessageA(shown, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(hidden, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(hidden, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(shown, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Buttons, DisabledButtonsAndGroupBoxesAreNotClicked) {
  HWND disabled = control(WC_BUTTONA, "d", BS_PUSHBUTTON | WS_DISABLED, 1, {10, 10, 60, 30});
  HWND group = control(WC_BUTTONA, "g", BS_GROUPBOX, 2, {10, 40, 200, 100});
  for (HWND b : {disabled, group}) {
    msglog::clear();
    clickAt(centreOf(b));
    pump();
    EXPECT_TRUE(notifications(b).empty());
    EXPECT_NE(GetFocus(), b);
  }
}

// A group box in front of its buttons, and a static control, answer
// HTTRANSPARENT: the point goes on to the window behind them.
TEST_F(Buttons, GroupBoxesAndStaticsLetThePointThroughToWhatIsBehind) {
  HWND group = control(WC_BUTTONA, "Group", BS_GROUPBOX, 1, {10, 10, 210, 110});
  HWND radio = control(WC_BUTTONA, "r", BS_AUTORADIOBUTTON, 2, {20, 40, 120, 60});
  HWND label = control(WC_STATICA, "label", SS_LEFT, 3, {10, 120, 110, 140});
  RECT groupRect;
  GetWindowRect(group, &groupRect);
  EXPECT_EQ(WindowFromPoint(centreOf(radio)), radio);
  EXPECT_EQ(WindowFromPoint({groupRect.left + 150, groupRect.top + 80}), main_);
  EXPECT_EQ(WindowFromPoint(centreOf(label)), main_);
  clickAt(centreOf(radio));
  pump();
  EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Buttons, StateReportsPushAndFocus) {
  HWND button = control(WC_BUTTONA, "p", BS_AUTOCHECKBOX, 1, {10, 10, 60, 30});
  SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  SetFocus(button);
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), BST_CHECKED | BST_PUSHED | BST_FOCUS);
  SetFocus(main_);
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), BST_CHECKED);
}

// With BS_NOTIFY a button tells its parent when it gains and loses the
// focus; without, it does not.
TEST_F(Buttons, NotifyingButtonsReportTheirFocus) {
  HWND notifying = control(WC_BUTTONA, "n", BS_PUSHBUTTON | BS_NOTIFY, 1, {10, 10, 60, 30});
  HWND quiet = control(WC_BUTTONA, "q", BS_PUSHBUTTON, 2, {10, 40, 60, 60});
  SetFocus(notifying);
  SetFocus(quiet);
  SetFocus(main_);
  pump();
  EXPECT_EQ(notifications(notifying), (std::vector<WORD>{BN_SETFOCUS, BN_KILLFOCUS}));
  EXPECT_TRUE(notifications(quiet).empty());
}

}  // namespace
