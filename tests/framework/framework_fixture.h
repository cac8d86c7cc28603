// What tests of the framework share: the run-time with the program's own
// archive installed, on the headless backend, and the means to open the
// application, run its loop until it has nothing left to do, and close it.
//
// Tests describe the windows and objects they need in the archive text form
// (resources/README.md) and install them as class defaults or persistent
// values before the application opens. Input is injected at the backend as
// a person would give it (platform/backends/headless/headless.h). At the end
// the heap must hold exactly what it held before the test: the run-time
// fixture checks it once the tables' own values are dropped.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/loop_driver.h"
#include "framework/persistents.h"
#include "platform/backends/headless/headless.h"
#include "platform/win32.h"
#include "runtime/archive/from_bytes.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/startup/init_data.h"
#include "runtime_fixture.h"
#include "tools/archive/archive_text.h"
#include "watchdog.h"

class FrameworkTest : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    ASSERT_TRUE(platform::headless::start());
    InitData(GetModuleHandleA(nullptr));
  }

  void TearDown() override {
    if (opened_) CloseApplication();
    TablesTest::TearDown();
  }

  // The value an archive text's root describes (one use for the caller).
  static ovRef Value(std::string_view text) {
    std::vector<unsigned char> block;
    std::string error;
    EXPECT_TRUE(ovBuildArchive(text, &block, &error)) << error;
    ovC_object* root = nullptr;
    DBFromBytes(block.data(), block.size(), &root);
    return ovRef::adopt(root);
  }

  // Makes an archived instance the default of its class, so that the
  // framework makes its objects from it (a "Main Window" default becomes
  // the main window).
  static void SetDefault(std::string_view text) {
    ovRef instance = Value(text);
    ASSERT_TRUE(ov::isInstance(instance));
    RTClass* cls = ovAs<ovC_instance>(instance.get())->cls;
    ovDecUse(cls->defaultInstance);
    cls->defaultInstance = instance.release();
  }

  static ovRef Application() { return gTheApplication.get(); }

  void OpenApplication() {
    opened_ = true;
    ov::tell(ov::send<0>(fixtureOpen_, Application()));
  }

  // Runs the loop until the program has nothing left to do (or quits).
  void RunUntilIdle() {
    ASSERT_NE(vorn::RunUntilIdle(Application().get()), vorn::LoopOutcome::Unsettled) << "the loop never settles";
  }

  static bool QueueHoldsSomething() { return HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0; }

  void CloseApplication() {
    opened_ = false;
    ov::tell(ov::send<0>(fixtureClose_, Application()));
  }

  static ovRef Desktop() { return ov::get(fixtureDesktopAttribute_, Application()); }

  static ovRef MainWindow() { return ov::send(fixtureGetMainWindow_, Desktop()).take(); }

  static HWND MainWindowHandle() { return ov::toHandle<HWND>(ov::send(fixtureGetWindowRecord_, MainWindow()).get()); }

  // The main window's item of that name, or NULL.
  static ovRef Item(const char* name) { return ov::send(fixtureFindWindowItem_, MainWindow(), {ov::text(name)}).take(); }

  // A point of the main window's client area in screen coordinates.
  static POINT OnScreen(int x, int y) {
    POINT p{x, y};
    ClientToScreen(MainWindowHandle(), &p);
    return p;
  }

  Watchdog watchdog_;

 private:
  inline static const ovMethodSelector fixtureOpen_{"Open"};
  inline static const ovMethodSelector fixtureClose_{"Close"};
  inline static const ovMethodSelector fixtureGetMainWindow_{"Get Main Window"};
  inline static const ovMethodSelector fixtureGetWindowRecord_{"Get Window Record"};
  inline static const ovMethodSelector fixtureFindWindowItem_{"Find Window Item"};
  inline static const ovAttributeSelector fixtureDesktopAttribute_{"Desktop"};
  bool opened_ = false;
};
