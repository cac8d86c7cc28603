// What the parent of a control hears, in order, when the user works it.
#include "controls_fixture.h"

using namespace msglog;

namespace {

class ControlSequence : public ControlsTest {};

// A control taking the focus draws itself at once, asking its parent for
// colours before it tells of the focus or the click.
TEST_F(ControlSequence, ClickOnAPushButton) {
  HWND button = control(WC_BUTTONA, "Go", BS_PUSHBUTTON, 5, {10, 10, 70, 30});
  settle();
  clickAt(centreOf(button));
  pump();
  EXPECT_SEQUENCE({WM_SETCURSOR, Sent | WParam | LParam, handleWParam(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)},
                  {WM_PARENTNOTIFY, Sent | WParam | LParam, MAKEWPARAM(WM_LBUTTONDOWN, 0), MAKELPARAM(40, 20)},
                  {WM_SETCURSOR, Sent | WParam | LParam, handleWParam(button), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)},
                  {WM_KILLFOCUS, Sent | WParam, handleWParam(button)},
                  {WM_CTLCOLORBTN, Sent | LParam, 0, handleParam(button)},
                  {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(5, BN_CLICKED), handleParam(button)},
                  {WM_CTLCOLORBTN, Sent | LParam, 0, handleParam(button)});
  EXPECT_EQ(GetFocus(), button);
}

// A held button comes back up without a click when the pointer leaves it
// before the release, or when another window takes the capture.
TEST_F(ControlSequence, AHeldButtonLeftOrRobbedOfTheCaptureIsNotClicked) {
  const struct {
    const char* name;
    void (*interrupt)(HWND main, POINT& release);
    HWND captureAfter;
  } ways[] = {
      {"released outside",
       [](HWND, POINT& release) {
         release.x += 100;
         platform::headless::moveMouse(release.x, release.y);
       },
       nullptr},
      {"capture taken", [](HWND main, POINT&) { SetCapture(main); }, main_},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    HWND button = control(WC_BUTTONA, "Go", BS_PUSHBUTTON, 5, {10, 10, 70, 30});
    POINT p = centreOf(button);
    platform::headless::pressButton(p.x, p.y);
    pump();
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    way.interrupt(main_, p);
    pump();
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    platform::headless::releaseButton(p.x, p.y);
    pump();
    EXPECT_TRUE(notifications(button).empty());
    EXPECT_EQ(GetCapture(), way.captureAfter);
    ReleaseCapture();
    DestroyWindow(button);
  }
}

TEST_F(ControlSequence, SpaceBarClicksTheFocusedButton) {
  HWND button = control(WC_BUTTONA, "Go", BS_PUSHBUTTON, 5, {10, 10, 70, 30});
  SetFocus(button);
  settle();
  platform::headless::keyDown(VK_SPACE);
  pump();
  EXPECT_TRUE(notifications(button).empty());
  platform::headless::keyUp(VK_SPACE);
  pump();
  EXPECT_EQ(notifications(button), std::vector<WORD>{BN_CLICKED});
}

TEST_F(ControlSequence, BmClickPressesTheButtonAsTheMouseDoes) {
  const struct {
    DWORD style;
    LRESULT check;
    UINT colours;
  } cases[] = {{BS_PUSHBUTTON, BST_UNCHECKED, WM_CTLCOLORBTN},
               {BS_AUTOCHECKBOX, BST_CHECKED, WM_CTLCOLORSTATIC},
               {BS_AUTORADIOBUTTON, BST_CHECKED, WM_CTLCOLORSTATIC}};
  HWND edit = control(WC_EDITA, "text", 0, 1, {10, 10, 110, 32});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    HWND button = control(WC_BUTTONA, "Go", c.style, 5, {10, 40, 110, 60});
    SetFocus(edit);
    settle();
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(1, EN_KILLFOCUS), handleParam(edit)},
                    {c.colours, Sent | LParam, 0, handleParam(button)},
                    {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(5, BN_CLICKED), handleParam(button)});
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), c.check);
    DestroyWindow(button);
  }
}

TEST_F(ControlSequence, OnlyPushButtonsAskForButtonColours) {
  const struct {
    DWORD style;
    UINT asks;
  } cases[] = {{BS_PUSHBUTTON, WM_CTLCOLORBTN},       {BS_DEFPUSHBUTTON, WM_CTLCOLORBTN},
               {BS_CHECKBOX, WM_CTLCOLORSTATIC},      {BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC},
               {BS_RADIOBUTTON, WM_CTLCOLORSTATIC},   {BS_3STATE, WM_CTLCOLORSTATIC},
               {BS_AUTO3STATE, WM_CTLCOLORSTATIC},    {BS_AUTORADIOBUTTON, WM_CTLCOLORSTATIC},
               {BS_GROUPBOX, WM_CTLCOLORSTATIC}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    HWND button = control(WC_BUTTONA, "b", c.style, 9, {10, 10, 110, 40});
    msglog::clear();
    UpdateWindow(button);
    EXPECT_SEQUENCE({c.asks, Sent | LParam, 0, handleParam(button)});
    DestroyWindow(button);
    settle();
  }
}

TEST_F(ControlSequence, ClickAndTypingInANumberEdit) {
  HWND edit = control(WC_EDITA, "", ES_NUMBER | ES_AUTOHSCROLL, 7, {10, 10, 110, 32}, WS_EX_CLIENTEDGE);
  settle();
  clickAt(centreOf(edit));
  platform::headless::typeText("4a2");
  pump();
  WPARAM id = 7;
  EXPECT_SEQUENCE({WM_SETCURSOR, Sent | LParam, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)},
                  {WM_PARENTNOTIFY, Sent | WParam, MAKEWPARAM(WM_LBUTTONDOWN, 0)},
                  {WM_SETCURSOR, Sent | LParam, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)},
                  {WM_KILLFOCUS, Sent | WParam, handleWParam(edit)},
                  {WM_CTLCOLOREDIT, Sent | LParam, 0, handleParam(edit)},
                  {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(id, EN_SETFOCUS), handleParam(edit)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(id, EN_UPDATE)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(id, EN_CHANGE)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(id, EN_UPDATE)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(id, EN_CHANGE)},
                  {WM_CTLCOLOREDIT, Sent | LParam, 0, handleParam(edit)});
  EXPECT_EQ(textOf(edit), "42");
}

TEST_F(ControlSequence, AnEditAtItsLimitTakesWhatHasRoomAndSaysItIsFull) {
  HWND edit = control(WC_EDITA, "", ES_AUTOHSCROLL, 3, {10, 10, 110, 32});
  SendMessageA(edit, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 3);
  SetFocus(edit);
  settle();
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("12345"));
  EXPECT_EQ(textOf(edit), "123");
  platform::headless::typeText("6");
  pump();
  EXPECT_EQ(textOf(edit), "123");
  EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(3, EN_MAXTEXT), handleParam(edit)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(3, EN_UPDATE)}, {WM_COMMAND, Sent | WParam, MAKEWPARAM(3, EN_CHANGE)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(3, EN_MAXTEXT)}, {WM_COMMAND, Sent | WParam, MAKEWPARAM(3, EN_UPDATE)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(3, EN_CHANGE)}, {WM_CTLCOLOREDIT, Sent | Optional});
}

TEST_F(ControlSequence, AMultiLineEditWithoutRoomForALineSaysItIsFull) {
  HWND edit = control(WC_EDITA, "one", ES_MULTILINE, 4, {10, 10, 110, 32});
  settle();
  SendMessageA(edit, EM_SETSEL, 3, 3);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\r\ntwo\r\nthree\r\nfour"));
  EXPECT_EQ(textOf(edit), "one");
  EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam, MAKEWPARAM(4, EN_MAXTEXT)}, {WM_COMMAND, Sent | WParam, MAKEWPARAM(4, EN_UPDATE)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(4, EN_CHANGE)});
}

TEST_F(ControlSequence, UndoReportsItsChangeAndTheSelectionAfterIt) {
  HWND edit = control(WC_EDITA, "abc", ES_AUTOHSCROLL, 6, {10, 10, 110, 32});
  SendMessageA(edit, EM_SETSEL, 3, 3);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("d"));
  settle();
  EXPECT_EQ(SendMessageA(edit, EM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(textOf(edit), "abc");
  EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(6, EN_UPDATE), handleParam(edit)},
                  {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(6, EN_CHANGE), handleParam(edit)},
                  {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(6, EN_CHANGE), handleParam(edit)});
}

TEST_F(ControlSequence, UndoWithNothingToUndoAnswersAsTheKindOfEditDoes) {
  HWND single = control(WC_EDITA, "abc", ES_AUTOHSCROLL, 1, {10, 10, 110, 32});
  HWND multi = control(WC_EDITA, "abc", ES_MULTILINE, 2, {10, 40, 110, 90});
  HWND readOnly = control(WC_EDITA, "abc", ES_READONLY | ES_AUTOHSCROLL, 3, {10, 100, 110, 122});
  settle();
  EXPECT_EQ(SendMessageA(single, EM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(SendMessageA(readOnly, WM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(SendMessageA(multi, EM_UNDO, 0, 0), FALSE);
  EXPECT_SEQUENCE();
}

// The edit losing the focus takes its caret away without drawing anew;
// the one taking it draws itself at once. Nothing is left to paint.
TEST_F(ControlSequence, FocusMovesBetweenTwoEdits) {
  HWND first = control(WC_EDITA, "one", 0, 1, {10, 10, 110, 32});
  HWND second = control(WC_EDITA, "two", 0, 2, {10, 40, 110, 62});
  SetFocus(first);
  settle();
  SetFocus(second);
  pump();
  EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(1, EN_KILLFOCUS), handleParam(first)},
                  {WM_CTLCOLOREDIT, Sent | LParam, 0, handleParam(second)},
                  {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(2, EN_SETFOCUS), handleParam(second)});
}

TEST_F(ControlSequence, SettingTextNotifiesLikeTyping) {
  HWND single = control(WC_EDITA, "", 0, 1, {10, 10, 110, 32});
  HWND multi = control(WC_EDITA, "", ES_MULTILINE, 2, {10, 40, 110, 90});
  settle();
  SetWindowTextA(single, "62");
  SetWindowTextA(multi, "62");
  EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam, MAKEWPARAM(1, EN_UPDATE)}, {WM_COMMAND, Sent | WParam, MAKEWPARAM(1, EN_CHANGE)},
                  {WM_COMMAND, Sent | WParam, MAKEWPARAM(2, EN_UPDATE)});
}

}  // namespace
