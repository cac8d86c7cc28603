// The sdl backend on a real X server, seen and driven from outside by another
// client: what the server shows, and what a person's pointer and keys, a
// window manager and another program's clipboard requests turn into.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include "message_log.h"
#include "platform/backend.h"
#include "platform/backends/headless/headless.h"
#include "platform/backends/sdl/sdl_backend.h"
#include "watchdog.h"
#include "x11_peer.h"

using namespace msglog;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

platform::sdl::SdlBackend* sdlBackend() { return dynamic_cast<platform::sdl::SdlBackend*>(&platform::backend()); }

x11::Box boxOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

bool operator==(const x11::Box& a, const x11::Box& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

class SdlBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display: run it through scripts/with-xvfb";
    if (!sdlBackend()) {
      ASSERT_TRUE(platform::useBackend("sdl"));
    }
    ASSERT_TRUE(peer_.connected());
    keepAll();
    clearAnswers();
  }

  void TearDown() override {
    keepAll();
    clearAnswers();
    for (HWND w : windows_)
      if (IsWindow(w)) DestroyWindow(w);
    pump();
  }

  // A shown top-level window with the input focus, as a window manager
  // gives a new window.
  HWND show(int x, int y, int width, int height, const char* title = "Test", Role role = Role::Main) {
    announce(role);
    HWND w = CreateWindowExA(0, recorderClass(true), title, WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr,
                             nullptr, nullptr, nullptr);
    setRole(w, role);
    windows_.push_back(w);
    ShowWindow(w, SW_SHOW);
    UpdateWindow(w);
    pump();
    peer_.focus(xWindowOf(w));
    EXPECT_TRUE(pumpUntil([w] { return GetActiveWindow() == w; }));
    clear();
    return w;
  }

  unsigned long xWindowOf(HWND w) {
    platform::sdl::NativeWindow* native = sdlBackend()->nativeWindowOf(w);
    return native ? x11::Peer::windowOf(native->sdlWindow()) : 0;
  }

  // Where the window's content is on the screen.
  static RECT shownRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    RECT content = platform::contentRect(w);
    return {r.left + content.left, r.top + content.top, r.left + content.right, r.top + content.bottom};
  }

  static void paintRed(HWND w, const RECT& patch) {
    HDC dc = GetDC(w);
    HBRUSH red = CreateSolidBrush(RGB(200, 30, 40));
    FillRect(dc, &patch, red);
    DeleteObject(red);
    ReleaseDC(w, dc);
  }

  // What the server must show of the window: its content's pixels, or its
  // device picture's at a scale above 1.
  static std::vector<uint32_t> picture(HWND w) {
    const platform::gdi::Surface* surface = platform::headless::surfaceOf(w);
    const platform::gdi::Surface& shown = surface->device() ? *surface->device() : *surface;
    RECT content = platform::gdi::toDevice(platform::contentRect(w), surface->scale());
    std::vector<uint32_t> pixels;
    for (int y = content.top; y < content.bottom; ++y)
      for (int x = content.left; x < content.right; ++x) pixels.push_back(shown.pixel(x, y));
    return pixels;
  }

  bool showsPicture(HWND w, const x11::Box& place) {
    return pumpUntil([&] { return peer_.pixels(place) == picture(w); });
  }

  static POINT onScreen(HWND w, int x, int y) {
    POINT p{x, y};
    ClientToScreen(w, &p);
    return p;
  }

  // Runs the message loop, waiting for the display between rounds, until
  // done() holds or five seconds pass.
  static bool pumpUntil(const std::function<bool()>& done) {
    auto end = Clock::now() + 5s;
    while (!done()) {
      if (Clock::now() > end) return false;
      msglog::pump();
      platform::backend().waitForInput(10);
    }
    return true;
  }

  x11::Peer peer_;
  Watchdog watchdog_{std::chrono::seconds(60)};
  std::vector<HWND> windows_;
};

TEST_F(SdlBackend, TheServerShowsTheContentWhereTheWindowIsWithItsTitle) {
  HWND w = show(120, 90, 320, 200, "Caf\xE9 window");
  paintRed(w, RECT{10, 10, 60, 40});

  x11::Box place = boxOf(shownRect(w));
  EXPECT_TRUE(peer_.placeOf(xWindowOf(w)) == place);
  EXPECT_EQ(peer_.title(xWindowOf(w)), "Caf\xC3\xA9 window");
  EXPECT_TRUE(showsPicture(w, place));

  SetWindowTextA(w, "Renamed");
  MoveWindow(w, 200, 150, 320, 200, TRUE);
  EXPECT_TRUE(pumpUntil([&] { return peer_.title(xWindowOf(w)) == "Renamed"; }));
  EXPECT_TRUE(peer_.placeOf(xWindowOf(w)) == boxOf(shownRect(w)));
}

TEST_F(SdlBackend, ClicksAndTypingArriveOnceEach) {
  HWND w = show(100, 100, 300, 200);
  keepOnly({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_CHAR, WM_SYSCHAR});
  POINT p = onScreen(w, 30, 40);
  peer_.click(p.x, p.y);
  peer_.click(p.x, p.y);
  peer_.tap("a");
  peer_.key("Shift_L", true);
  peer_.tap("1");
  peer_.key("Shift_L", false);
  peer_.tap("BackSpace");
  peer_.key("Alt_L", true);
  peer_.tap("f");
  peer_.key("Alt_L", false);
  EXPECT_TRUE(pumpUntil([] { return !recorded().empty() && recorded().back().message == WM_SYSCHAR; }));
  const LPARAM at = MAKELPARAM(30, 40);
  EXPECT_SEQUENCE({WM_LBUTTONDOWN, Posted | LParam, 0, at}, {WM_LBUTTONUP, Posted | LParam, 0, at},
                  {WM_LBUTTONDBLCLK, Posted | LParam, 0, at}, {WM_LBUTTONUP, Posted | LParam, 0, at},
                  {WM_CHAR, Posted | WParam, 'a'}, {WM_CHAR, Posted | WParam, '!'}, {WM_CHAR, Posted | WParam, 0x08},
                  {WM_SYSCHAR, Posted | WParam, 'f'});
}

TEST_F(SdlBackend, TheMouseStaysCapturedOutsideTheWindow) {
  HWND w = show(300, 300, 200, 150);
  keepOnly({WM_MOUSEMOVE});
  SetCapture(w);
  RECT shown = shownRect(w);
  peer_.moveTo(shown.left - 50, shown.top - 30);
  POINT client = onScreen(w, 0, 0);
  const LPARAM outside = MAKELPARAM(shown.left - 50 - client.x, shown.top - 30 - client.y);
  EXPECT_TRUE(pumpUntil([&] { return !recorded().empty() && recorded().back().lParam == outside; }));
  ReleaseCapture();
}

TEST_F(SdlBackend, TheWindowManagerClosesMovesAndResizes) {
  HWND w = show(100, 100, 300, 200);
  answer(WM_CLOSE, 0);
  keepOnly({WM_CLOSE, WM_SIZE, WM_MOVE});
  peer_.askToClose(xWindowOf(w));
  EXPECT_TRUE(pumpUntil([] { return !recorded().empty(); }));
  peer_.moveResize(xWindowOf(w), {200, 150, 400, 260});
  EXPECT_TRUE(pumpUntil([w] { return boxOf(shownRect(w)) == x11::Box{200, 150, 400, 260}; }));
  RECT client{};
  GetClientRect(w, &client);
  EXPECT_SEQUENCE({WM_CLOSE, Sent}, {WM_MOVE, Sent | LParam, 0, MAKELPARAM(200, 150)},
                  {WM_SIZE, Sent | LParam, 0, MAKELPARAM(client.right, client.bottom)});
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 260);
}

// The window hears them as the system commands of its own caption's
// buttons, and comes back to where it was.
TEST_F(SdlBackend, TheWindowManagerMaximisesMinimisesAndRestores) {
  HWND w = show(100, 100, 300, 200);
  RECT before{}, after{};
  GetWindowRect(w, &before);
  keepOnly({WM_SYSCOMMAND});
  const struct {
    std::vector<const char*> states;
    UINT command;
    bool maximized, minimized;
  } steps[] = {
      {{"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"}, SC_MAXIMIZE, true, false},
      {{}, SC_RESTORE, false, false},
      {{"_NET_WM_STATE_HIDDEN"}, SC_MINIMIZE, false, true},
      {{}, SC_RESTORE, false, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.command);
    clear();
    peer_.setStates(xWindowOf(w), step.states);
    EXPECT_TRUE(pumpUntil([&] { return !recorded().empty(); }));
    EXPECT_SEQUENCE({WM_SYSCOMMAND, Posted | WParam, step.command});
    EXPECT_EQ(IsZoomed(w) != FALSE, step.maximized);
    EXPECT_EQ(IsIconic(w) != FALSE, step.minimized);
    if (step.minimized) paintRed(w, RECT{5, 5, 25, 25});
  }
  GetWindowRect(w, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  // What was drawn while minimised shows once the window is back.
  EXPECT_TRUE(showsPicture(w, boxOf(shownRect(w))));
}

TEST_F(SdlBackend, FocusIsActivationAndMovingItAmongOurWindowsKeepsTheApplicationActive) {
  HWND first = show(50, 50, 200, 150, "First");
  HWND second = show(400, 50, 200, 150, "Second", Role::Other);
  peer_.focus(xWindowOf(first));
  ASSERT_TRUE(pumpUntil([first] { return GetActiveWindow() == first; }));
  keepOnly({WM_ACTIVATE, WM_ACTIVATEAPP});
  clear();
  peer_.focus(xWindowOf(second));
  EXPECT_TRUE(pumpUntil([second] { return GetActiveWindow() == second; }));
  peer_.focusOwnWindow();
  EXPECT_TRUE(pumpUntil([] { return GetActiveWindow() == nullptr; }));
  peer_.focus(xWindowOf(first));
  EXPECT_TRUE(pumpUntil([first] { return GetActiveWindow() == first; }));
  EXPECT_SEQUENCE({WM_ACTIVATE, Sent | WParam, WA_INACTIVE, 0, Role::Main},
                  {WM_ACTIVATE, Sent | WParam, WA_ACTIVE, 0, Role::Other},
                  {WM_ACTIVATE, Sent | WParam, WA_INACTIVE, 0, Role::Other},
                  {WM_ACTIVATEAPP, Sent | WParam, FALSE, 0, Role::Other},
                  {WM_ACTIVATEAPP, Sent | WParam, FALSE, 0, Role::Main},
                  {WM_ACTIVATEAPP, Sent | WParam, TRUE, 0, Role::Main},
                  {WM_ACTIVATEAPP, Sent | WParam, TRUE, 0, Role::Other},
                  {WM_ACTIVATE, Sent | WParam, WA_ACTIVE, 0, Role::Main});
}

TEST_F(SdlBackend, SetForegroundWindowRaisesTheRealWindowAndGivesItTheFocus) {
  HWND first = show(50, 50, 200, 150, "First");
  HWND second = show(100, 80, 200, 150, "Second", Role::Other);
  ASSERT_EQ(GetActiveWindow(), second);
  EXPECT_TRUE(SetForegroundWindow(first));
  EXPECT_TRUE(pumpUntil([&] { return peer_.focused() == xWindowOf(first); }));
  EXPECT_TRUE(peer_.stackedAbove(xWindowOf(first), xWindowOf(second)));
  EXPECT_EQ(GetActiveWindow(), first);
}

TEST_F(SdlBackend, ClipboardTextCrossesToOtherProgramsBothWays) {
  show(100, 100, 200, 150);
  platform::backend().setClipboardText("one\ntwo \xE2\x82\xAC");
  auto readByAnother = [] {
    return std::async(std::launch::async, [] { return x11::Peer().readClipboard(5000); });
  };
  std::future<std::string> read = readByAnother();
  EXPECT_TRUE(pumpUntil([&] { return read.wait_for(0s) == std::future_status::ready; }));
  EXPECT_EQ(read.get(), "one\ntwo \xE2\x82\xAC");

  // A program that asks and quits before the answer reaches it: the answer
  // fails with BadWindow, which must not end this program.
  x11::Peer().askForClipboardAndLeave();
  auto settle = Clock::now() + 300ms;
  pumpUntil([&] { return Clock::now() > settle; });
  read = readByAnother();
  EXPECT_TRUE(pumpUntil([&] { return read.wait_for(0s) == std::future_status::ready; }));
  EXPECT_EQ(read.get(), "one\ntwo \xE2\x82\xAC");

  std::atomic<bool> stop{false};
  std::thread owner([&] {
    x11::Peer other;
    other.offerClipboard("from\nelsewhere \xC3\xA9", stop);
  });
  EXPECT_TRUE(pumpUntil([] { return platform::backend().clipboardText() == "from\nelsewhere \xC3\xA9"; }));
  stop = true;
  owner.join();
}

// The idle wait sleeps on the display connection: input or a wake from
// another thread ends it at once, long before its 30 seconds.
TEST_F(SdlBackend, TheIdleWaitEndsOnInputAndOnWake) {
  show(100, 100, 200, 150);
  keepOnly({WM_KEYDOWN});
  auto start = Clock::now();
  std::thread typist([] {
    std::this_thread::sleep_for(100ms);
    x11::Peer().tap("a");
  });
  while (recorded().empty() && Clock::now() - start < 20s) {
    platform::backend().waitForInput(30000);
    msglog::pump();
  }
  typist.join();
  EXPECT_LT(Clock::now() - start, 10s);
  EXPECT_FALSE(recorded().empty());

  start = Clock::now();
  std::thread waker([] {
    std::this_thread::sleep_for(100ms);
    platform::backend().wake();
  });
  platform::backend().waitForInput(30000);
  waker.join();
  EXPECT_LT(Clock::now() - start, 10s);
}

// Run with VELMARO_SCALE=2 (its own test entry): the platform sees half the
// screen, the server shows the window's device picture (each of its pixels
// a 2 x 2 block, its text finer) where the window is, twice as far from the
// corner, and a pointer on any of a pixel's four lands on that pixel.
class SdlBackendScaled : public SdlBackend {};

TEST_F(SdlBackendScaled, WindowsPixelsAndThePointerAreScaledTogether) {
  ASSERT_EQ(sdlBackend()->scale(), 2);
  x11::Box screen = peer_.screen();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen.width / 2);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screen.height / 2);

  HWND w = show(40, 30, 200, 150);
  paintRed(w, RECT{10, 10, 13, 12});
  RECT shown = shownRect(w);
  x11::Box place{shown.left * 2, shown.top * 2, (shown.right - shown.left) * 2, (shown.bottom - shown.top) * 2};
  EXPECT_TRUE(peer_.placeOf(xWindowOf(w)) == place);
  EXPECT_TRUE(showsPicture(w, place));

  keepOnly({WM_LBUTTONDOWN, WM_LBUTTONUP});
  POINT p = onScreen(w, 30, 40);
  peer_.click(p.x * 2 + 1, p.y * 2 + 1);
  EXPECT_TRUE(pumpUntil([] { return recorded().size() == 2; }));
  const LPARAM at = MAKELPARAM(30, 40);
  EXPECT_SEQUENCE({WM_LBUTTONDOWN, Posted | LParam, 0, at}, {WM_LBUTTONUP, Posted | LParam, 0, at});
}

}  // namespace
