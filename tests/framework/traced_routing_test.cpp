// Events whose road the send trace shows: the right and middle buttons
// over an item of the main window's view, whose press and release travel
// from the event handler through the desktop, the window and the view (a
// right press on to the item under the pointer), and a typed character.
#include <string>
#include <vector>

#include "archived_windows.h"
#include "framework_fixture.h"
#include "runtime/methods/send_trace.h"

namespace {

using platform::input::Button;

// Whether the lines appear in the text in this order.
::testing::AssertionResult InOrder(const std::string& text, const std::vector<std::string>& lines) {
  size_t at = 0;
  for (const std::string& line : lines) {
    at = text.find(line, at);
    if (at == std::string::npos) return ::testing::AssertionFailure() << "missing or out of order: " << line;
  }
  return ::testing::AssertionSuccess();
}

class TracedRouting : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    OpenMainWindow(MainWindowText({{"View", ViewText(R"(<<Window Item>> [ "Name": "Spot" "Frame": { 10 10 50 50 }
                                                     "Active?": TRUE "Visible?": TRUE ]
                                                     <<View>> [ "Name": "Nest" "Frame": { 10 120 60 180 }
                                                     "Active?": TRUE "Visible?": TRUE "Origin": { 0 0 } "Content": (
                                                     <<Window Item>> [ "Name": "Nested" "Frame": { 0 0 50 60 }
                                                     "Active?": TRUE "Visible?": TRUE ] ) ])")}}));
  }

  // The sends a call makes.
  template <typename Call>
  static std::string TraceOf(Call call) {
    ::testing::internal::CaptureStderr();
    ov::trace::Enable(true);
    call();
    ov::trace::Enable(false);
    return ::testing::internal::GetCapturedStderr();
  }

  // The sends the input makes until the loop is idle again.
  template <typename Input>
  std::string Traced(Input input) {
    return TraceOf([&] {
      input();
      RunUntilIdle();
    });
  }

  // The sends a click of the button at a point of the client area makes.
  std::string TraceOfClick(Button button, int x, int y) {
    POINT p = OnScreen(x, y);
    return Traced([&] { platform::headless::click(p.x, p.y, button); });
  }
};

std::vector<std::string> Road(const std::string& method, const std::string& last) {
  return {"Event Handler/" + method + " {", "Desktop/" + method + " {", "Main Window/" + method + " {", last};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(TracedRouting, PressAndReleaseTravelToTheViewAndARightPressToTheItem) {
  const struct {
    Button button;
    const char* name;
    std::vector<std::string> road;
  } cases[] = {
      {Button::Right, "right",
       Road("Mouse Down Right", "Window Item/Mouse Down Right") + Road("Mouse Up Right", "View/Mouse Up Right")},
      {Button::Middle, "middle",
       Road("Mouse Down Middle", "View/Mouse Down Middle") + Road("Mouse Up Middle", "View/Mouse Up Middle")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(InOrder(TraceOfClick(c.button, 20, 20), c.road));
  }
}

// Only the root view's own platform window takes a right press: one in a
// nested view reaches no item either.
TEST_F(TracedRouting, ARightPressOffEveryItemOrInANestedViewReachesNoItem) {
  for (POINT at : {POINT{100, 100}, POINT{150, 30}}) {
    SCOPED_TRACE(at.x);
    std::string trace = TraceOfClick(Button::Right, at.x, at.y);
    EXPECT_TRUE(InOrder(trace, Road("Mouse Down Right", "View/Mouse Down Right")));
    EXPECT_EQ(trace.find("Window Item/Mouse Down Right"), std::string::npos);
  }
}

// A character typed in a window that holds no control reaches the target,
// the window, with the key the event carries; the window offers it to its
// special keys and then to the desktop.
TEST_F(TracedRouting, ATypedCharacterReachesTheTargetThroughTheHandler) {
  SetForegroundWindow(MainWindowHandle());
  std::string trace = Traced([] { platform::headless::typeText("a"); });
  EXPECT_TRUE(InOrder(trace, {"Event Handler/Key Down {", "Event/Check Key", "Main Window/Key Down {",
                              "Main Window/Special Key", "Desktop/Key Down"}));
}

// A message for a window of the framework's class that the desktop does
// not know is still named and routed, and reaches no window.
TEST_F(TracedRouting, AMessageForAWindowTheDesktopDoesNotKnowReachesNoWindow) {
  HWND unowned = UnownedFrameworkWindow();
  ASSERT_NE(unowned, nullptr);
  const struct {
    UINT message;
    const char* method;
  } cases[] = {{WM_MOUSEMOVE, "Mouse Moved"},
               {WM_LBUTTONUP, "Mouse Up"},
               {WM_RBUTTONDOWN, "Mouse Down Right"},
               {WM_RBUTTONUP, "Mouse Up Right"},
               {WM_MBUTTONDOWN, "Mouse Down Middle"},
               {WM_MBUTTONUP, "Mouse Up Middle"},
               {WM_COMMAND, "On Command"},
               {WM_CTLCOLORBTN, "Change Color"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.method);
    std::string trace = TraceOf([&] { EXPECT_EQ(SendMessageA(unowned, c.message, 0, 0), 0); });
    EXPECT_TRUE(InOrder(trace, {"Event Handler/" + std::string(c.method) + " {", "Desktop/" + std::string(c.method)}));
    EXPECT_EQ(trace.find("Main Window/"), std::string::npos);
  }
  std::string trace = TraceOf([&] { EXPECT_EQ(SendMessageA(unowned, WM_NCHITTEST, 0, MAKELPARAM(5, 5)), HTCLIENT); });
  EXPECT_EQ(trace.find("Hit Test"), std::string::npos) << "a hit test asks no framework object";
  DestroyWindow(unowned);
}

// A press or a scroll of the window's own platform window that has
// neither a position nor a code goes to the menubar; any other goes to
// the root view.
TEST_F(TracedRouting, APressOfTheWindowItselfWithoutPositionOrCodeIsTheMenubars) {
  ov::tell(ov::send<0>("Open Menubar"_sel, MainWindow()));
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* reached;
  } cases[] = {{WM_LBUTTONDOWN, 0, 0, "Menubar/Mouse Down"},
               {WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5), "View/Mouse Down"},
               {WM_LBUTTONDOWN, MAKEWPARAM(0, 1), 0, "View/Mouse Down"},
               {WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 1), 0, "View/Mouse Down"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reached);
    std::string trace = TraceOf([&] { SendMessageA(MainWindowHandle(), c.message, c.wParam, c.lParam); });
    EXPECT_TRUE(InOrder(trace, {"Main Window/Mouse Down {", c.reached}));
    EXPECT_EQ(trace.find(std::string(c.reached) == "View/Mouse Down" ? "Menubar/" : "View/"), std::string::npos);
  }
}

// Closing the application closes its rainy-day fund and releases its
// abort routine.
TEST_F(TracedRouting, ClosingTheApplicationClosesTheRainyDayFundAndReleasesTheAbortRoutine) {
  ov::set("Rainy Day Fund"_attr, Application(), Value("<<File>>"));
  ov::set("Abort Routine"_attr, Application(),
          ov::primitive("callback"_prim, {ov::text("VornWndProc"), ov::text("WNDPROC")}).get());
  std::string trace = TraceOf([this] { CloseApplication(); });
  EXPECT_NE(trace.find("File/Close"), std::string::npos);
  EXPECT_EQ(ov::get("Abort Routine"_attr, Application()).get(), nullptr);
}

// The handler routes an event by its name: one without a message, without
// a name or with a name of no route is dropped; a notification of code 1
// (an accelerator's) is a key, which reaches the target when there is one.
TEST_F(TracedRouting, TheHandlerDropsWhatHasNoRouteAndTakesANotificationOfCodeOneForAKey) {
  const struct {
    const char* platformEvent;
    bool key, targeted;
  } cases[] = {
      {"NULL", false, true},
      {"<<Platform Event>>", false, true},
      {R"(<<Platform Event>> [ "Type": "QUIT" ])", false, true},
      {R"(<<Platform Event>> [ "Type": "SPIN" ])", false, true},
      {R"(<<Platform Event>> [ "Type": "NOTIFY" "WParam": 131072 ])", false, true},
      {R"(<<Platform Event>> [ "Type": "NOTIFY" "WParam": 65536 ])", true, true},
      {R"(<<Platform Event>> [ "Type": "NOTIFY" "WParam": 65536 ])", true, false},
  };
  ovRef commander = ov::get("Commander"_attr, Application());
  ovRef handler = ov::get("Event Handler"_attr, commander);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.platformEvent) + (c.targeted ? "" : " without a target"));
    ovRef target = ov::get("Target"_attr, Application());
    if (!c.targeted) ov::set("Target"_attr, Application(), nullptr);
    ovRef event = Value(std::string(R"(<<Event>> [ "Platform Event": )") + c.platformEvent + " ]");
    std::string trace = TraceOf([&] { ov::tell(ov::send<0>("Do Event"_sel, handler, {event, commander})); });
    ov::set("Target"_attr, Application(), target);
    EXPECT_EQ(trace.find("Event Handler/Key Down {") != std::string::npos, c.key);
    EXPECT_EQ(trace.find("Main Window/Key Down {") != std::string::npos, c.key && c.targeted);
  }
}

}  // namespace
