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
                                                     "Active?": TRUE "Visible?": TRUE ])")}}));
  }

  // The sends the input makes until the loop is idle again.
  template <typename Input>
  std::string Traced(Input input) {
    ::testing::internal::CaptureStderr();
    ov::trace::Enable(true);
    input();
    RunUntilIdle();
    ov::trace::Enable(false);
    return ::testing::internal::GetCapturedStderr();
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

TEST_F(TracedRouting, ARightPressOffEveryItemReachesNoItem) {
  std::string trace = TraceOfClick(Button::Right, 100, 100);
  EXPECT_TRUE(InOrder(trace, Road("Mouse Down Right", "View/Mouse Down Right {")));
  EXPECT_EQ(trace.find("Window Item/Mouse Down Right"), std::string::npos);
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

}  // namespace
