// The demo on the headless backend: the steps the end-to-end test takes on a
// real display, with results known in advance.
#include <gtest/gtest.h>

#include "demo/demo_window.h"
#include "platform/backends/headless/headless.h"
#include "watchdog.h"

namespace {

namespace headless = platform::headless;

POINT centreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void clickOn(HWND window) {
  POINT p = centreOf(window);
  headless::click(p.x, p.y);
}

void typeDigits(const char* digits) {
  for (const char* d = digits; *d; ++d) headless::pressKey(static_cast<UINT>(*d));
}

void selectAll() {
  headless::pressKey(VK_HOME);
  headless::keyDown(VK_SHIFT);
  headless::pressKey(VK_END);
  headless::keyUp(VK_SHIFT);
}

// Pixels of the window's surface that differ from the dialog face colour in
// the band below the controls, where the value is painted.
int inkBelowTheControls(HWND window, HWND field) {
  const platform::gdi::Surface* surface = headless::surfaceOf(window);
  RECT outer{}, control{};
  GetWindowRect(window, &outer);
  GetWindowRect(field, &control);
  uint32_t face = platform::gdi::pixelFromColorRef(GetSysColor(COLOR_3DFACE));
  int ink = 0;
  for (int y = control.bottom - outer.top + 4; y < control.bottom - outer.top + 40; ++y)
    for (int x = control.left - outer.left; x < control.left - outer.left + 120; ++x) ink += surface->pixel(x, y) != face;
  return ink;
}

TEST(DemoArithmetic, SmallerPartRoundsTheGoldenSection) {
  struct Case {
    const char* digits;
    long long part;
  } cases[] = {{"100", 62}, {"250", 155}, {"1", 1}, {"2", 1}, {"0", 0}, {"", 0},
               {"809", 500}, {"4294967296", 2654504108LL}, {"007", 4}};
  for (const Case& c : cases) EXPECT_EQ(demo::smallerPart(c.digits), c.part) << '"' << c.digits << '"';
}

TEST(DemoWindow, GoShowsAndReportsThePartAndFileExitEndsTheLoop) {
  Watchdog watchdog;
  ASSERT_TRUE(headless::start());
  demo::DemoWindow demo = demo::openDemoWindow();
  ASSERT_NE(demo.window, nullptr);
  headless::runUntilIdle();
  EXPECT_EQ(inkBelowTheControls(demo.window, demo.field), 0);

  clickOn(demo.field);
  selectAll();
  typeDigits("25x0");  // the field takes digits only
  headless::runUntilIdle();
  char text[16] = "";
  GetWindowTextA(demo.field, text, sizeof text);
  EXPECT_STREQ(text, "250");

  ::testing::internal::CaptureStdout();
  clickOn(demo.go);
  headless::runUntilIdle();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "155\n");
  EXPECT_EQ(demo::shownValue(), "155");
  EXPECT_GT(inkBelowTheControls(demo.window, demo.field), 0);

  headless::keyDown(VK_MENU);
  headless::pressKey('F');
  headless::keyUp(VK_MENU);
  headless::pressKey('X');
  headless::RunResult run = headless::runUntilIdle();
  EXPECT_TRUE(run.quit);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(IsWindow(demo.window));
}

}  // namespace
