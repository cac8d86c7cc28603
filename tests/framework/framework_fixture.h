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

#include <cstring>
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
    ov::tell(ov::send<0>("Open"_sel, Application()));
  }

  // Opens the application with the main window an archive text describes
  // and runs it until it is idle.
  void OpenMainWindow(std::string_view text) {
    SetDefault(text);
    OpenApplication();
    RunUntilIdle();
  }

  // Runs the loop until the program has nothing left to do (or quits).
  void RunUntilIdle() {
    ASSERT_NE(vorn::RunUntilIdle(Application().get()), vorn::LoopOutcome::Unsettled) << "the loop never settles";
  }

  static bool QueueHoldsSomething() { return HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0; }

  void CloseApplication() {
    opened_ = false;
    ov::tell(ov::send<0>("Close"_sel, Application()));
  }

  static ovRef Desktop() { return ov::get("Desktop"_attr, Application()); }

  static ovRef MainWindow() { return ov::send("Get Main Window"_sel, Desktop()).take(); }

  static HWND MainWindowHandle() { return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, MainWindow()).get()); }

  // The main window's item of that name, or NULL.
  static ovRef Item(const char* name) {
    return ov::send("Find Window Item"_sel, MainWindow(), {ov::text(name)}).take();
  }

  // The platform window of the main window's item of that name.
  static HWND Handle(const char* name) {
    return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, Item(name)).get());
  }

  // Where the item's platform window stands in its parent's client area.
  static RECT PlaceOf(const char* name) {
    RECT r{};
    GetWindowRect(Handle(name), &r);
    MapWindowPoints(nullptr, GetParent(Handle(name)), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  // A click in the middle of the item's platform window.
  void ClickItem(const char* name) {
    RECT r{};
    GetWindowRect(Handle(name), &r);
    platform::headless::click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    RunUntilIdle();
  }

  // A point of the main window's client area in screen coordinates.
  static POINT OnScreen(int x, int y) {
    POINT p{x, y};
    ClientToScreen(MainWindowHandle(), &p);
    return p;
  }

  // A pixel of the main window's client area, as 0xRRGGBB.
  static uint32_t ClientPixel(int x, int y) {
    RECT window{};
    GetWindowRect(MainWindowHandle(), &window);
    POINT p = OnScreen(x, y);
    return platform::headless::surfaceOf(MainWindowHandle())->pixel(p.x - window.left, p.y - window.top);
  }

  // A window's text: a caption or a control's text.
  static std::string TextOf(HWND hwnd) {
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
  }

  // Empties the platform clipboard and puts a block of bytes on it in a
  // format, unless there are none.
  static void PutOnClipboard(UINT format, const char* bytes, size_t size) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (size) {
      HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
      memcpy(GlobalLock(block), bytes, size);
      GlobalUnlock(block);
      SetClipboardData(format, block);
    }
    CloseClipboard();
  }

  // The names of the commands waiting in the commander's deferred list.
  static std::vector<std::string> DeferredNames() {
    ovRef list = ov::get("Deferred Commands"_attr, ov::get("Commander"_attr, Application()));
    std::vector<std::string> names;
    for (uint32_t i = 0; i < ov::length(list); ++i)
      names.emplace_back(ov::chars(ov::get("Name"_attr, ov::element(list, i))));
    return names;
  }

  // A rectangle's sides (left, top, right, bottom), to compare at once.
  using Sides = std::vector<LONG>;
  static Sides SidesOf(RECT r) { return {r.left, r.top, r.right, r.bottom}; }

  // A platform window of the framework's class that no framework window
  // owns (the application must be open: it registers the class).
  static HWND UnownedFrameworkWindow() {
    std::string className = ov::cString(ov::universal("Get Class Name"_uni).get());
    return CreateWindowExA(0, className.c_str(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }

  // The text of a menu's entry at a position.
  static std::string MenuEntryText(HMENU menu, UINT position) {
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
  }

  Watchdog watchdog_;

 private:
  bool opened_ = false;
};
