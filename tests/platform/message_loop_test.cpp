// The queue: waking on posts from other threads, timers, quitting, the
// order of what a read finds, cursors.
#include <thread>

#include "platform/backend.h"
#include "platform/user/message_queue.h"
#include "platform_fixture.h"

namespace headless = platform::headless;

namespace {

class MessageLoop : public PlatformTest {};

TEST_F(MessageLoop, APostFromAnotherThreadWakesAWaitingReader) {
  HWND w = topLevel(0, 0, 50, 50);
  std::thread poster([w] {
    Sleep(20);
    PostMessageA(w, WM_USER + 5, 1, 2);
  });
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) && msg.message != WM_USER + 5) DispatchMessageA(&msg);
  poster.join();
  EXPECT_EQ(msg.hwnd, w);
  EXPECT_EQ(msg.wParam, 1u);
}

TEST_F(MessageLoop, TimersArriveWhenDueAndStopWhenKilled) {
  HWND w = topLevel(0, 0, 50, 50);
  EXPECT_EQ(SetTimer(w, 7, 15, nullptr), 7u);
  DWORD start = GetTickCount();
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) && msg.message != WM_TIMER) DispatchMessageA(&msg);
  EXPECT_EQ(msg.hwnd, w);
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_GE(GetTickCount() - start, 10u);
  EXPECT_TRUE(KillTimer(w, 7));
  EXPECT_FALSE(KillTimer(w, 7));
}

int timerCalls = 0;
void CALLBACK countTimer(HWND, UINT, UINT_PTR, DWORD) { ++timerCalls; }

TEST_F(MessageLoop, ATimerProcedureIsCalledByDispatch) {
  UINT_PTR id = SetTimer(nullptr, 0, 10, countTimer);
  ASSERT_NE(id, 0u);
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) && msg.message != WM_TIMER) DispatchMessageA(&msg);
  DispatchMessageA(&msg);
  EXPECT_EQ(timerCalls, 1);
  KillTimer(nullptr, id);
}

TEST_F(MessageLoop, QuitComesAfterPostedMessagesAndBeforePaint) {
  HWND w = topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  settle();
  InvalidateRect(w, nullptr, FALSE);
  PostMessageA(w, WM_USER, 0, 0);
  PostQuitMessage(3);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_PAINT);
  EXPECT_EQ(msg.hwnd, w);
}

TEST_F(MessageLoop, PeekWithoutRemovingLeavesTheMessage) {
  HWND w = topLevel(0, 0, 50, 50);
  PostMessageA(w, WM_USER, 0, 0);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_EQ(GetMessageTime(), static_cast<LONG>(msg.time));
}

TEST_F(MessageLoop, AProcedureThatDoesNotPaintIsNotAskedForever) {
  HWND w = topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  settle();
  msglog::answer(WM_PAINT, 0);
  InvalidateRect(w, nullptr, TRUE);
  headless::RunResult result = headless::runUntilIdle(100);
  EXPECT_TRUE(result.idle);
  EXPECT_EQ(result.dispatched, 1);
}

TEST_F(MessageLoop, RunUntilIdleReportsQuit) {
  topLevel(0, 0, 50, 50);
  PostQuitMessage(9);
  headless::RunResult result = headless::runUntilIdle();
  EXPECT_TRUE(result.quit);
  EXPECT_EQ(result.exitCode, 9);
}

TEST_F(MessageLoop, SurfacesArePresentedWhenTheQueueRunsDry) {
  HWND w = topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  settle();
  unsigned before = headless::presentCount();
  HDC dc = GetDC(w);
  SetPixel(dc, 1, 1, 0);
  ReleaseDC(w, dc);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(headless::presentCount(), before + 1);
  // The second empty read waits; the timer ends the wait.
  platform::backend().waitForInput(0);  // takes wakes left by the set-up
  UINT_PTR id = SetTimer(nullptr, 0, 20, nullptr);
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(headless::presentCount(), before + 1);
  KillTimer(nullptr, id);
}

// The second empty read sleeps until something is there: the next timer,
// however far off, or a post from another thread when no timer is set.
TEST_F(MessageLoop, ASecondEmptyPeekWaitsForTheNextTimerOrAPost) {
  HWND w = topLevel(0, 0, 50, 50);
  MSG msg{};
  headless::runUntilIdle();
  platform::backend().waitForInput(0);  // takes wakes left by the set-up
  UINT_PTR id = SetTimer(nullptr, 0, 250, nullptr);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(msg.wParam, id);
  KillTimer(nullptr, id);

  headless::runUntilIdle();
  platform::backend().waitForInput(0);
  std::thread poster([w] {
    Sleep(250);
    PostMessageA(w, WM_USER + 9, 0, 0);
  });
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  poster.join();
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 9));
}

TEST_F(MessageLoop, CursorShapeVisibilityAndPosition) {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
  HCURSOR beam = LoadCursorA(nullptr, IDC_IBEAM);
  SetCursor(arrow);
  EXPECT_EQ(SetCursor(beam), arrow);
  EXPECT_EQ(GetCursor(), beam);
  EXPECT_EQ(ShowCursor(FALSE), -1);
  EXPECT_EQ(ShowCursor(FALSE), -2);
  EXPECT_EQ(ShowCursor(TRUE), -1);
  EXPECT_EQ(ShowCursor(TRUE), 0);
  headless::moveMouse(123, 45);
  headless::runUntilIdle();
  POINT p{};
  EXPECT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p.x, 123);
  EXPECT_EQ(p.y, 45);
}

}  // namespace

namespace {

TEST_F(MessageLoop, QueueStatusTellsWhatIsQueuedAndWhatIsNew) {
  HWND w = topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  settle();
  EXPECT_EQ(GetQueueStatus(QS_ALLINPUT), 0u);
  PostMessageA(w, WM_USER, 0, 0);
  EXPECT_EQ(GetQueueStatus(QS_ALLINPUT), static_cast<DWORD>(MAKELONG(QS_POSTMESSAGE, QS_POSTMESSAGE)));
  EXPECT_EQ(GetQueueStatus(QS_ALLINPUT), static_cast<DWORD>(MAKELONG(0, QS_POSTMESSAGE))) << "no longer new";
  EXPECT_EQ(GetQueueStatus(QS_PAINT), 0u) << "only the kinds asked for";
  InvalidateRect(w, nullptr, FALSE);
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_PAINT | QS_INPUT)), QS_PAINT);
  headless::click(10, 10);
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_INPUT)), QS_MOUSEMOVE | QS_MOUSEBUTTON);
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_ALLINPUT)), 0u);
  UINT_PTR id = SetTimer(nullptr, 0, 10, nullptr);
  Sleep(15);
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_ALLINPUT)), QS_TIMER);
  KillTimer(nullptr, id);
}

}  // namespace
