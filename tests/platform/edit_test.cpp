// The edit control's behaviour: selections and their edges, typing rules,
// undo, the clipboard, scrolling, the mouse, multi-line text and password
// characters.
#include <cstring>
#include <functional>

#include "controls_fixture.h"
#include "platform/backend.h"

using msglog::pump;

namespace {

class Edits : public ControlsTest {
 protected:
  HWND edit(const char* text, DWORD style = ES_AUTOHSCROLL, RECT r = {10, 10, 130, 30}) {
    HWND e = control(WC_EDITA, text, style, 7, r, WS_EX_CLIENTEDGE, true);
    SetFocus(e);
    settle();
    return e;
  }

  static std::pair<DWORD, DWORD> selection(HWND e) {
    DWORD start = 0, end = 0;
    SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  static void press(UINT key, std::initializer_list<UINT> modifiers = {}) {
    for (UINT m : modifiers) platform::headless::keyDown(m);
    platform::headless::pressKey(key);
    for (UINT m : modifiers) platform::headless::keyUp(m);
    pump();
  }

  static void type(const char* text) {
    platform::headless::typeText(text);
    pump();
  }

  static void putOnClipboard(const char* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(GlobalLock(block), text, std::strlen(text) + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
  }

  static std::string clipboardText() { return platform::backend().clipboardText(); }

  // Puts the caret after the text and answers a screen point on it.
  static POINT caretAfterText(HWND e) {
    auto end = static_cast<WPARAM>(SendMessageA(e, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(e, EM_SETSEL, end, static_cast<LPARAM>(end));
    pump();
    LRESULT at = SendMessageA(e, EM_POSFROMCHAR, end, 0);
    POINT caret{GET_X_LPARAM(at), GET_Y_LPARAM(at) + 5};
    ClientToScreen(e, &caret);
    return caret;
  }

  // Whether two edits of one size show the same pixels.
  bool lookAlike(HWND a, HWND b) const { return shownPixels(main_, a, true) == shownPixels(main_, b, true); }

  // A screen point inside the box font's character n of a single-line edit
  // with a client edge (text starts 2 pixels into the client area).
  static POINT atCharacter(HWND e, int n) {
    RECT r;
    GetWindowRect(e, &r);
    return {r.left + 2 + 2 + 6 * n + 1, (r.top + r.bottom) / 2};
  }

  static int caretX(HWND e) {
    auto caret = selection(e).second;
    return GET_X_LPARAM(SendMessageA(e, EM_POSFROMCHAR, caret, 0));
  }
};

TEST_F(Edits, SelectionEdges) {
  HWND e = edit("hello world");
  const struct {
    int start, end;
    DWORD wantStart, wantEnd;
  } cases[] = {{2, 5, 2, 5}, {5, 2, 2, 5}, {0, -1, 0, 11}, {3, 100, 3, 11}, {40, 50, 11, 11}, {4, 4, 4, 4}};
  for (const auto& c : cases) {
    SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
    EXPECT_EQ(selection(e), std::make_pair(c.wantStart, c.wantEnd)) << c.start << ',' << c.end;
  }
  SendMessageA(e, EM_SETSEL, 2, 5);
  SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(selection(e), std::make_pair(DWORD{5}, DWORD{5}));
  EXPECT_EQ(SendMessageA(e, EM_GETSEL, 0, 0), MAKELRESULT(5, 5));
}

TEST_F(Edits, SelectionAnchorStaysWhereItBegan) {
  HWND e = edit("hello world");
  SendMessageA(e, EM_SETSEL, 5, 2);
  type("X");
  EXPECT_EQ(textOf(e), "heX world");
  press(VK_END);
  press(VK_LEFT, {VK_SHIFT});
  press(VK_LEFT, {VK_SHIFT});
  EXPECT_EQ(selection(e), std::make_pair(DWORD{7}, DWORD{9}));
  press(VK_RIGHT, {VK_SHIFT});
  EXPECT_EQ(selection(e), std::make_pair(DWORD{8}, DWORD{9}));
  press(VK_HOME, {VK_SHIFT});
  EXPECT_EQ(selection(e), std::make_pair(DWORD{0}, DWORD{9}));
  press(VK_RIGHT);
  EXPECT_EQ(selection(e), std::make_pair(DWORD{1}, DWORD{1}));
}

TEST_F(Edits, WordsForControlArrowsAndDoubleClicks) {
  HWND e = edit("one two  three");
  press(VK_RIGHT, {VK_CONTROL});
  EXPECT_EQ(selection(e).second, 4u);
  press(VK_RIGHT, {VK_CONTROL});
  EXPECT_EQ(selection(e).second, 9u);
  press(VK_LEFT, {VK_CONTROL});
  EXPECT_EQ(selection(e).second, 4u);
  POINT word = atCharacter(e, 5);
  platform::headless::doubleClick(word.x, word.y);
  pump();
  EXPECT_EQ(selection(e), std::make_pair(DWORD{4}, DWORD{9}));
}

TEST_F(Edits, MouseDragSelects) {
  HWND e = edit("abcdefgh");
  POINT from = atCharacter(e, 1), to = atCharacter(e, 4);
  platform::headless::pressButton(from.x - 1, from.y);
  platform::headless::moveMouse(to.x - 1, to.y);
  platform::headless::releaseButton(to.x - 1, to.y);
  pump();
  EXPECT_EQ(selection(e), std::make_pair(DWORD{1}, DWORD{4}));
  EXPECT_EQ(GetCapture(), nullptr);
}

// Backspace at the start erases nothing.
TEST_F(Edits, TypingReplacesTheSelectionAndBackspaceAndDeleteEraseBesideTheCaret) {
  HWND e = edit("12345");
  SendMessageA(e, EM_SETSEL, 0, -1);
  type("7abcd");
  EXPECT_EQ(selection(e), std::make_pair(DWORD{5}, DWORD{5}));
  SendMessageA(e, EM_SETSEL, 3, 3);
  type("\b");
  press(VK_DELETE);
  EXPECT_EQ(textOf(e), "7ad");
  SendMessageA(e, EM_SETSEL, 0, 0);
  type("\b");
  EXPECT_EQ(textOf(e), "7ad");
}

TEST_F(Edits, NumberEditRefusesWhatIsNotADigit) {
  HWND e = edit("5", ES_NUMBER | ES_AUTOHSCROLL);
  SendMessageA(e, EM_SETSEL, 1, 1);
  type("x-.9");
  EXPECT_EQ(textOf(e), "59");
  putOnClipboard("12a");
  msglog::clear();
  SendMessageA(e, WM_PASTE, 0, 0);
  EXPECT_EQ(textOf(e), "59");
  EXPECT_TRUE(notifications(e).empty());
  EXPECT_EQ(selection(e), std::make_pair(DWORD{2}, DWORD{2}));
  putOnClipboard("12");
  SendMessageA(e, WM_PASTE, 0, 0);
  EXPECT_EQ(textOf(e), "5912");
  SetWindowTextA(e, "-3.5");
  EXPECT_EQ(textOf(e), "-3.5");
}

TEST_F(Edits, UndoOfAPasteBringsBackTheTextAndSelection) {
  HWND e = edit("abc");
  SendMessageA(e, EM_SETSEL, 1, 2);
  putOnClipboard("XYZ");
  SendMessageA(e, WM_PASTE, 0, 0);
  EXPECT_EQ(textOf(e), "aXYZc");
  EXPECT_TRUE(SendMessageA(e, EM_CANUNDO, 0, 0));
  EXPECT_TRUE(SendMessageA(e, EM_UNDO, 0, 0));
  EXPECT_EQ(textOf(e), "abc");
  EXPECT_EQ(selection(e), std::make_pair(DWORD{1}, DWORD{2}));
  EXPECT_TRUE(SendMessageA(e, EM_UNDO, 0, 0));
  EXPECT_EQ(textOf(e), "aXYZc");
}

TEST_F(Edits, TypingUndoesAsOneChangeUntilTheCaretMoves) {
  HWND e = edit("");
  type("abc");
  press(VK_HOME);
  type("xy");
  EXPECT_EQ(textOf(e), "xyabc");
  type("\x1A");
  EXPECT_EQ(textOf(e), "abc");
  SendMessageA(e, EM_EMPTYUNDOBUFFER, 0, 0);
  EXPECT_FALSE(SendMessageA(e, EM_CANUNDO, 0, 0));
  SendMessageA(e, EM_UNDO, 0, 0);
  EXPECT_EQ(textOf(e), "abc");
}

TEST_F(Edits, ACaretThatMovesStartsAFreshUndo) {
  HWND e = edit("");
  type("ab");
  SendMessageA(e, EM_SETSEL, 2, 2);
  type("c");
  SendMessageA(e, EM_UNDO, 0, 0);
  EXPECT_EQ(textOf(e), "ab");
}

TEST_F(Edits, CutCopyPasteAndClearThroughTheClipboard) {
  HWND e = edit("one two");
  SendMessageA(e, EM_SETSEL, 0, 3);
  SendMessageA(e, WM_COPY, 0, 0);
  EXPECT_EQ(clipboardText(), "one");
  EXPECT_EQ(textOf(e), "one two");
  SendMessageA(e, EM_SETSEL, 3, 7);
  SendMessageA(e, WM_CUT, 0, 0);
  EXPECT_EQ(clipboardText(), " two");
  EXPECT_EQ(textOf(e), "one");
  SendMessageA(e, EM_SETSEL, 0, 0);
  SendMessageA(e, WM_PASTE, 0, 0);
  EXPECT_EQ(textOf(e), " twoone");
  SendMessageA(e, EM_SETSEL, 0, 4);
  SendMessageA(e, WM_CLEAR, 0, 0);
  EXPECT_EQ(textOf(e), "one");
  EXPECT_EQ(clipboardText(), " two");
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
  putOnClipboard("first\r\nsecond");
  SendMessageA(e, WM_PASTE, 0, 0);
  EXPECT_EQ(textOf(e), "firstone") << "a single line takes the first line";
}

TEST_F(Edits, ControlKeysReachTheClipboard) {
  HWND e = edit("abc");
  SendMessageA(e, EM_SETSEL, 0, 2);
  press('C', {VK_CONTROL});
  EXPECT_EQ(clipboardText(), "ab");
  press(VK_END);
  press('V', {VK_CONTROL});
  EXPECT_EQ(textOf(e), "abcab");
  press('A', {VK_CONTROL});
  press('X', {VK_CONTROL});
  EXPECT_EQ(textOf(e), "");
  EXPECT_EQ(clipboardText(), "abcab");
  press('Z', {VK_CONTROL});
  EXPECT_EQ(textOf(e), "abcab");
}

TEST_F(Edits, ReadOnlyTextCanBeCopiedButNotChanged) {
  HWND e = edit("fixed", ES_READONLY | ES_AUTOHSCROLL);
  SendMessageA(e, EM_SETSEL, 0, -1);
  putOnClipboard("new");
  type("x\b");
  for (UINT message : {WM_CUT, WM_PASTE, WM_CLEAR, WM_UNDO}) SendMessageA(e, message, 0, 0);
  EXPECT_EQ(textOf(e), "fixed");
  SendMessageA(e, WM_COPY, 0, 0);
  EXPECT_EQ(clipboardText(), "fixed");
  SendMessageA(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("set"));
  EXPECT_EQ(textOf(e), "set");
}

TEST_F(Edits, APasswordEditShowsItsPasswordCharacterButAnswersItsText) {
  struct Case {
    WPARAM passwordChar;
    const char* looksLike;
  };
  HWND password = control(WC_EDITA, "Wm1", ES_PASSWORD | ES_AUTOHSCROLL, 7, {10, 10, 130, 30});
  HWND plain = control(WC_EDITA, "", ES_AUTOHSCROLL, 8, {10, 40, 130, 60});
  EXPECT_EQ(SendMessageA(password, EM_GETPASSWORDCHAR, 0, 0), '*');
  for (const Case& c : {Case{'*', "***"}, Case{'#', "###"}, Case{0, "Wm1"}}) {
    SCOPED_TRACE(c.looksLike);
    SendMessageA(password, EM_SETPASSWORDCHAR, c.passwordChar, 0);
    SetWindowTextA(plain, c.looksLike);
    settle();
    EXPECT_TRUE(lookAlike(password, plain));
    EXPECT_EQ(SendMessageA(password, EM_GETPASSWORDCHAR, 0, 0), static_cast<LRESULT>(c.passwordChar));
    EXPECT_EQ((GetWindowLongPtrA(password, GWL_STYLE) & ES_PASSWORD) != 0, c.passwordChar != 0);
    EXPECT_EQ(textOf(password), "Wm1");
  }
  HWND multiLine = control(WC_EDITA, "ab", ES_MULTILINE | ES_PASSWORD, 9, {10, 70, 130, 90});
  SendMessageA(multiLine, EM_SETPASSWORDCHAR, '#', 0);
  EXPECT_EQ(SendMessageA(multiLine, EM_GETPASSWORDCHAR, 0, 0), 0) << "a multi-line edit takes none";
}

TEST_F(Edits, APasswordCannotBeCopiedNorCut) {
  HWND e = edit("secret", ES_PASSWORD | ES_AUTOHSCROLL);
  putOnClipboard("before");
  SendMessageA(e, EM_SETSEL, 0, -1);
  SendMessageA(e, WM_COPY, 0, 0);
  SendMessageA(e, WM_CUT, 0, 0);
  press('C', {VK_CONTROL});
  press('X', {VK_CONTROL});
  EXPECT_EQ(clipboardText(), "before");
  EXPECT_EQ(textOf(e), "secret");
}

TEST_F(Edits, LongTextScrollsAndTheCaretStaysVisible) {
  HWND e = edit("", ES_AUTOHSCROLL, {10, 10, 70, 30});
  RECT client;
  GetClientRect(e, &client);
  type("0123456789abcdefghij");
  EXPECT_EQ(textOf(e).size(), 20u);
  EXPECT_GT(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_GE(caretX(e), 0);
  EXPECT_LT(caretX(e), client.right);
  press(VK_HOME);
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_EQ(caretX(e), 2);
  press(VK_END);
  EXPECT_LT(caretX(e), client.right);
}

TEST_F(Edits, WithoutAutoScrollTextStopsAtTheEdge) {
  HWND e = edit("", 0, {10, 10, 70, 30});
  type("0123456789abcdefghij");
  RECT client;
  GetClientRect(e, &client);
  int room = client.right - 4;
  EXPECT_EQ(textOf(e).size(), static_cast<size_t>((room - 1) / 6));
}

TEST_F(Edits, MultiLineWrapsAndMovesByLine) {
  HWND e = edit("aaa bbb ccc", ES_MULTILINE | ES_AUTOVSCROLL, {10, 10, 50, 80});
  EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 3);
  SendMessageA(e, EM_SETSEL, 1, 1);
  press(VK_DOWN);
  EXPECT_EQ(selection(e).second, 5u);
  press(VK_END);
  type("\r");
  EXPECT_EQ(textOf(e), "aaa bbb \r\nccc");
  press(VK_LEFT);
  EXPECT_EQ(selection(e).second, 8u);
}

TEST_F(Edits, MultiLineScrollsToTheCaretLine) {
  HWND e = edit("", ES_MULTILINE | ES_AUTOVSCROLL, {10, 10, 80, 40});
  type("1\r2\r3\r4\r5");
  EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 5);
  LRESULT first = SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(first, 0);
  RECT client;
  GetClientRect(e, &client);
  int caretY = GET_Y_LPARAM(SendMessageA(e, EM_POSFROMCHAR, selection(e).second, 0));
  EXPECT_GE(caretY, 0);
  EXPECT_LE(caretY + 10, client.bottom);
  press(VK_HOME, {VK_CONTROL});
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

// The caret blinks while the edit has the focus. With a 2000 ms timeout
// the fourth 530 ms blink reaches it: the caret stays shown and its timer
// is gone, until a key, a click or the focus coming back starts the blink
// again. Without the focus the caret is gone and does not blink.
TEST_F(Edits, TheCaretRestsShownAfterTheTimeoutUntilInputWakesIt) {
  DWORD saved = 0;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETCARETTIMEOUT, 0, &saved, 0));
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETCARETTIMEOUT, 0, reinterpret_cast<PVOID>(uintptr_t{2000}), 0));
  HWND e = edit("ab");
  POINT caret = caretAfterText(e);
  const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  EXPECT_EQ(pixelAt(caret), black);
  auto blinksThenRests = [&](const char* after) {
    for (COLORREF expected : {white, black, white, black, black}) {
      SendMessageA(e, WM_TIMER, 1, 0);
      pump();
      EXPECT_EQ(pixelAt(caret), expected) << after;
    }
    EXPECT_FALSE(KillTimer(e, 1)) << after;
  };
  blinksThenRests("focus");
  const struct {
    const char* name;
    std::function<void()> wake;
  } wakers[] = {
      {"key", [] { press(VK_SHIFT); }},
      {"click", [&] { clickAt(caret); pump(); }},
      {"refocus", [&] { SetFocus(main_); SetFocus(e); pump(); }},
  };
  for (const auto& waker : wakers) {
    waker.wake();
    blinksThenRests(waker.name);
  }
  SetFocus(main_);
  SendMessageA(e, WM_TIMER, 1, 0);
  pump();
  EXPECT_EQ(pixelAt(caret), white);
  SystemParametersInfoA(SPI_SETCARETTIMEOUT, 0, reinterpret_cast<PVOID>(uintptr_t{saved}), 0);
}

TEST_F(Edits, ClickFocusesAndPlacesTheCaret) {
  HWND e = control(WC_EDITA, "abcdef", ES_AUTOHSCROLL, 7, {10, 10, 130, 30}, WS_EX_CLIENTEDGE, true);
  clickAt(atCharacter(e, 3));
  pump();
  EXPECT_EQ(GetFocus(), e);
  EXPECT_EQ(selection(e), std::make_pair(DWORD{3}, DWORD{3}));
  EXPECT_EQ(SendMessageA(e, EM_CHARFROMPOS, 0, MAKELPARAM(2 + 6 * 3 + 1, 5)), MAKELRESULT(3, 0));
}

}  // namespace
