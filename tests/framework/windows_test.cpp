// Windows opened from archived descriptions: where they are placed, the
// styles and caption they get, opening an open window, resizing, and
// closing, which for the main window quits the application.
#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

const ovMethodSelector kClose("Close");
const ovMethodSelector kGetFlags("Get Flags");
const ovMethodSelector kGetTitle("Get Title");
const ovMethodSelector kOpen("Open");
const ovMethodSelector kRun("Run");
const ovMethodSelector kSetTitle("Set Title");
const ovMethodSelector kSetVisible("Set Visible?");
const ovAttributeSelector kActive("Active?");
const ovAttributeSelector kFloating("Floating");
const ovAttributeSelector kFrame("Frame");
const ovAttributeSelector kInitialWindows("Initial Windows");
const ovAttributeSelector kLocation("Location");
const ovAttributeSelector kModal("Modal?");
const ovAttributeSelector kSize("Size");
const ovAttributeSelector kView("View");
const ovAttributeSelector kVisible("Visible?");
const ovAttributeSelector kWindowRecord("Window Record");
const ovAttributeSelector kWindowRecords("Window Records");
const ovAttributeSelector kWindows("Windows");
const ovClassName kWindow("Window");

POINT PointOf(ov::In v) { return ov::toPOINT(v); }

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

std::string CaptionOf(HWND hwnd) {
  char text[64] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

class Windows : public FrameworkTest {
 protected:
  // A second window, of class "Window", opened over the main window.
  static ovRef OpenSecondWindow(const std::map<std::string, std::string>& given) {
    SetDefault(WindowText("Window", given));
    ovRef window = ov::make(kWindow).take();
    EXPECT_TRUE(ov::send<0>(kOpen, window, {nullptr}).succeeded());
    return window;
  }

  static HWND RecordOf(ov::In window) { return ov::toHandle<HWND>(ov::get(kWindowRecord, window)); }
};

// On the 1024 by 768 screen, a window 200 high and 300 wide.
TEST_F(Windows, LocationModesCentreOrPlaceAsAnAlertOnTheScreen) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  const struct {
    const char* mode;
    int top, left;
  } cases[] = {{"2", 284, 362}, {"3", 189, 362}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    ovRef window = OpenSecondWindow({{"Location Mode", c.mode}, {"Size", "{ 200 300 }"}});
    POINT at = PointOf(ov::get(kLocation, window).get());
    EXPECT_EQ(at.y, c.top);
    EXPECT_EQ(at.x, c.left);
    RECT r = WindowRectOf(RecordOf(window));
    EXPECT_EQ(r.top, c.top);
    EXPECT_EQ(r.left, c.left);
    EXPECT_EQ(r.bottom - r.top, 200);
    EXPECT_EQ(r.right - r.left, 300);
    ov::tell(ov::send<0>(kClose, window));
  }
}

TEST_F(Windows, AStackedWindowGoesByTheFrontWindowUnlessItWouldLeaveTheScreen) {
  SetDefault(MainWindowText({{"Location", "{ 20 20 }"}}));
  OpenApplication();
  RunUntilIdle();
  ovRef fits = OpenSecondWindow({{"Location Mode", "4"}, {"Stacking Offset", "{ 30 40 }"}, {"Size", "{ 100 100 }"}});
  RECT r = WindowRectOf(RecordOf(fits));
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.left, 60);
  ovRef tooTall = OpenSecondWindow(
      {{"Location Mode", "4"}, {"Stacking Offset", "{ 30 40 }"}, {"Size", "{ 720 100 }"}, {"Location", "{ 5 7 }"}});
  r = WindowRectOf(RecordOf(tooTall));
  EXPECT_EQ(r.top, 5);
  EXPECT_EQ(r.left, 7);
  POINT at = PointOf(ov::get(kLocation, tooTall).get());
  EXPECT_EQ(at.y, 5);
  EXPECT_EQ(at.x, 7);
  ov::tell(ov::send<0>(kClose, fits));
  ov::tell(ov::send<0>(kClose, tooTall));
}

TEST_F(Windows, OpeningAnOpenWindowCreatesNothing) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  HWND first = MainWindowHandle();
  int before = TopLevelWindowCount();
  EXPECT_TRUE(ov::send<0>(kOpen, MainWindow(), {nullptr}).succeeded());
  RunUntilIdle();
  EXPECT_EQ(MainWindowHandle(), first);
  EXPECT_EQ(TopLevelWindowCount(), before);
  EXPECT_EQ(ov::length(ov::get(kWindows, Desktop())), 1u);
}

// Opening again brings the window to the front where it is; its stored
// place is the mode's again.
TEST_F(Windows, ReopeningAnOpenWindowPlacesItsLocationByItsModeButLeavesItWhereItIs) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  ovRef window = OpenSecondWindow({{"Location Mode", "2"}, {"Size", "{ 200 300 }"}});
  MoveWindow(RecordOf(window), 10, 15, 300, 200, TRUE);
  RunUntilIdle();
  ASSERT_EQ(PointOf(ov::get(kLocation, window).get()).x, 10);
  EXPECT_TRUE(ov::send<0>(kOpen, window, {nullptr}).succeeded());
  POINT at = PointOf(ov::get(kLocation, window).get());
  EXPECT_EQ(at.y, 284);
  EXPECT_EQ(at.x, 362);
  EXPECT_EQ(WindowRectOf(RecordOf(window)).left, 10);
  ov::tell(ov::send<0>(kClose, window));
}

// The application's initial windows, named by class, open with it after
// the main window and close with it.
TEST_F(Windows, InitialWindowsOpenAndCloseWithTheApplication) {
  SetDefault(MainWindowText());
  SetDefault(WindowText("Window", {{"Title", "\"Tool\""}, {"Location", "{ 300 300 }"}}));
  ov::set(kInitialWindows, Application(), ov::listOf({ov::text("Window")}));
  OpenApplication();
  RunUntilIdle();
  ovRef windows = ov::get(kWindows, Desktop());
  ASSERT_EQ(ov::length(windows), 2u);
  HWND tool = RecordOf(ov::element(windows, 1));
  EXPECT_EQ(CaptionOf(tool), "Tool");
  CloseApplication();
  EXPECT_FALSE(IsWindow(tool));
  EXPECT_EQ(TopLevelWindowCount(), 0);
}

// A child window needs the main window's view for its parent: without one
// the platform makes no window, the opening fails, and a modal window
// leaves the others enabled.
TEST_F(Windows, AWindowThePlatformCannotMakeFailsToOpenAndLeavesTheOthersEnabled) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  SetDefault(WindowText("Window", {{"Child?", "TRUE"}, {"Modal?", "TRUE"}}));
  ovRef orphan = ov::make(kWindow).take();
  EXPECT_TRUE(ov::send<0>(kOpen, orphan, {nullptr}).failed());
  EXPECT_EQ(RecordOf(orphan), nullptr);
  EXPECT_TRUE(IsWindowEnabled(MainWindowHandle()));
  EXPECT_EQ(ov::length(ov::get(kWindows, Desktop())), 1u);
}

// A window stored invisible opens hidden, takes a title while it is
// closed, and shows when made visible.
TEST_F(Windows, AnInvisibleWindowOpensHiddenUntilMadeVisible) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  SetDefault(WindowText("Window", {{"Visible?", "FALSE"}}));
  ovRef window = ov::make(kWindow).take();
  ov::tell(ov::send<0>(kSetTitle, window, {ov::text("Later")}));
  ov::tell(ov::send<0>(kOpen, window, {nullptr}));
  EXPECT_FALSE(IsWindowVisible(RecordOf(window)));
  EXPECT_EQ(CaptionOf(RecordOf(window)), "Later");
  ov::tell(ov::send<0>(kSetVisible, window, {gdDefaultTrue}));
  EXPECT_TRUE(IsWindowVisible(RecordOf(window)));
  ov::tell(ov::send<0>(kClose, window));
}

// The computed style is the border's bits, WS_CLIPCHILDREN and the
// window's own "Flags" (here WS_HSCROLL); the platform window has them.
TEST_F(Windows, TheBorderGivesTheFrameStyleAndEveryWindowClipsItsChildren) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
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
    EXPECT_EQ(static_cast<DWORD>(ov::toInt(ov::send(kGetFlags, window).get())), c.style);
    auto style = static_cast<DWORD>(GetWindowLongPtrA(RecordOf(window), GWL_STYLE));
    EXPECT_EQ(style & c.style, c.style);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_CHILD), c.style & (WS_SYSMENU | WS_THICKFRAME));
    ov::tell(ov::send<0>(kClose, window));
  }
}

TEST_F(Windows, AFloatingWindowIsATopmostToolWindowAmongTheDesktopsFloating) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  ovRef palette = OpenSecondWindow({{"Floating?", "TRUE"}, {"Location", "{ 300 300 }"}});
  auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(RecordOf(palette), GWL_EXSTYLE));
  EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
  EXPECT_EQ(ov::indexOf(ov::get(kFloating, Desktop()), palette), 0);
  ov::tell(ov::send<0>(kClose, palette));
  EXPECT_EQ(ov::length(ov::get(kFloating, Desktop())), 0u);
}

// The application in the background suspends its desktop: a floating
// window hides, the others stay; back in front, it shows again.
TEST_F(Windows, AFloatingWindowHidesWhileTheApplicationIsInTheBackground) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  ovRef palette = OpenSecondWindow({{"Floating?", "TRUE"}, {"Location", "{ 300 300 }"}});
  RunUntilIdle();
  platform::headless::switchAway();
  RunUntilIdle();
  EXPECT_FALSE(IsWindowVisible(RecordOf(palette)));
  EXPECT_TRUE(ov::isFalse(ov::get(kVisible, palette)));
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  platform::headless::switchBack(MainWindowHandle());
  RunUntilIdle();
  EXPECT_TRUE(IsWindowVisible(RecordOf(palette)));
  EXPECT_TRUE(ov::isTrue(ov::get(kVisible, palette)));
  ov::tell(ov::send<0>(kClose, palette));
}

TEST_F(Windows, AModalWindowDisablesTheOthersUntilItCloses) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  ovRef dialog = OpenSecondWindow({{"Modal?", "TRUE"}, {"Location", "{ 300 300 }"}});
  RunUntilIdle();
  EXPECT_FALSE(IsWindowEnabled(MainWindowHandle()));
  EXPECT_TRUE(IsWindowEnabled(RecordOf(dialog)));
  EXPECT_TRUE(ov::isTrue(ov::get(kModal, Desktop())));
  ov::tell(ov::send<0>(kClose, dialog));
  RunUntilIdle();
  EXPECT_TRUE(IsWindowEnabled(MainWindowHandle()));
  EXPECT_TRUE(ov::isFalse(ov::get(kModal, Desktop()))) << "the main window, active again, is not modal";
}

TEST_F(Windows, TheCaptionIsWhatTheWindowsClassGivesAsTitleAndFollowsSetTitle) {
  SetDefault(MainWindowText({{"Title", "\"Stored Title\""}}));
  OpenApplication();
  RunUntilIdle();
  EXPECT_EQ(CaptionOf(MainWindowHandle()), ov::chars(ov::send(kGetTitle, MainWindow()).get()));
  ov::tell(ov::send<0>(kSetTitle, MainWindow(), {ov::text("Renamed")}));
  EXPECT_EQ(CaptionOf(MainWindowHandle()), "Renamed");
}

TEST_F(Windows, AResizeReachesTheStoredSizeAndTheViewsFrame) {
  SetDefault(MainWindowText({{"View", ViewText("")}}));
  OpenApplication();
  RunUntilIdle();
  MoveWindow(MainWindowHandle(), 40, 30, 400, 250, TRUE);
  RunUntilIdle();
  POINT size = PointOf(ov::get(kSize, MainWindow()).get());
  EXPECT_EQ(size.y, 250);
  EXPECT_EQ(size.x, 400);
  POINT at = PointOf(ov::get(kLocation, MainWindow()).get());
  EXPECT_EQ(at.y, 30);
  EXPECT_EQ(at.x, 40);
  RECT client{};
  GetClientRect(MainWindowHandle(), &client);
  RECT frame = ov::toRECT(ov::get(kFrame, ov::get(kView, MainWindow())).get());
  EXPECT_TRUE(EqualRect(&frame, &client));
}

TEST_F(Windows, ClosingTheMainWindowQuitsAndTheApplicationTakesItDown) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  HWND main = MainWindowHandle();
  ovRef window = MainWindow();
  ovRef desktop = Desktop();
  platform::headless::requestClose(main);
  RunUntilIdle();
  EXPECT_TRUE(ov::isFalse(ov::get(kActive, Application())));
  EXPECT_EQ(ov::send<0>(kRun, Application()).status, ovTerminate);
  EXPECT_TRUE(IsWindow(main)) << "quitting leaves the closing to the application";
  CloseApplication();
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(ov::get(kWindowRecord, window).get(), nullptr);
  EXPECT_EQ(ov::length(ov::get(kWindows, desktop)), 0u);
  EXPECT_EQ(ov::length(ov::get(kWindowRecords, desktop)), 0u);
}

// Closed by the program or at a person's request through the platform.
TEST_F(Windows, ClosingAnotherWindowTakesItOutOfTheDesktop) {
  SetDefault(MainWindowText());
  OpenApplication();
  RunUntilIdle();
  for (bool requested : {false, true}) {
    SCOPED_TRACE(requested ? "requested" : "sent");
    ovRef other = OpenSecondWindow({{"Location", "{ 300 300 }"}});
    HWND hwnd = RecordOf(other);
    EXPECT_EQ(ov::length(ov::get(kWindows, Desktop())), 2u);
    if (requested)
      platform::headless::requestClose(hwnd);
    else
      EXPECT_TRUE(ov::send<0>(kClose, other).succeeded());
    RunUntilIdle();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(ov::isFalse(ov::get(kActive, other)));
    EXPECT_EQ(ov::length(ov::get(kWindows, Desktop())), 1u);
    EXPECT_EQ(ov::length(ov::get(kWindowRecords, Desktop())), 1u);
    EXPECT_TRUE(ov::isTrue(ov::get(kActive, Application()))) << "only the main window's class quits";
  }
}

}  // namespace
