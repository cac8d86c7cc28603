// SIGTERM and SIGINT as close requests (platform/termination.h). A program of
// its own: the handlers, once installed, stay for the rest of the process.
#include <csignal>
#include <thread>

#include "platform/termination.h"
#include "platform_fixture.h"

using namespace msglog;

namespace {

class Termination : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    platform::closeOnTerminationSignals();
    keepOnly({WM_SYSCOMMAND, WM_CLOSE});
    answer(WM_CLOSE, 0);
  }

  static HWND shown(HWND w) {
    ShowWindow(w, SW_SHOWNA);
    return w;
  }

  HWND ownedBy(HWND owner) {
    announce(Role::Other);
    HWND w = CreateWindowExA(0, recorderClass(), "Owned", WS_OVERLAPPEDWINDOW, 20, 20, 100, 80, owner, nullptr,
                             nullptr, nullptr);
    keep(w, Role::Other);
    return shown(w);
  }
};

// Front to back: the owned window in front closes before its owner;
// windows without a caption (menus, pop-ups) and hidden ones are left alone.
TEST_F(Termination, ASignalAsksEveryShownCaptionedWindowToCloseFrontToBack) {
  HWND owner = shown(topLevel(0, 0, 200, 150));
  ownedBy(owner);
  shown(topLevel(300, 0, 80, 80, WS_POPUP | WS_BORDER, nullptr, Role::Child));
  topLevel(400, 0, 80, 80);
  settle();
  clear();
  raise(SIGTERM);
  pump();
  EXPECT_SEQUENCE({WM_SYSCOMMAND, Posted | WParam, SC_CLOSE, 0, Role::Other}, {WM_CLOSE, Sent, 0, 0, Role::Other},
                  {WM_SYSCOMMAND, Posted | WParam, SC_CLOSE, 0, Role::Main}, {WM_CLOSE, Sent, 0, 0, Role::Main});
  EXPECT_EQ(platform::terminationSignal(), SIGTERM);
}

// A wait with nothing due (no timer) wakes for a signal sent from
// elsewhere, and one that comes while the first is being handled asks again.
TEST_F(Termination, AWaitWakesForASignalAndASecondAsksAgain) {
  shown(topLevel(0, 0, 200, 150));
  settle();
  clear();
  std::thread sender([] {
    Sleep(200);
    kill(getpid(), SIGINT);
  });
  EXPECT_TRUE(WaitMessage());
  sender.join();
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_SYSCOMMAND));
  raise(SIGTERM);
  pump();
  EXPECT_SEQUENCE({WM_SYSCOMMAND, Posted | WParam, SC_CLOSE, 0}, {WM_CLOSE, Sent, 0, 0},
                  {WM_SYSCOMMAND, Posted | WParam, SC_CLOSE, 0}, {WM_CLOSE, Sent, 0, 0});
  EXPECT_EQ(platform::terminationSignal(), SIGTERM);
}

TEST_F(Termination, WithNoWindowToCloseTheLoopIsToldToQuit) {
  topLevel(0, 0, 200, 150);
  settle();
  raise(SIGTERM);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 0u);
}

}  // namespace
