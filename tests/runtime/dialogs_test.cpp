// The run-time's dialogs and main window, run on the headless platform with
// the program's own dialog templates.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/backends/headless/headless.h"
#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/startup/runtime_startup.h"
#include "tests/platform/watchdog.h"

namespace headless = platform::headless;

namespace {

// What a test does when the dialog's loop goes idle, given the dialog.
std::function<void(HWND)> onIdle;

LRESULT CALLBACK ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && onIdle) {
    auto action = std::move(onIdle);
    onIdle = nullptr;
    action(reinterpret_cast<HWND>(lParam));
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class RuntimeDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(headless::start());
    Global = {GetModuleHandleA(nullptr), nullptr, 0};
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = ownerProc;
      wc.lpszClassName = "Dialog Owner";
      registered = RegisterClassA(&wc) != 0;
    }
    owner_ = CreateWindowExA(0, "Dialog Owner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300,
                             nullptr, nullptr, nullptr, nullptr);
    ovioSetMainWindow(owner_);
  }

  void TearDown() override {
    onIdle = nullptr;
    DestroyWindow(owner_);
    if (IsWindow(Global.mainWindow)) DestroyWindow(Global.mainWindow);
    headless::runUntilIdle();
  }

  HWND owner_ = nullptr;
  Watchdog watchdog_;
};

TEST_F(RuntimeDialogs, ShowPutsTheTextInTheMessageDialogAndEnterClosesIt) {
  std::string shown;
  bool ownerDisabled = false;
  onIdle = [&](HWND dialog) {
    char text[128];
    GetDlgItemTextA(dialog, 25011, text, sizeof text);
    shown = text;
    ownerDisabled = !IsWindowEnabled(owner_);
    RECT client;
    GetClientRect(dialog, &client);
    RECT size{0, 0, 175, 81};
    MapDialogRect(dialog, &size);
    EXPECT_TRUE(EqualRect(&client, &size));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDOK);
    EXPECT_FALSE(SendMessageA(dialog, WM_COMMAND, 5, 0)) << "only OK and Cancel close it";
    headless::pressKey(VK_RETURN);
  };
  ovioShow("hi(\"a\" 1)");
  EXPECT_EQ(shown, "hi(\"a\" 1)");
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_EQ(GetActiveWindow(), owner_);
}

TEST_F(RuntimeDialogs, TheDefaultProcedureAnswersOkCancelAndClose) {
  const struct {
    std::function<void(HWND)> act;
    INT_PTR answer;
  } cases[] = {
      {[](HWND) { headless::pressKey(VK_RETURN); }, IDOK},
      {[](HWND dialog) {  // another command leaves it open
         SendMessageA(dialog, WM_COMMAND, 5, 0);
         headless::pressKey(VK_ESCAPE);
       },
       IDCANCEL},
      {[](HWND) { headless::pressKey(VK_ESCAPE); }, IDCANCEL},
      {[](HWND dialog) { headless::requestClose(dialog); }, IDCANCEL},
  };
  for (const auto& c : cases) {
    onIdle = c.act;
    EXPECT_EQ(ShowDialog(Global.instance, MAKEINTRESOURCE(24991), owner_, nullptr, 0), c.answer);
  }
}

TEST_F(RuntimeDialogs, WithoutAMainWindowTheRunTimeMakesItsOwn) {
  DestroyWindow(owner_);
  HWND made = ovioGetMainWindow();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(ovioGetMainWindow(), made);
  char text[64];
  GetWindowTextA(made, text, sizeof text);
  EXPECT_STREQ(text, "Orvane Default Window");
  GetClassNameA(made, text, sizeof text);
  EXPECT_STREQ(text, "Orvane Application");
  // WS_OVERLAPPEDWINDOW, and WS_CLIPSIBLINGS, which every top-level window gets.
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(made, GWL_STYLE)) & ~WS_VISIBLE,
            static_cast<DWORD>(WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS));
  EXPECT_TRUE(IsWindowVisible(made));
  EXPECT_EQ(CreateMainWindow(SW_SHOWNORMAL), 1);
  EXPECT_EQ(ovioGetMainWindow(), made);
  DestroyWindow(made);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
