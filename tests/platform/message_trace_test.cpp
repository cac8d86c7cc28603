// The message trace prints each message as it travels, nested, with the
// window, the message's name, its parameters and the answer.
#include "platform/user/message_trace.h"

#include "platform_fixture.h"

namespace {

// Asked WM_USER, sends WM_USER+1 and posts WM_USER+2; WM_USER+1 asks the
// default procedure for the text's length.
LRESULT CALLBACK nestingProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) {
    SendMessageA(w, WM_USER + 1, 2, 3);
    PostMessageA(w, WM_USER + 2, 4, 5);
    return 7;
  }
  if (message == WM_USER + 1) return DefWindowProcA(w, WM_GETTEXTLENGTH, 0, 0);
  return DefWindowProcA(w, message, wParam, lParam);
}

class MessageTrace : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    msglog::registerClass("Nesting", nestingProc);
    window_ = CreateWindowExA(0, "Nesting", "trace me", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    keep(window_, msglog::Role::Other);
  }

  // What the trace printed while act ran.
  template <typename Act>
  std::string traced(Act act) {
    platform::user::enableMessageTrace(true);
    testing::internal::CaptureStderr();
    act();
    std::string trace = testing::internal::GetCapturedStderr();
    platform::user::enableMessageTrace(false);
    return trace;
  }

  HWND window_ = nullptr;
};

TEST_F(MessageTrace, ShowsSentPostedDispatchedAndDefaultMessagesNested) {
  EXPECT_EQ(traced([&] { EXPECT_EQ(SendMessageA(window_, WM_USER, 0, 0), 7); }),
            "message  1 Nesting \"trace me\" WM_USER sent w=0x0 l=0x0 {\n"
            "message  2   Nesting \"trace me\" WM_USER+1 sent w=0x2 l=0x3 {\n"
            "message  3     Nesting \"trace me\" WM_GETTEXTLENGTH to default w=0x0 l=0x0 -> 8\n"
            "message  2   } Nesting \"trace me\" WM_USER+1 sent w=0x2 l=0x3 -> 8\n"
            "message  2   Nesting \"trace me\" WM_USER+2 posted w=0x4 l=0x5 -> 1\n"
            "message  1 } Nesting \"trace me\" WM_USER sent w=0x0 l=0x0 -> 7\n");
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, window_, WM_USER + 2, WM_USER + 2, PM_REMOVE));
  EXPECT_EQ(traced([&] { DispatchMessageA(&msg); }),
            "message  1 Nesting \"trace me\" WM_USER+2 dispatched w=0x4 l=0x5 {\n"
            "message  2   Nesting \"trace me\" WM_USER+2 to default w=0x4 l=0x5 -> 0\n"
            "message  1 } Nesting \"trace me\" WM_USER+2 dispatched w=0x4 l=0x5 -> 0\n");
}

TEST_F(MessageTrace, ShowsAPostThatFailedAndAThreadMessage) {
  HWND stale = window_;
  DestroyWindow(window_);
  EXPECT_EQ(traced([&] {
              PostMessageA(stale, WM_CLOSE, 0, 0);
              PostQuitMessage(3);
            }),
            "message  1 stale window WM_CLOSE posted w=0x0 l=0x0 -> 0\n"
            "message  1 thread WM_QUIT posted w=0x3 l=0x0 -> 1\n");
  MSG quit{};
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
