// Window positions: what WM_GETMINMAXINFO offers and how its answers hold,
// maximising, minimising and restoring, what a WM_WINDOWPOSCHANGING handler
// decides, SWP_NOREDRAW, and WM_CHILDACTIVATE.
#include <functional>

#include "platform_fixture.h"

using namespace msglog;

namespace {

// In front of the recorder: lets a test answer WM_GETMINMAXINFO and
// WM_WINDOWPOSCHANGING, and keeps what they offered and what the last
// WM_WINDOWPOSCHANGED said.
struct PositionWatch {
  MINMAXINFO offered{};
  WINDOWPOS changed{};
  std::function<void(MINMAXINFO&)> answerMinMax;
  std::function<void(WINDOWPOS&)> answerChanging;
};
PositionWatch watch;

LRESULT CALLBACK watchingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  static WNDCLASSA recorder{};
  if (!recorder.lpfnWndProc) GetClassInfoA(nullptr, recorderClass(), &recorder);
  if (message == WM_GETMINMAXINFO) {
    auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
    watch.offered = info;
    if (watch.answerMinMax) watch.answerMinMax(info);
  }
  if (message == WM_WINDOWPOSCHANGING && watch.answerChanging) watch.answerChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
  if (message == WM_WINDOWPOSCHANGED) watch.changed = *reinterpret_cast<WINDOWPOS*>(lParam);
  return CallWindowProcA(recorder.lpfnWndProc, hwnd, message, wParam, lParam);
}

const char* watchedClass() {
  static bool registered = false;
  if (!registered)
    registered = registerClass("PositionWatch", watchingProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  return "PositionWatch";
}

DWORD styleOf(HWND w) { return static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE)); }
DWORD stateOf(HWND w) { return styleOf(w) & (WS_MAXIMIZE | WS_MINIMIZE); }

// The window's rectangle in its parent's client coordinates.
::testing::AssertionResult placedAt(HWND w, RECT expected) {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, (styleOf(w) & WS_CHILD) ? GetParent(w) : nullptr, reinterpret_cast<POINT*>(&r), 2);
  if (EqualRect(&r, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "at " << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom
                                       << ", expected " << expected.left << ',' << expected.top << ','
                                       << expected.right << ',' << expected.bottom;
}

class WindowPositions : public PlatformTest {
 protected:
  void TearDown() override {
    watch = {};
    PlatformTest::TearDown();
  }

  HWND watched(DWORD style, RECT r, HWND parent = nullptr, Role role = Role::Main) {
    announce(role);
    HWND w = CreateWindowExA(0, watchedClass(), "Watched", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             parent, nullptr, nullptr, nullptr);
    keep(w, role);
    return w;
  }
};

// On a 1024 x 768 screen; the parent's client area is 447 x 166.
TEST_F(WindowPositions, MaximisingFillsTheParentWithTheFrameJustOutside) {
  HWND parent = topLevel(10, 20, 455, 193, WS_OVERLAPPEDWINDOW, nullptr, Role::Other);
  const struct {
    DWORD style;
    RECT maximized;
    POINT minTrack;
  } cases[] = {
      {WS_OVERLAPPEDWINDOW, {-4, -4, 1028, 772}, {112, 27}},
      {WS_POPUP | WS_CAPTION | WS_SYSMENU, {-3, -3, 1027, 771}, {112, 27}},
      {WS_POPUP | WS_THICKFRAME, {-4, -4, 1028, 772}, {8, 8}},
      {WS_POPUP, {0, 0, 1024, 768}, {0, 0}},
      {WS_CHILD | WS_THICKFRAME, {-4, -4, 451, 170}, {8, 8}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    HWND w = watched(c.style, {0, 0, 200, 100}, (c.style & WS_CHILD) ? parent : nullptr);
    ShowWindow(w, SW_MAXIMIZE);
    EXPECT_TRUE(placedAt(w, c.maximized));
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(stateOf(w), static_cast<DWORD>(WS_MAXIMIZE));
    EXPECT_EQ(watch.offered.ptMinTrackSize.x, c.minTrack.x);
    EXPECT_EQ(watch.offered.ptMinTrackSize.y, c.minTrack.y);
    EXPECT_EQ(watch.offered.ptMaxTrackSize.x, GetSystemMetrics(SM_CXMAXTRACK));
    DestroyWindow(w);
  }
}

TEST_F(WindowPositions, TheAnswersToWmGetMinMaxInfoHold) {
  watch.answerMinMax = [](MINMAXINFO& info) {
    info.ptMaxPosition = {50, 60};
    info.ptMaxSize = {300, 200};
    info.ptMinTrackSize = {150, 100};
    info.ptMaxTrackSize = {400, 350};
  };
  HWND w = watched(WS_OVERLAPPEDWINDOW, {10, 20, 610, 70});
  EXPECT_TRUE(placedAt(w, {10, 20, 410, 120}));
  MoveWindow(w, 0, 0, 50, 500, TRUE);
  EXPECT_TRUE(placedAt(w, {0, 0, 150, 350}));
  ShowWindow(w, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(placedAt(w, {50, 60, 350, 260}));
}

// A window shown before; showing it maximised tells no WM_SHOWWINDOW.
TEST_F(WindowPositions, ShowingMaximised) {
  HWND w = shownTopLevel();
  ShowWindow(w, SW_HIDE);
  settle();
  ShowWindow(w, SW_SHOWMAXIMIZED);
  EXPECT_SEQUENCE({WM_GETMINMAXINFO, Sent}, {WM_WINDOWPOSCHANGING, Sent}, {WM_GETMINMAXINFO, Sent},
                  {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_ACTIVATEAPP, Sent | WParam, TRUE},
                  {WM_NCACTIVATE, Sent | WParam, TRUE}, {WM_ACTIVATE, Sent | WParam, WA_ACTIVE}, {WM_SETFOCUS, Sent},
                  {WM_NCPAINT, Sent | WParam, 1}, {WM_ERASEBKGND, Sent}, {WM_WINDOWPOSCHANGED, Sent},
                  {WM_MOVE, Sent | LParam, 0, MAKELPARAM(0, 19)},
                  {WM_SIZE, Sent | WParam | LParam, SIZE_MAXIMIZED, MAKELPARAM(1024, 749)});
  EXPECT_TRUE(placedAt(w, {-4, -4, 1028, 772}));
}

// Minimising the active window gives up the focus first and activation
// after; the window is parked off the screen, where it takes no focus and
// stays wherever the window manager says its icon went. Restoring asks
// WM_QUERYOPEN, activates it again and gives it the focus.
TEST_F(WindowPositions, MinimisingAndRestoringTheActiveWindow) {
  HWND w = shownTopLevel(10, 20, 455, 193);
  ShowWindow(w, SW_MINIMIZE);
  EXPECT_SEQUENCE({WM_KILLFOCUS, Sent | WParam, 0}, {WM_WINDOWPOSCHANGING, Sent}, {WM_GETMINMAXINFO, Sent},
                  {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_WINDOWPOSCHANGED, Sent},
                  {WM_MOVE, Sent | LParam, 0, MAKELPARAM(-32000, -32000)},
                  {WM_SIZE, Sent | WParam | LParam, SIZE_MINIMIZED, 0}, {WM_NCACTIVATE, Sent | WParam, FALSE},
                  {WM_ACTIVATE, Sent | WParam | LParam, WA_INACTIVE, 0}, {WM_ACTIVATEAPP, Sent | WParam, FALSE});
  EXPECT_TRUE(IsIconic(w));
  EXPECT_TRUE(placedAt(w, {-32000, -32000, -32000 + 160, -32000 + 24}));
  EXPECT_EQ(SetFocus(w), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  platform::input::placement(w, {100, 100, 260, 124});
  pump();
  EXPECT_TRUE(placedAt(w, {-32000, -32000, -32000 + 160, -32000 + 24}));
  clear();
  ShowWindow(w, SW_RESTORE);
  EXPECT_SEQUENCE({WM_QUERYOPEN, Sent}, {WM_WINDOWPOSCHANGING, Sent}, {WM_GETMINMAXINFO, Sent},
                  {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_ACTIVATEAPP, Sent | WParam, TRUE},
                  {WM_NCACTIVATE, Sent | WParam, TRUE}, {WM_ACTIVATE, Sent | WParam, WA_ACTIVE}, {WM_SETFOCUS, Sent},
                  {WM_NCPAINT, Sent | WParam, 1}, {WM_ERASEBKGND, Sent}, {WM_WINDOWPOSCHANGED, Sent}, {WM_MOVE, Sent},
                  {WM_SIZE, Sent | WParam | LParam, SIZE_RESTORED, MAKELPARAM(447, 166)},
                  {WM_ACTIVATE, Sent | WParam | LParam, WA_ACTIVE, 0});
  EXPECT_TRUE(placedAt(w, {10, 20, 465, 213}));
  EXPECT_EQ(GetFocus(), w);
}

// A maximised window minimised comes back maximised; restored, it returns
// to where it was before it was maximised.
TEST_F(WindowPositions, RestoringReturnsToTheRememberedPlace) {
  HWND w = shownTopLevel();
  MoveWindow(w, 30, 40, 300, 200, TRUE);
  const struct {
    int command;
    DWORD state;
    RECT place;
  } steps[] = {
      {SW_MAXIMIZE, WS_MAXIMIZE, {-4, -4, 1028, 772}},
      {SW_MINIMIZE, WS_MINIMIZE, {-32000, -32000, -31840, -31976}},
      {SW_RESTORE, WS_MAXIMIZE, {-4, -4, 1028, 772}},
      {SW_RESTORE, 0, {30, 40, 330, 240}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.command);
    ShowWindow(w, step.command);
    EXPECT_EQ(stateOf(w), step.state);
    EXPECT_TRUE(placedAt(w, step.place));
  }
}

// A command for the state the window is already in does nothing and
// answers that the window was visible (or not).
TEST_F(WindowPositions, ACommandForTheCurrentStateChangesNothing) {
  const struct {
    int before, command;
    BOOL wasVisible;
  } table[] = {{SW_MINIMIZE, SW_MINIMIZE, TRUE},
               {SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED, TRUE},
               {SW_SHOW, SW_SHOW, TRUE},
               {SW_HIDE, SW_HIDE, FALSE},
               {SW_SHOWNORMAL, SW_SHOWNOACTIVATE, TRUE}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.command);
    HWND w = shownTopLevel();
    ShowWindow(w, row.before);
    settle();
    const DWORD style = styleOf(w);
    EXPECT_EQ(ShowWindow(w, row.command), row.wasVisible);
    EXPECT_SEQUENCE();
    EXPECT_EQ(styleOf(w), style);
    DestroyWindow(w);
    settle();
  }
}

// Minimised, a child lies at the bottom left of its parent's client area.
TEST_F(WindowPositions, AMinimisedChildLiesAtTheBottomLeftOfItsParent) {
  HWND main = shownTopLevel(10, 20, 455, 193);
  HWND c = child(main, 1, 20, 20, 100, 50);
  ShowWindow(c, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(c));
  const int width = GetSystemMetrics(SM_CXMINIMIZED), height = GetSystemMetrics(SM_CYMINIMIZED);
  EXPECT_TRUE(placedAt(c, {0, 166 - height, width, 166}));
  ShowWindow(c, SW_RESTORE);
  EXPECT_TRUE(placedAt(c, {20, 20, 120, 70}));
}

// Only an enabled window carries out the commands of its system menu.
TEST_F(WindowPositions, SystemCommandsMaximiseMinimiseAndRestore) {
  const struct {
    bool enabled;
    UINT command;
    DWORD state;
  } cases[] = {
      {true, SC_MINIMIZE, WS_MINIMIZE}, {true, SC_RESTORE, 0}, {true, SC_MAXIMIZE, WS_MAXIMIZE},
      {true, SC_RESTORE, 0},            {false, SC_MAXIMIZE, 0}, {false, SC_MINIMIZE, 0},
  };
  HWND w = shownTopLevel();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    EnableWindow(w, c.enabled);
    DefWindowProcA(w, WM_SYSCOMMAND, c.command, 0);
    EXPECT_EQ(stateOf(w), c.state);
  }
}

TEST_F(WindowPositions, CreatingAPopupMaximised) {
  HWND w = topLevel(10, 20, 100, 50, WS_POPUP | WS_MAXIMIZE);
  EXPECT_SEQUENCE({WM_NCCREATE, Sent}, {WM_NCCALCSIZE, Sent | WParam, FALSE}, {WM_CREATE, Sent},
                  {WM_SIZE, Sent | WParam, SIZE_RESTORED}, {WM_MOVE, Sent}, {WM_GETMINMAXINFO, Sent},
                  {WM_WINDOWPOSCHANGING, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_WINDOWPOSCHANGED, Sent},
                  {WM_MOVE, Sent | LParam, 0, 0}, {WM_SIZE, Sent | WParam | LParam, SIZE_MAXIMIZED, MAKELPARAM(1024, 768)});
  EXPECT_TRUE(IsZoomed(w));
  EXPECT_FALSE(IsWindowVisible(w));
}

// What the handler leaves in the WINDOWPOS happens; a call that then moves
// nothing sends no WM_WINDOWPOSCHANGED.
TEST_F(WindowPositions, TheWindowPosChangingHandlerDecides) {
  HWND main = shownTopLevel();
  const struct {
    const char* name;
    std::function<void(WINDOWPOS&)> answer;
    UINT flags;
    RECT place;
    bool changed;
  } cases[] = {
      {"moved elsewhere", [](WINDOWPOS& p) {
         p.x = 30;
         p.cy = 40;
       }, SWP_NOZORDER, {30, 20, 90, 60}, true},
      {"kept in place", [](WINDOWPOS& p) { p.flags |= SWP_NOMOVE; }, SWP_NOZORDER, {10, 10, 70, 40}, true},
      {"left alone", [](WINDOWPOS& p) { p.flags |= SWP_NOMOVE | SWP_NOSIZE; }, SWP_NOZORDER, {10, 10, 60, 30}, false},
      {"moved after all", [](WINDOWPOS& p) { p.flags &= ~SWP_NOMOVE; }, SWP_NOZORDER | SWP_NOMOVE, {20, 20, 80, 50},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND w = watched(WS_CHILD | WS_VISIBLE, {10, 10, 60, 30}, main, Role::Child);
    watch.answerChanging = c.answer;
    clear();
    SetWindowPos(w, nullptr, 20, 20, 60, 30, c.flags | SWP_NOACTIVATE);
    watch.answerChanging = nullptr;
    EXPECT_TRUE(placedAt(w, c.place));
    EXPECT_EQ(!wParamsOf(WM_WINDOWPOSCHANGED).empty(), c.changed);
    DestroyWindow(w);
  }
}

// Without SWP_NOREDRAW (MoveWindow's bRepaint TRUE) the child and the part
// of its parent it uncovered are invalidated; with it, nothing is.
TEST_F(WindowPositions, NoRedrawLeavesTheUpdateRegionsAlone) {
  HWND main = shownTopLevel();
  const struct {
    const char* name;
    std::function<void(HWND)> place;
    bool redraws;
  } cases[] = {
      {"MoveWindow repainting", [](HWND w) { MoveWindow(w, 40, 50, 70, 30, TRUE); }, true},
      {"MoveWindow not repainting", [](HWND w) { MoveWindow(w, 40, 50, 70, 30, FALSE); }, false},
      {"SWP_NOREDRAW", [](HWND w) { SetWindowPos(w, nullptr, 40, 50, 70, 30, SWP_NOZORDER | SWP_NOREDRAW); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND w = watched(WS_CHILD | WS_VISIBLE, {10, 10, 60, 30}, main, Role::Child);
    settle();
    c.place(w);
    RECT update;
    EXPECT_EQ(GetUpdateRect(main, &update, FALSE), c.redraws);
    EXPECT_EQ(GetUpdateRect(w, &update, FALSE), c.redraws);
    EXPECT_EQ((watch.changed.flags & SWP_NOREDRAW) != 0, !c.redraws);
    EXPECT_TRUE(placedAt(w, {40, 50, 110, 80}));
    DestroyWindow(w);
    settle();
  }
}

// A child moved or shown by SetWindowPos without SWP_NOACTIVATE hears
// WM_CHILDACTIVATE, even when nothing else happens; MoveWindow and
// ShowWindow do not activate.
TEST_F(WindowPositions, ChildActivateForAChildPlacedBySetWindowPos) {
  HWND main = shownTopLevel();
  keepOnly({WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_CHILDACTIVATE, WM_WINDOWPOSCHANGED});
  const auto moved = [](HWND w) { SetWindowPos(w, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER); };
  const auto shown = [](HWND w) { SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE); };
  const auto moveWindow = [](HWND w) { MoveWindow(w, 20, 20, 50, 20, TRUE); };
  const auto showWindow = [](HWND w) { ShowWindow(w, SW_SHOW); };
  const struct {
    const char* name;
    DWORD style;
    std::function<void(HWND)> place;
    std::vector<UINT> childHears;
  } cases[] = {
      {"moved", WS_VISIBLE, moved, {WM_WINDOWPOSCHANGING, WM_CHILDACTIVATE, WM_WINDOWPOSCHANGED}},
      {"shown", 0, shown, {WM_WINDOWPOSCHANGING, WM_CHILDACTIVATE, WM_WINDOWPOSCHANGED}},
      {"already shown", WS_VISIBLE, shown, {WM_WINDOWPOSCHANGING, WM_CHILDACTIVATE}},
      {"MoveWindow", WS_VISIBLE, moveWindow, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}},
      {"ShowWindow", 0, showWindow, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND w = child(main, 1, 10, 10, 50, 20, c.style);
    settle();
    c.place(w);
    std::vector<Expected> expected;
    for (UINT message : c.childHears) expected.push_back({message, Sent, 0, 0, Role::Child});
    EXPECT_TRUE(matches(expected));
    DestroyWindow(w);
    settle();
  }
  keepAll();
}

}  // namespace
