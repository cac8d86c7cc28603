// The queue: reads that never wait, waits for messages and mutexes, waking
// on posts from other threads, timers, quitting, the order of what a read
// finds, cursors.
#include <algorithm>
#include <functional>
#include <future>
#include <thread>

#include "platform_fixture.h"

namespace headless = platform::headless;

namespace {

class MessageLoop : public PlatformTest {};

// GetMessageA and WaitMessage both wake for a post from another thread.
TEST_F(MessageLoop, APostFromAnotherThreadWakesAWaitingReader) {
  HWND w = topLevel(0, 0, 50, 50);
  for (bool getMessage : {true, false}) {
    settle();
    std::thread poster([w] {
      Sleep(20);
      PostMessageA(w, WM_USER + 5, 1, 2);
    });
    MSG msg{};
    if (getMessage)
      while (GetMessageA(&msg, nullptr, 0, 0) && msg.message != WM_USER + 5) DispatchMessageA(&msg);
    else
      EXPECT_TRUE(WaitMessage() && PeekMessageA(&msg, w, WM_USER + 5, WM_USER + 5, PM_REMOVE));
    poster.join();
    EXPECT_EQ(msg.hwnd, w);
    EXPECT_EQ(msg.wParam, 1u);
  }
}

// WaitMessage wakes for a due timer; it comes with the window and id it
// was set for, and stops when killed.
TEST_F(MessageLoop, TimersArriveWhenDueAndStopWhenKilled) {
  HWND w = topLevel(0, 0, 50, 50);
  settle();
  EXPECT_EQ(SetTimer(w, 7, 15, nullptr), 7u);
  DWORD start = GetTickCount();
  EXPECT_TRUE(WaitMessage());
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
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

// A peek without removing leaves the message for the next read.
TEST_F(MessageLoop, QuitComesAfterPostedMessagesAndBeforePaint) {
  HWND w = topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  settle();
  InvalidateRect(w, nullptr, FALSE);
  PostMessageA(w, WM_USER, 0, 0);
  PostQuitMessage(3);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_EQ(GetMessageTime(), static_cast<LONG>(msg.time));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_PAINT);
  EXPECT_EQ(msg.hwnd, w);
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

// What was drawn is shown when a read finds the queue empty, and before a
// wait sleeps: the drawn area, in whole tiles of 8 x 8 pixels.
TEST_F(MessageLoop, SurfacesArePresentedWhenTheQueueRunsDryAndBeforeAWait) {
  const std::function<void()> reads[] = {
      [] {
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
      },
      [] { EXPECT_EQ(MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, 0), WAIT_TIMEOUT); },
  };
  HWND w = topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  for (const auto& read : reads) {
    settle();
    unsigned before = headless::presentCount();
    HDC dc = GetDC(w);
    SetPixel(dc, 1, 1, 0);
    SetPixel(dc, 9, 2, 0);
    ReleaseDC(w, dc);
    read();
    EXPECT_EQ(headless::presentCount(), before + 1);
    EXPECT_TRUE(headless::lastPresentedArea() == platform::gdi::Region(RECT{0, 0, 16, 8}));
  }
}

// PeekMessageA never waits, however often it finds nothing.
TEST_F(MessageLoop, EmptyReadsAnswerAtOnceWithOrWithoutATimer) {
  for (UINT timerIn : {0u, 60000u}) {
    headless::runUntilIdle();
    UINT_PTR id = timerIn ? SetTimer(nullptr, 0, timerIn, nullptr) : 0;
    MSG msg;
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "read " << i;
    if (id) KillTimer(nullptr, id);
  }
}

// A program that polls, doing work that draws nothing whenever the queue is
// empty, keeps going, and still gets its messages.
TEST_F(MessageLoop, APollingLoopKeepsRunning) {
  HWND w = topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  int workDone = 0;
  auto work = [&] {
    if (++workDone == 500) PostMessageA(w, WM_USER + 3, 0, 0);
  };
  MSG msg;
  while (workDone < 1000) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageA(&msg);
    else
      work();
  }
  EXPECT_FALSE(msglog::wParamsOf(WM_PAINT).empty());
  EXPECT_FALSE(msglog::wParamsOf(WM_USER + 3).empty());
}

// The headless backend's idle hook runs when a wait goes to sleep: input it
// gives arrives while WaitMessage waits.
TEST_F(MessageLoop, WaitMessageReturnsForInput) {
  topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  settle();
  headless::onIdle([] { headless::pressKey('A'); });
  EXPECT_TRUE(WaitMessage());
  headless::onIdle(nullptr);
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_ALLINPUT)), QS_KEY);
}

TEST_F(MessageLoop, AWaitWithNothingComingTimesOut) {
  settle();
  for (DWORD milliseconds : {0u, 20u})
    for (DWORD flags : {0u, static_cast<DWORD>(MWMO_INPUTAVAILABLE)})
      EXPECT_EQ(MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, flags), WAIT_TIMEOUT)
          << milliseconds << " ms, flags " << flags;
}

// A message is new until the thread looks at its queue; a wait without
// MWMO_INPUTAVAILABLE answers only for new messages of its mask.
TEST_F(MessageLoop, AWaitAnswersForNewMessagesOfItsMask) {
  struct Case {
    const char* look;
    std::function<void()> lookAtQueue;
    DWORD mask, flags, answer;
  };
  auto peek = [] {
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  };
  auto wait = [] { MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0); };
  const Case cases[] = {
      {"nothing", [] {}, QS_ALLINPUT, 0, WAIT_OBJECT_0},
      {"nothing", [] {}, QS_KEY | QS_MOUSE, 0, WAIT_TIMEOUT},
      {"PeekMessageA", peek, QS_ALLINPUT, 0, WAIT_TIMEOUT},
      {"PeekMessageA", peek, QS_ALLINPUT, MWMO_INPUTAVAILABLE, WAIT_OBJECT_0},
      {"GetQueueStatus of posts", [] { GetQueueStatus(QS_POSTMESSAGE); }, QS_ALLINPUT, 0, WAIT_TIMEOUT},
      {"GetQueueStatus of keys", [] { GetQueueStatus(QS_KEY); }, QS_ALLINPUT, 0, WAIT_OBJECT_0},
      {"an earlier wait", wait, QS_ALLINPUT, 0, WAIT_TIMEOUT},
  };
  HWND w = topLevel(0, 0, 50, 50);
  for (const Case& c : cases) {
    settle();
    PostMessageA(w, WM_USER, 0, 0);
    c.lookAtQueue();
    EXPECT_EQ(MsgWaitForMultipleObjectsEx(0, nullptr, 0, c.mask, c.flags), c.answer)
        << "after " << c.look << ", mask " << c.mask << ", flags " << c.flags;
  }
}

// The objects come first, in order: the answer names the first one taken,
// or the queue (WAIT_OBJECT_0 + nCount) when none could be.
TEST_F(MessageLoop, AWaitTakesAMutexReleasedByAnotherThread) {
  HWND w = topLevel(0, 0, 50, 50);
  settle();
  HANDLE objects[] = {CreateMutexA(nullptr, FALSE, nullptr), CreateMutexA(nullptr, FALSE, nullptr)};
  std::promise<void> owning, finished;
  std::thread owner([&] {
    for (HANDLE m : objects) WaitForSingleObject(m, INFINITE);
    owning.set_value();
    Sleep(20);
    ReleaseMutex(objects[1]);
    finished.get_future().wait();
    ReleaseMutex(objects[0]);
  });
  owning.get_future().wait();
  PostMessageA(w, WM_USER, 0, 0);
  EXPECT_EQ(MsgWaitForMultipleObjectsEx(2, objects, INFINITE, QS_KEY, 0), WAIT_OBJECT_0 + 1);
  EXPECT_TRUE(ReleaseMutex(objects[1])) << "the wait took the mutex";
  EXPECT_EQ(MsgWaitForMultipleObjectsEx(1, objects, INFINITE, QS_POSTMESSAGE, MWMO_INPUTAVAILABLE), WAIT_OBJECT_0 + 1);
  finished.set_value();
  owner.join();
  for (HANDLE m : objects) CloseHandle(m);
}

// With MWMO_WAITALL every object and a message are needed at once; short of
// that, nothing is taken.
TEST_F(MessageLoop, AWaitForAllTakesEveryObjectOrNone) {
  HWND w = topLevel(0, 0, 50, 50);
  settle();
  HANDLE objects[] = {CreateMutexA(nullptr, FALSE, nullptr), CreateMutexA(nullptr, FALSE, nullptr)};
  std::promise<void> owning, finished;
  std::thread owner([&] {
    WaitForSingleObject(objects[1], INFINITE);
    owning.set_value();
    finished.get_future().wait();
    ReleaseMutex(objects[1]);
  });
  owning.get_future().wait();
  PostMessageA(w, WM_USER, 0, 0);
  EXPECT_EQ(MsgWaitForMultipleObjects(2, objects, TRUE, 0, QS_ALLINPUT), WAIT_TIMEOUT);
  EXPECT_FALSE(ReleaseMutex(objects[0])) << "the free mutex was given back";
  finished.set_value();
  owner.join();
  EXPECT_EQ(MsgWaitForMultipleObjects(2, objects, TRUE, 0, QS_ALLINPUT), WAIT_OBJECT_0);
  for (HANDLE m : objects) {
    EXPECT_TRUE(ReleaseMutex(m));
    CloseHandle(m);
  }
}

TEST_F(MessageLoop, AWaitRefusesBadArguments) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, nullptr);
  HANDLE tooMany[MAXIMUM_WAIT_OBJECTS] = {};
  std::fill(std::begin(tooMany), std::end(tooMany), mutex);
  HANDLE notAnObject = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x1234));
  struct Case {
    DWORD count;
    const HANDLE* handles;
    DWORD flags, error;
  };
  const Case cases[] = {
      {0, nullptr, 0x8, ERROR_INVALID_PARAMETER},
      {MAXIMUM_WAIT_OBJECTS, tooMany, 0, ERROR_INVALID_PARAMETER},
      {1, &notAnObject, 0, ERROR_INVALID_HANDLE},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_EQ(MsgWaitForMultipleObjectsEx(c.count, c.handles, 0, QS_ALLINPUT, c.flags), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), c.error) << c.count << " objects, flags " << c.flags;
  }
  CloseHandle(mutex);
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
  EXPECT_FALSE(GetCursorPos(nullptr));
}

// SetCursorPos moves the pointer as a person would: the window under it
// hears the move.
TEST_F(MessageLoop, SetCursorPosMovesThePointerOverWindows) {
  topLevel(0, 0, 50, 50, WS_POPUP | WS_VISIBLE);
  settle();
  msglog::keepOnly({WM_MOUSEMOVE});
  EXPECT_TRUE(SetCursorPos(20, 30));
  POINT p{};
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 20);
  EXPECT_EQ(p.y, 30);
  msglog::pump();
  EXPECT_SEQUENCE({WM_MOUSEMOVE, msglog::Posted | msglog::LParam, 0, MAKELPARAM(20, 30)});
}

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
  headless::pressKey('A');
  MSG msg{};
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_NOREMOVE)) << "input looked at stays queued";
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_INPUT)), QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_KEY);
  SetLastError(0);
  EXPECT_EQ(GetQueueStatus(0x80000000u), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_ALLINPUT)), 0u);
  UINT_PTR id = SetTimer(nullptr, 0, 10, nullptr);
  Sleep(15);
  EXPECT_EQ(HIWORD(GetQueueStatus(QS_ALLINPUT)), QS_TIMER);
  KillTimer(nullptr, id);
  SetLastError(0);
  EXPECT_EQ(GetQueueStatus(0xFFFFFFFF), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

}  // namespace
