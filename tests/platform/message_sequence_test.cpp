// The messages each action produces, in Windows' order and with Windows'
// parameters.
#include "platform_fixture.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

// What a mouse event sends before its message is queued, when no window
// has the capture.
std::vector<Expected> hitTest(UINT message, Role role = Role::Main) {
  return {{WM_NCHITTEST, Sent, 0, 0, role}, {WM_SETCURSOR, Sent | LParam, 0, MAKELPARAM(HTCLIENT, message), role}};
}

std::vector<Expected> operator+(std::vector<Expected> a, const std::vector<Expected>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class MessageSequence : public PlatformTest {};

// An overlapped window hears WM_SIZE and WM_MOVE at its first showing.
TEST_F(MessageSequence, CreatingAHiddenTopLevelWindow) {
  topLevel(10, 20, 455, 193);
  EXPECT_SEQUENCE({WM_GETMINMAXINFO, Sent}, {WM_NCCREATE, Sent}, {WM_NCCALCSIZE, Sent | WParam, FALSE},
                  {WM_CREATE, Sent});
}

// A window that answers WM_NCCREATE with FALSE, or WM_CREATE with -1, is
// destroyed and CreateWindowExA answers NULL. Whether WM_DESTROY comes
// before WM_NCDESTROY then is not pinned: accounts of it differ.
TEST_F(MessageSequence, AWindowThatRefusesItsCreationIsNotMade) {
  const struct {
    UINT message;
    LRESULT refusal;
    std::vector<Expected> expected;
  } table[] = {
      {WM_NCCREATE, FALSE, {{WM_NCCREATE, Sent}, {WM_DESTROY, Sent | Optional}, {WM_NCDESTROY, Sent}}},
      {WM_CREATE, -1, {{WM_NCCREATE, Sent}, {WM_CREATE, Sent}, {WM_DESTROY, Sent | Optional}, {WM_NCDESTROY, Sent}}},
  };
  keepOnly({WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY});
  for (const auto& row : table) {
    SCOPED_TRACE(messageName(row.message));
    answer(row.message, row.refusal);
    announce(Role::Main);
    EXPECT_EQ(CreateWindowExA(0, recorderClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_TRUE(matches(row.expected));
    clearAnswers();
    clear();
  }
}

TEST_F(MessageSequence, APopupHearsSizeAndMoveAtCreation) {
  topLevel(10, 20, 100, 50, WS_POPUP);
  EXPECT_SEQUENCE({WM_NCCREATE, Sent}, {WM_NCCALCSIZE, Sent | WParam, FALSE}, {WM_CREATE, Sent},
                  {WM_SIZE, Sent | WParam | LParam, SIZE_RESTORED, MAKELPARAM(100, 50)},
                  {WM_MOVE, Sent | LParam, 0, MAKELPARAM(10, 20)});
}

TEST_F(MessageSequence, CreatingAVisibleChildNotifiesItsParent) {
  HWND main = topLevel(10, 20, 455, 193);
  msglog::clear();
  HWND c = child(main, 7, 5, 6, 50, 20);
  auto notify = MAKEWPARAM(WM_CREATE, 7);
  EXPECT_SEQUENCE({WM_NCCREATE, Sent, 0, 0, Role::Child}, {WM_NCCALCSIZE, Sent, 0, 0, Role::Child},
                  {WM_CREATE, Sent, 0, 0, Role::Child},
                  {WM_SIZE, Sent | LParam, 0, MAKELPARAM(50, 20), Role::Child},
                  {WM_MOVE, Sent | LParam, 0, MAKELPARAM(5, 6), Role::Child},
                  {WM_PARENTNOTIFY, Sent | WParam | LParam, notify, handleParam(c)},
                  {WM_SHOWWINDOW, Sent | WParam | Optional, TRUE, 0, Role::Child},
                  {WM_WINDOWPOSCHANGING, Sent | Optional, 0, 0, Role::Child},
                  {WM_WINDOWPOSCHANGED, Sent | Optional, 0, 0, Role::Child});
}

TEST_F(MessageSequence, ShowingActivatesAndUpdatingPaints) {
  HWND main = topLevel(10, 20, 455, 193);
  msglog::clear();
  ShowWindow(main, SW_SHOW);
  EXPECT_SEQUENCE({WM_SHOWWINDOW, Sent | WParam | LParam, TRUE, 0}, {WM_WINDOWPOSCHANGING, Sent},
                  {WM_ACTIVATEAPP, Sent | WParam, TRUE}, {WM_NCACTIVATE, Sent | WParam, TRUE},
                  {WM_ACTIVATE, Sent | WParam | LParam, WA_ACTIVE, 0}, {WM_SETFOCUS, Sent | WParam, 0},
                  {WM_NCPAINT, Sent | WParam, 1}, {WM_ERASEBKGND, Sent}, {WM_WINDOWPOSCHANGED, Sent},
                  {WM_SIZE, Sent | WParam | LParam, SIZE_RESTORED, MAKELPARAM(447, 166)},
                  {WM_MOVE, Sent | LParam, 0, MAKELPARAM(14, 43)});
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
  msglog::clear();
  UpdateWindow(main);
  EXPECT_SEQUENCE({WM_PAINT, Sent});
  msglog::clear();
  UpdateWindow(main);
  EXPECT_SEQUENCE();
}

TEST_F(MessageSequence, ClickActivatesAnInactiveWindow) {
  HWND main = shownTopLevel(10, 20, 455, 193);
  HWND other = topLevel(600, 20, 200, 200, WS_OVERLAPPEDWINDOW, nullptr, Role::Other);
  ShowWindow(other, SW_SHOW);
  settle();
  ASSERT_EQ(GetActiveWindow(), other);
  headless::pressButton(100, 100);
  msglog::pump();
  EXPECT_TRUE(matches(
      hitTest(WM_MOUSEMOVE) + std::vector<Expected>{{WM_MOUSEMOVE, Posted}, {WM_NCHITTEST, Sent},
                                                     {WM_MOUSEACTIVATE, Sent | WParam | LParam, handleWParam(main),
                                                      MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)},
                                                     {WM_WINDOWPOSCHANGING, Sent | Optional},
                                                     {WM_NCACTIVATE, Sent | WParam, FALSE, 0, Role::Other},
                                                     {WM_ACTIVATE, Sent | WParam | LParam, WA_INACTIVE, handleParam(main), Role::Other},
                                                     {WM_NCACTIVATE, Sent | WParam, TRUE},
                                                     {WM_ACTIVATE, Sent | WParam | LParam, WA_CLICKACTIVE, handleParam(other)},
                                                     {WM_KILLFOCUS, Sent | WParam, handleWParam(main), 0, Role::Other},
                                                     {WM_SETFOCUS, Sent | WParam, handleWParam(other)},
                                                     {WM_WINDOWPOSCHANGED, Sent | Optional},
                                                     {WM_SETCURSOR, Sent | LParam, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)},
                                                     {WM_LBUTTONDOWN, Posted}}));
  headless::releaseButton(100, 100);
  msglog::pump();
  EXPECT_EQ(GetActiveWindow(), main);
}

// SetActiveWindow answers the window it deactivated; given a child it
// changes nothing and answers the active window.
TEST_F(MessageSequence, SetActiveWindowActivatesATopLevelWindowAndNotAChild) {
  HWND main = shownTopLevel(10, 20, 455, 193);
  HWND c = child(main, 1, 5, 5, 50, 20);
  HWND other = topLevel(600, 20, 200, 200, WS_OVERLAPPEDWINDOW, nullptr, Role::Other);
  ShowWindow(other, SW_SHOW);
  settle();
  EXPECT_EQ(SetActiveWindow(c), other);
  EXPECT_SEQUENCE();
  EXPECT_EQ(SetActiveWindow(main), other);
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent | Optional}, {WM_NCACTIVATE, Sent | WParam, FALSE, 0, Role::Other},
                  {WM_ACTIVATE, Sent | WParam | LParam, WA_INACTIVE, handleParam(main), Role::Other},
                  {WM_NCACTIVATE, Sent | WParam, TRUE},
                  {WM_ACTIVATE, Sent | WParam | LParam, WA_ACTIVE, handleParam(other)},
                  {WM_KILLFOCUS, Sent | WParam, handleWParam(main), 0, Role::Other},
                  {WM_SETFOCUS, Sent | WParam, handleWParam(other)}, {WM_WINDOWPOSCHANGED, Sent | Optional});
  EXPECT_EQ(GetForegroundWindow(), main);
  EXPECT_TRUE(SetForegroundWindow(other));
  EXPECT_EQ(GetForegroundWindow(), other);
}

// Another program taking the activation deactivates the window and the
// application and takes the focus; coming back activates them again.
TEST_F(MessageSequence, SwitchingToAnotherProgramAndBack) {
  HWND main = shownTopLevel();
  headless::switchAway();
  pump();
  EXPECT_SEQUENCE({WM_NCACTIVATE, Sent | WParam, FALSE}, {WM_ACTIVATE, Sent | WParam | LParam, WA_INACTIVE, 0},
                  {WM_ACTIVATEAPP, Sent | WParam, FALSE}, {WM_KILLFOCUS, Sent | WParam, 0});
  EXPECT_EQ(GetActiveWindow(), nullptr);
  clear();
  headless::switchBack(main);
  pump();
  EXPECT_SEQUENCE({WM_ACTIVATEAPP, Sent | WParam, TRUE}, {WM_NCACTIVATE, Sent | WParam, TRUE},
                  {WM_ACTIVATE, Sent | WParam | LParam, WA_ACTIVE, 0}, {WM_SETFOCUS, Sent | WParam, 0});
  EXPECT_EQ(GetActiveWindow(), main);
}

// Each click on the active window: the move to the point, the press and
// the release, each hit-tested first. The second of a double click is a
// WM_LBUTTONDBLCLK only for a class with CS_DBLCLKS.
TEST_F(MessageSequence, ClicksAndDoubleClicksOnTheActiveWindow) {
  const auto click = [](UINT down) {
    const LPARAM at = MAKELPARAM(86, 57);
    return hitTest(WM_MOUSEMOVE) + std::vector<Expected>{{WM_MOUSEMOVE, Posted | LParam, 0, at}} +
           hitTest(WM_LBUTTONDOWN) + std::vector<Expected>{{down, Posted | WParam | LParam, MK_LBUTTON, at}} +
           hitTest(WM_LBUTTONUP) + std::vector<Expected>{{WM_LBUTTONUP, Posted | WParam | LParam, 0, at}};
  };
  for (bool classWantsDoubleClicks : {true, false}) {
    SCOPED_TRACE(classWantsDoubleClicks ? "CS_DBLCLKS" : "no CS_DBLCLKS");
    doubleClicks_ = classWantsDoubleClicks;
    HWND w = shownTopLevel();
    headless::doubleClick(100, 100);
    msglog::pump();
    EXPECT_TRUE(matches(click(WM_LBUTTONDOWN) + click(classWantsDoubleClicks ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)));
    DestroyWindow(w);
    settle();
  }
}

// Alt with a letter asks for the menu.
TEST_F(MessageSequence, KeysAreTranslatedToCharacters) {
  shownTopLevel();
  headless::pressKey('A');
  pressWith(VK_SHIFT, '1');
  msglog::pump();
  const LPARAM down = 1, up = static_cast<LPARAM>(0xC0000001u);
  EXPECT_SEQUENCE({WM_KEYDOWN, Posted | WParam | LParam, 'A', down}, {WM_CHAR, Posted | WParam, 'a'},
                  {WM_KEYUP, Posted | WParam | LParam, 'A', up}, {WM_KEYDOWN, Posted | WParam, VK_SHIFT},
                  {WM_KEYDOWN, Posted | WParam, '1'}, {WM_CHAR, Posted | WParam, '!'},
                  {WM_KEYUP, Posted | WParam, '1'}, {WM_KEYUP, Posted | WParam, VK_SHIFT});
  clear();
  pressWith(VK_MENU, 'F');
  pump();
  const LPARAM altDown = 0x20000001, altUp = static_cast<LPARAM>(0xE0000001u);
  EXPECT_SEQUENCE({WM_SYSKEYDOWN, Posted | WParam | LParam, VK_MENU, altDown},
                  {WM_SYSKEYDOWN, Posted | WParam | LParam, 'F', altDown}, {WM_SYSCHAR, Posted | WParam, 'f'},
                  {WM_SYSCOMMAND, Sent | WParam | LParam, SC_KEYMENU, 'f'},
                  {WM_SYSKEYUP, Posted | WParam | LParam, 'F', altUp}, {WM_SYSKEYUP, Posted | WParam, VK_MENU});
}

TEST_F(MessageSequence, KeypadKeysTypeTheirCharacters) {
  shownTopLevel();
  keepOnly({WM_CHAR});
  for (UINT key : {VK_NUMPAD0, VK_NUMPAD9, VK_MULTIPLY, VK_ADD, VK_SUBTRACT, VK_DECIMAL, VK_DIVIDE})
    headless::pressKey(key);
  pump();
  EXPECT_SEQUENCE({WM_CHAR, Posted | WParam, '0'}, {WM_CHAR, Posted | WParam, '9'}, {WM_CHAR, Posted | WParam, '*'},
                  {WM_CHAR, Posted | WParam, '+'}, {WM_CHAR, Posted | WParam, '-'}, {WM_CHAR, Posted | WParam, '.'},
                  {WM_CHAR, Posted | WParam, '/'});
}

// A left or right modifier holds its generic key down with it.
TEST_F(MessageSequence, SidedModifiersHoldTheirGenericKey) {
  shownTopLevel();
  const struct {
    UINT sided, generic;
  } table[] = {{VK_LSHIFT, VK_SHIFT},     {VK_RSHIFT, VK_SHIFT}, {VK_LCONTROL, VK_CONTROL},
               {VK_RCONTROL, VK_CONTROL}, {VK_LMENU, VK_MENU},   {VK_RMENU, VK_MENU}};
  for (const auto& row : table) {
    headless::keyDown(row.sided);
    pump();
    EXPECT_LT(GetKeyState(static_cast<int>(row.generic)), 0) << row.sided;
    EXPECT_LT(GetAsyncKeyState(static_cast<int>(row.sided)), 0) << row.sided;
    headless::keyUp(row.sided);
    pump();
    EXPECT_GE(GetKeyState(static_cast<int>(row.generic)), 0) << row.sided;
  }
}

// The window losing the focus hears which window takes it and the other
// way round. The window losing the capture hears which window took it:
// another one, itself again, or none.
TEST_F(MessageSequence, FocusAndCaptureMoveBetweenChildren) {
  HWND main = shownTopLevel();
  HWND first = child(main, 1, 10, 10, 50, 20);
  HWND second = child(main, 2, 10, 40, 50, 20, WS_VISIBLE, Role::Other);
  SetFocus(first);
  settle();
  EXPECT_EQ(SetFocus(second), first);
  EXPECT_SEQUENCE({WM_KILLFOCUS, Sent | WParam, handleWParam(second), 0, Role::Child},
                  {WM_SETFOCUS, Sent | WParam, handleWParam(first), 0, Role::Other});
  EXPECT_EQ(GetFocus(), second);
  SetCapture(first);
  settle();
  EXPECT_EQ(SetCapture(second), first);
  EXPECT_EQ(SetCapture(second), second);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_SEQUENCE({WM_CAPTURECHANGED, Sent | LParam, 0, handleParam(second), Role::Child},
                  {WM_CAPTURECHANGED, Sent | LParam, 0, handleParam(second), Role::Other},
                  {WM_CAPTURECHANGED, Sent | LParam, 0, 0, Role::Other});
}

// Edits, and a push button gaining the focus, draw the change at once, just
// as WM_PAINT would draw them; only a push button losing the focus is left
// to WM_PAINT, as Windows' are.
TEST_F(MessageSequence, AFocusChangeLeavesOnlyAButtonThatLostTheFocusToPaint) {
  HWND main = shownTopLevel();
  HWND first = CreateWindowExA(0, "EDIT", "abc", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 100, 20, main, nullptr,
                               nullptr, nullptr);
  HWND second = CreateWindowExA(0, "EDIT", "def", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 40, 100, 20, main, nullptr,
                                nullptr, nullptr);
  HWND button = CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 70, 100, 20, main,
                                nullptr, nullptr, nullptr);
  SetFocus(first);
  settle();
  const struct {
    HWND to, leftToPaint;
  } steps[] = {{second, nullptr}, {button, nullptr}, {first, button}};
  for (const auto& step : steps) {
    SetFocus(step.to);
    for (HWND control : {first, second, button}) {
      RECT update;
      EXPECT_EQ(GetUpdateRect(control, &update, FALSE) != FALSE, control == step.leftToPaint);
      if (control == step.leftToPaint) continue;
      std::vector<COLORREF> shown = shownPixels(main, control, true);
      InvalidateRect(control, nullptr, TRUE);
      UpdateWindow(control);
      EXPECT_EQ(shownPixels(main, control, true), shown);
    }
    settle();
  }
}

// Only overlapped and sizable windows are held to WM_GETMINMAXINFO's sizes.
TEST_F(MessageSequence, ResizingSendsSizeAndMovingSendsMove) {
  HWND popup = topLevel(10, 20, 100, 50, WS_POPUP | WS_VISIBLE);
  settle();
  MoveWindow(popup, 10, 20, 120, 60, TRUE);
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_WINDOWPOSCHANGED, Sent},
                  {WM_SIZE, Sent | LParam, 0, MAKELPARAM(120, 60)});
  DestroyWindow(popup);
  HWND main = shownTopLevel();
  MoveWindow(main, 10, 20, 500, 300, TRUE);
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent}, {WM_GETMINMAXINFO, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE},
                  {WM_NCPAINT, Sent | Optional}, {WM_ERASEBKGND, Sent | Optional}, {WM_WINDOWPOSCHANGED, Sent},
                  {WM_SIZE, Sent | WParam | LParam, SIZE_RESTORED, MAKELPARAM(492, 273)});
  msglog::clear();
  MoveWindow(main, 30, 40, 500, 300, TRUE);
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent}, {WM_GETMINMAXINFO, Sent}, {WM_WINDOWPOSCHANGED, Sent},
                  {WM_MOVE, Sent | LParam, 0, MAKELPARAM(34, 63)});
}

TEST_F(MessageSequence, CloseFromTheWindowManagerDestroysTheWindow) {
  HWND main = shownTopLevel();
  headless::requestClose(main);
  msglog::pump();
  EXPECT_SEQUENCE({WM_SYSCOMMAND, Posted | WParam, SC_CLOSE}, {WM_CLOSE, Sent}, {WM_WINDOWPOSCHANGING, Sent},
                  {WM_WINDOWPOSCHANGED, Sent}, {WM_NCACTIVATE, Sent | WParam, FALSE},
                  {WM_ACTIVATE, Sent | WParam | LParam, WA_INACTIVE, 0}, {WM_ACTIVATEAPP, Sent | WParam, FALSE},
                  {WM_KILLFOCUS, Sent | WParam, 0}, {WM_DESTROY, Sent}, {WM_NCDESTROY, Sent});
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(MessageSequence, AltF4AndTheCloseButtonCloseThroughTheSystemCommand) {
  const struct {
    const char* name;
    void (*act)(HWND);
  } ways[] = {
      {"Alt+F4", [](HWND) { pressWith(VK_MENU, VK_F4); }},
      {"close button",
       [](HWND w) {
         RECT r;
         GetWindowRect(w, &r);
         headless::click(r.right - 4 - 2 - 8, r.top + 4 + 2 + 7);
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    HWND main = shownTopLevel();
    keepOnly({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY});
    way.act(main);
    pump();
    EXPECT_SEQUENCE({WM_SYSCOMMAND, Sent | WParam, SC_CLOSE}, {WM_CLOSE, Sent}, {WM_DESTROY, Sent});
    EXPECT_FALSE(IsWindow(main));
    keepAll();
    clear();
  }
}

// A child destroyed tells its parent (a child of a hidden window is hidden
// by its style alone); destroying the parent reaches parents first and
// frees children first.
TEST_F(MessageSequence, DestroyReachesParentsFirstAndFreesChildrenFirst) {
  HWND main = topLevel(10, 20, 300, 200);
  HWND c = child(main, 3, 0, 0, 50, 50);
  msglog::clear();
  DestroyWindow(c);
  EXPECT_SEQUENCE({WM_PARENTNOTIFY, Sent | WParam | LParam, MAKEWPARAM(WM_DESTROY, 3), handleParam(c)},
                  {WM_SHOWWINDOW, Sent | WParam, FALSE, 0, Role::Child}, {WM_DESTROY, Sent, 0, 0, Role::Child},
                  {WM_NCDESTROY, Sent, 0, 0, Role::Child});
  child(main, 3, 0, 0, 50, 50);
  msglog::clear();
  DestroyWindow(main);
  EXPECT_SEQUENCE({WM_DESTROY, Sent}, {WM_DESTROY, Sent, 0, 0, Role::Child}, {WM_NCDESTROY, Sent, 0, 0, Role::Child},
                  {WM_NCDESTROY, Sent});
}

// The parent's uncovered part is erased during the call; the focus goes back
// to the parent after the child is hidden.
TEST_F(MessageSequence, HidingOrDestroyingAShownChildErasesItsParentAtOnce) {
  HWND main = shownTopLevel();
  HWND c = child(main, 3, 10, 10, 50, 50);
  SetFocus(c);
  settle();
  ShowWindow(c, SW_HIDE);
  EXPECT_SEQUENCE({WM_SHOWWINDOW, Sent | WParam, FALSE, 0, Role::Child}, {WM_WINDOWPOSCHANGING, Sent, 0, 0, Role::Child},
                  {WM_ERASEBKGND, Sent}, {WM_WINDOWPOSCHANGED, Sent, 0, 0, Role::Child},
                  {WM_KILLFOCUS, Sent | WParam, handleWParam(main), 0, Role::Child}, {WM_SETFOCUS, Sent | WParam, handleWParam(c)});
  ShowWindow(c, SW_SHOW);
  settle();
  DestroyWindow(c);
  EXPECT_SEQUENCE({WM_PARENTNOTIFY, Sent | WParam, MAKEWPARAM(WM_DESTROY, 3)},
                  {WM_SHOWWINDOW, Sent | WParam, FALSE, 0, Role::Child}, {WM_WINDOWPOSCHANGING, Sent, 0, 0, Role::Child},
                  {WM_ERASEBKGND, Sent}, {WM_WINDOWPOSCHANGED, Sent, 0, 0, Role::Child},
                  {WM_DESTROY, Sent, 0, 0, Role::Child}, {WM_NCDESTROY, Sent, 0, 0, Role::Child});
  msglog::clear();
  msglog::pump();
  EXPECT_SEQUENCE({WM_PAINT, Posted});
}

TEST_F(MessageSequence, InvalidatingPaintsOnceTheQueueIsEmpty) {
  HWND main = shownTopLevel();
  RECT area{10, 10, 20, 20};
  InvalidateRect(main, &area, TRUE);
  PostMessageA(main, WM_USER, 0, 0);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(main, &update, FALSE));
  EXPECT_TRUE(EqualRect(&update, &area));
  msglog::pump();
  EXPECT_SEQUENCE({WM_USER, Posted}, {WM_PAINT, Posted}, {WM_ERASEBKGND, Sent});
  EXPECT_FALSE(GetUpdateRect(main, &update, FALSE));
  msglog::clear();
  InvalidateRect(main, &area, FALSE);
  msglog::pump();
  EXPECT_SEQUENCE({WM_PAINT, Posted});
}

WNDPROC recorderProc;

// Each window's partner is in its user data: WM_USER sends WM_USER+1 to the
// partner, which sends WM_USER+2 back, while the first send is still open.
LRESULT CALLBACK forwardingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcA(recorderProc, hwnd, message, wParam, lParam);
  auto partner = reinterpret_cast<HWND>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_USER) return SendMessageA(partner, WM_USER + 1, 0, 0) + 1;
  if (message == WM_USER + 1) return SendMessageA(partner, WM_USER + 2, 0, 0) + 10;
  if (message == WM_USER + 2) return 100;
  return result;
}

TEST_F(MessageSequence, SendInsideASend) {
  HWND main = topLevel(10, 20, 300, 200);
  HWND other = topLevel(400, 20, 300, 200, WS_OVERLAPPEDWINDOW, nullptr, Role::Other);
  recorderProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(main, GWLP_WNDPROC));
  for (auto [w, partner] : {std::pair{main, other}, std::pair{other, main}}) {
    SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(forwardingProc));
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(partner));
  }
  msglog::clear();
  EXPECT_EQ(SendMessageA(main, WM_USER, 0, 0), 111);
  EXPECT_SEQUENCE({WM_USER, Sent}, {WM_USER + 1, Sent, 0, 0, Role::Other}, {WM_USER + 2, Sent});
}

}  // namespace
