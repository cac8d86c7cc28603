// Windows opened from archived descriptions: where they are placed, the
// styles and caption they get, opening an open window, resizing, and
// closing, which for the main window quits the application.
#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

RECT WindowRectOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

int TopLevelWindowCount() {
  int count = 0;
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) ++count;
  return count;
}

class Windows : public FrameworkTest {
 protected:
  // A second window, of class "Window", opened over the main window.
  static ovRef OpenSecondWindow(const std::map<std::string, std::string>& given) {
    SetDefault(WindowText("Window", given));
    ovRef window = ov::make("Window"_cls).take();
    EXPECT_TRUE(ov::send<0>("Open"_sel, window, {nullptr}).succeeded());
    return window;
  }

  static HWND RecordOf(ov::In window) { return ov::toHandle<HWND>(ov::get("Window Record"_attr, window)); }
};

// On the 1024 by 768 screen, a window 200 high and 300 wide centred or
// placed as an alert; a stacked window goes by the front window (the main
// window at 20, 20) unless it would leave the screen; no mode is mode 1.
TEST_F(Windows, TheLocationModePlacesTheWindow) {
  OpenMainWindow(MainWindowText());
  const struct {
    const char *mode, *size;
    int top, left, height;
  } cases[] = {{"2", "{ 200 300 }", 284, 362, 200},
               {"3", "{ 200 300 }", 189, 362, 200},
               {"4", "{ 200 300 }", 50, 60, 200},
               {"4", "{ 720 300 }", 5, 7, 720},
               {"NULL", "{ 200 300 }", 5, 7, 200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.size);
    ovRef window = OpenSecondWindow(
        {{"Location Mode", c.mode}, {"Size", c.size}, {"Stacking Offset", "{ 30 40 }"}, {"Location", "{ 5 7 }"}});
    POINT at = ov::toPOINT(ov::get("Location"_attr, window).get());
    EXPECT_EQ(at.y, c.top);
    EXPECT_EQ(at.x, c.left);
    RECT r = WindowRectOf(RecordOf(window));
    EXPECT_EQ(r.top, c.top);
    EXPECT_EQ(r.left, c.left);
    EXPECT_EQ(r.bottom - r.top, c.height);
    EXPECT_EQ(r.right - r.left, 300);
    ov::tell(ov::send<0>("Close"_sel, window));
  }
}

// Opening an open window creates nothing and brings it to the front where
// it is; its stored place is the mode's again.
TEST_F(Windows, ReopeningAnOpenWindowPlacesItsLocationByItsModeButLeavesItWhereItIs) {
  OpenMainWindow(MainWindowText());
  ovRef window = OpenSecondWindow({{"Location Mode", "2"}, {"Size", "{ 200 300 }"}});
  MoveWindow(RecordOf(window), 10, 15, 300, 200, TRUE);
  RunUntilIdle();
  ASSERT_EQ(ov::toPOINT(ov::get("Location"_attr, window).get()).x, 10);
  int before = TopLevelWindowCount();
  EXPECT_TRUE(ov::send<0>("Open"_sel, window, {nullptr}).succeeded());
  EXPECT_EQ(TopLevelWindowCount(), before) << "nothing is created";
  EXPECT_EQ(ov::length(ov::get("Windows"_attr, Desktop())), 2u);
  POINT at = ov::toPOINT(ov::get("Location"_attr, window).get());
  EXPECT_EQ(at.y, 284);
  EXPECT_EQ(at.x, 362);
  EXPECT_EQ(WindowRectOf(RecordOf(window)).left, 10);
  ov::tell(ov::send<0>("Close"_sel, window));
}

// The application's initial windows, named by class or given themselves,
// open with it after the main window and close with it.
TEST_F(Windows, InitialWindowsOpenAndCloseWithTheApplication) {
  SetDefault(WindowText("Window", {{"Title", "\"Tool\""}, {"Location", "{ 300 300 }"}}));
  ovRef palette = Value(WindowText("Window", {{"Title", "\"Palette\""}}));
  ov::set("Initial Windows"_attr, Application(), ov::listOf({ov::text("Window"), palette}));
  OpenMainWindow(MainWindowText());
  ovRef windows = ov::get("Windows"_attr, Desktop());
  ASSERT_EQ(ov::length(windows), 3u);
  HWND tool = RecordOf(ov::element(windows, 1));
  EXPECT_EQ(TextOf(tool), "Tool");
  EXPECT_EQ(ov::element(windows, 2), palette.get());
  CloseApplication();
  EXPECT_FALSE(IsWindow(tool));
  EXPECT_EQ(TopLevelWindowCount(), 0);
}

// A child window needs the main window's view for its parent: without one
// the platform makes no window, the opening fails, and a modal window
// leaves the others enabled.
TEST_F(Windows, AWindowThePlatformCannotMakeFailsToOpenAndLeavesTheOthersEnabled) {
  OpenMainWindow(MainWindowText());
  SetDefault(WindowText("Window", {{"Child?", "TRUE"}, {"Modal?", "TRUE"}}));
  ovRef orphan = ov::make("Window"_cls).take();
  EXPECT_TRUE(ov::send<0>("Open"_sel, orphan, {nullptr}).failed());
  EXPECT_EQ(RecordOf(orphan), nullptr);
  EXPECT_TRUE(IsWindowEnabled(MainWindowHandle()));
  EXPECT_EQ(ov::length(ov::get("Windows"_attr, Desktop())), 1u);
}

// In an application that is not MDI, a child window is a plain child of
// the main view's platform window: it moves as one, and closes.
TEST_F(Windows, AChildWindowOfAnApplicationThatIsNotMdiIsAPlainChildOfTheMainView) {
  OpenMainWindow(MainWindowText({{"View", ViewText("")}}));
  ovRef child = OpenSecondWindow({{"Child?", "TRUE"}, {"Location", "{ 5 5 }"}, {"Size", "{ 80 120 }"}});
  HWND hwnd = RecordOf(child);
  EXPECT_EQ(GetParent(hwnd), RecordOf(ov::get("View"_attr, MainWindow())));
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
  MoveWindow(hwnd, 10, 20, 150, 100, TRUE);
  RunUntilIdle();
  POINT size = ov::toPOINT(ov::get("Size"_attr, child));
  EXPECT_EQ((Sides{size.x, size.y}), (Sides{150, 100}));
  ov::tell(ov::send<0>("Close"_sel, child));
  EXPECT_FALSE(IsWindow(hwnd));
}

// A window stored invisible opens hidden, takes a title while it is
// closed, and shows when made visible.
TEST_F(Windows, AnInvisibleWindowOpensHiddenUntilMadeVisible) {
  OpenMainWindow(MainWindowText());
  SetDefault(WindowText("Window", {{"Visible?", "FALSE"}}));
  ovRef window = ov::make("Window"_cls).take();
  ov::tell(ov::send<0>("Set Title"_sel, window, {ov::text("Later")}));
  ov::tell(ov::send<0>("Open"_sel, window, {nullptr}));
  EXPECT_FALSE(IsWindowVisible(RecordOf(window)));
  EXPECT_EQ(TextOf(RecordOf(window)), "Later");
  ov::tell(ov::send<0>("Set Visible?"_sel, window, {gdDefaultTrue}));
  EXPECT_TRUE(IsWindowVisible(RecordOf(window)));
  ov::tell(ov::send<0>("Close"_sel, window));
}

// The computed style is the border's bits, WS_CLIPCHILDREN and the
// window's own "Flags" (here WS_HSCROLL); the platform window has them.
TEST_F(Windows, TheBorderGivesTheFrameStyleAndEveryWindowClipsItsChildren) {
  OpenMainWindow(MainWindowText());
  const struct {
    const char* border;
    DWORD style;
  } cases[] = {
      {"NULL", WS_CLIPCHILDREN | WS_HSCROLL},
      {"<<Window Border>> [ \"Border\": 0 \"Caption?\": TRUE \"Sys Menu?\": TRUE \"Minimize?\": TRUE ]",
       WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_HSCROLL},
      {"<<Window Border>> [ \"Border\": 262144 \"Maximize?\": TRUE ]",
       WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN | WS_HSCROLL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.border);
    ovRef window = OpenSecondWindow({{"Border", c.border}, {"Flags", "1048576"}});
    EXPECT_EQ(static_cast<DWORD>(ov::toInt(ov::send("Get Flags"_sel, window).get())), c.style);
    auto style = static_cast<DWORD>(GetWindowLongPtrA(RecordOf(window), GWL_STYLE));
    EXPECT_EQ(style & c.style, c.style);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_CHILD), c.style & (WS_SYSMENU | WS_THICKFRAME));
    ov::tell(ov::send<0>("Close"_sel, window));
  }
}

// The application in the background suspends its desktop: a floating
// window hides, the others stay; back in front, it shows again.
TEST_F(Windows, AFloatingWindowIsATopmostToolWindowHiddenWhileTheApplicationIsInTheBackground) {
  OpenMainWindow(MainWindowText());
  ovRef palette = OpenSecondWindow({{"Floating?", "TRUE"}, {"Location", "{ 300 300 }"}});
  auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(RecordOf(palette), GWL_EXSTYLE));
  EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
  EXPECT_EQ(ov::indexOf(ov::get("Floating"_attr, Desktop()), palette), 0);
  RunUntilIdle();
  platform::headless::switchAway();
  RunUntilIdle();
  EXPECT_FALSE(IsWindowVisible(RecordOf(palette)));
  EXPECT_TRUE(ov::isFalse(ov::get("Visible?"_attr, palette)));
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  platform::headless::switchBack(MainWindowHandle());
  RunUntilIdle();
  EXPECT_TRUE(IsWindowVisible(RecordOf(palette)));
  EXPECT_TRUE(ov::isTrue(ov::get("Visible?"_attr, palette)));
  ov::tell(ov::send<0>("Close"_sel, palette));
  EXPECT_EQ(ov::length(ov::get("Floating"_attr, Desktop())), 0u);
  ov::tell(ov::send<0>("Close"_sel, palette));
  EXPECT_EQ(ov::length(ov::get("Windows"_attr, Desktop())), 1u) << "closed again: nothing changes";
}

// Clicks the platform would not deliver to a disabled window are dropped;
// the menus' update while the modal window is in front enables "Exit".
TEST_F(Windows, AModalWindowDisablesTheOthersUntilItCloses) {
  OpenMainWindow(MainWindowText({{"Has Menubar?", "TRUE"}}));
  ovRef dialog = OpenSecondWindow({{"Modal?", "TRUE"}, {"Location", "{ 300 300 }"}});
  HMENU file = GetSubMenu(GetMenu(MainWindowHandle()), 0);
  EnableMenuItem(file, 0, MF_BYPOSITION | MF_GRAYED);
  RunUntilIdle();
  EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_FALSE(IsWindowEnabled(MainWindowHandle()));
  EXPECT_TRUE(IsWindowEnabled(RecordOf(dialog)));
  EXPECT_TRUE(ov::isTrue(ov::get("Modal?"_attr, Desktop())));
  SendMessageA(MainWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(ov::get("Last Window"_attr, Desktop()).get(), nullptr) << "a click outside the modal window is dropped";
  ov::tell(ov::send<0>("Close"_sel, dialog));
  RunUntilIdle();
  EXPECT_TRUE(IsWindowEnabled(MainWindowHandle()));
  EXPECT_TRUE(ov::isFalse(ov::get("Modal?"_attr, Desktop()))) << "the main window, active again, is not modal";
}

TEST_F(Windows, TheCaptionIsWhatTheWindowsClassGivesAsTitleAndFollowsSetTitle) {
  OpenMainWindow(MainWindowText({{"Title", "\"Stored Title\""}}));
  EXPECT_EQ(TextOf(MainWindowHandle()), ov::chars(ov::send("Get Title"_sel, MainWindow()).get()));
  ov::tell(ov::send<0>("Set Title"_sel, MainWindow(), {ov::text("Renamed")}));
  EXPECT_EQ(TextOf(MainWindowHandle()), "Renamed");
}

TEST_F(Windows, AResizeReachesTheStoredSizeAndTheViewsFrame) {
  OpenMainWindow(MainWindowText({{"View", ViewText("")}}));
  MoveWindow(MainWindowHandle(), 40, 30, 400, 250, TRUE);
  RunUntilIdle();
  POINT size = ov::toPOINT(ov::get("Size"_attr, MainWindow()).get());
  POINT at = ov::toPOINT(ov::get("Location"_attr, MainWindow()).get());
  EXPECT_EQ((Sides{at.x, at.y, size.x, size.y}), (Sides{40, 30, 400, 250}));
  RECT client{};
  GetClientRect(MainWindowHandle(), &client);
  RECT frame = ov::toRECT(ov::get("Frame"_attr, ov::get("View"_attr, MainWindow())).get());
  EXPECT_TRUE(EqualRect(&frame, &client));
}

TEST_F(Windows, ClosingTheMainWindowQuitsAndTheApplicationTakesItDown) {
  OpenMainWindow(MainWindowText());
  HWND main = MainWindowHandle();
  ovRef window = MainWindow();
  ovRef desktop = Desktop();
  platform::headless::requestClose(main);
  RunUntilIdle();
  EXPECT_TRUE(ov::isFalse(ov::get("Active?"_attr, Application())));
  EXPECT_EQ(ov::send<0>("Run"_sel, Application()).status, ovTerminate);
  EXPECT_TRUE(IsWindow(main)) << "quitting leaves the closing to the application";
  CloseApplication();
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(ov::get("Window Record"_attr, window).get(), nullptr);
  EXPECT_EQ(ov::length(ov::get("Windows"_attr, desktop)), 0u);
  EXPECT_EQ(ov::length(ov::get("Window Records"_attr, desktop)), 0u);
}

// Closed by the program or at a person's request through the platform, a
// window leaves the desktop. Its owner closes first: one that refuses (an
// open file that cannot close) keeps the window open, one that closes is
// left the platform window, and NONE is no owner (the menus' update, which
// asks the owner too, has run meanwhile). Closing a window never opened
// changes nothing.
TEST_F(Windows, ClosingAnotherWindowClosesItsOwnerFirstAndTakesItOutOfTheDesktop) {
  OpenMainWindow(MainWindowText({{"Has Menubar?", "TRUE"}}));
  const struct {
    const char* owner;
    bool requested, closes, destroyed;
  } cases[] = {{nullptr, false, true, true},
               {nullptr, true, true, true},
               {"NONE", false, true, true},
               {R"(<<File>> [ "File Reference": 7 ])", false, false, false},
               {"<<File>>", false, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.owner ? c.owner : "no owner") + (c.requested ? ", requested" : ""));
    SetDefault(WindowText("Window", {{"Location", "{ 300 300 }"}}));
    ovRef window = ov::make("Window"_cls).take();
    ov::tell(ov::send<0>("Open"_sel, window, {c.owner ? Value(c.owner) : ovRef()}));
    RunUntilIdle();
    HWND hwnd = RecordOf(window);
    if (c.requested)
      platform::headless::requestClose(hwnd);
    else
      EXPECT_EQ(ov::send<0>("Close"_sel, window).succeeded(), c.closes);
    RunUntilIdle();
    EXPECT_EQ(IsWindow(hwnd), !c.destroyed);
    EXPECT_EQ(ov::isTrue(ov::get("Active?"_attr, window)), !c.closes);
    EXPECT_EQ(ov::length(ov::get("Windows"_attr, Desktop())), c.destroyed ? 1u : 2u);
    EXPECT_EQ(ov::length(ov::get("Window Records"_attr, Desktop())), c.destroyed ? 1u : 2u);
    EXPECT_TRUE(ov::isTrue(ov::get("Active?"_attr, Application()))) << "only the main window's class quits";
    ov::set("Owner"_attr, window, nullptr);
    ov::tell(ov::send<0>("Close"_sel, window));
  }
  SetDefault(WindowText("Window", {{"View", ViewText("")}}));
  EXPECT_TRUE(ov::send<0>("Close"_sel, ov::make("Window"_cls).get()).succeeded()) << "one never opened";
  EXPECT_EQ(ov::length(ov::get("Windows"_attr, Desktop())), 1u);
}

}  // namespace
