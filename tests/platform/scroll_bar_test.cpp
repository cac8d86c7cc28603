// A window's standard scroll bars: the room they take, their state and the
// answers of the scroll-bar calls, how they look, and what a press on them
// tells the window.
#include <algorithm>
#include <climits>
#include <functional>

#include "platform_fixture.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

constexpr DWORD kBothBars = WS_VSCROLL | WS_HSCROLL;

class ScrollBars : public PlatformTest {
 protected:
  HWND scrolled(DWORD bars = kBothBars) { return shownTopLevel(10, 20, 200, 200, WS_OVERLAPPEDWINDOW | bars); }

  // The bar's rectangle on the screen: beside and under the client area.
  static RECT barOnScreen(HWND w, int bar) {
    RECT c;
    GetClientRect(w, &c);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&c), 2);
    int size = GetSystemMetrics(bar == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL);
    return bar == SB_VERT ? RECT{c.right, c.top, c.right + size, c.bottom} : RECT{c.left, c.bottom, c.right, c.bottom + size};
  }

  // A point `along` pixels from the bar's start, in its middle across.
  static POINT onBar(HWND w, int bar, int along) {
    RECT r = barOnScreen(w, bar);
    if (bar == SB_VERT) return {(r.left + r.right) / 2, along >= 0 ? r.top + along : r.bottom + along};
    return {along >= 0 ? r.left + along : r.right + along, (r.top + r.bottom) / 2};
  }

  static void click(POINT p) { headless::click(p.x, p.y); }

  void recordScrolling() { keepOnly({WM_SYSCOMMAND, WM_VSCROLL, WM_HSCROLL, WM_CAPTURECHANGED}); }
};

SCROLLINFO infoOf(HWND w, int bar) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, -1, -1, 99, -1, -1};
  EXPECT_TRUE(GetScrollInfo(w, bar, &info));
  return info;
}

// The track's halftone: of two neighbouring pixels one is the highlight.
bool showsTrack(HWND w, POINT p) {
  COLORREF light = GetSysColor(COLOR_3DHIGHLIGHT);
  return (screenPixel(w, p) == light) != (screenPixel(w, {p.x + 1, p.y}) == light);
}

DWORD barStyles(HWND w) { return static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE)) & kBothBars; }

WPARAM code(WORD sb, int position = 0) { return MAKEWPARAM(sb, static_cast<WORD>(position)); }

// A window made with either style has both bars, each 0 to 100; a window
// with neither has the range 0 to 0 and no information.
TEST_F(ScrollBars, CreationGivesBothBarsTheirDefaults) {
  for (DWORD style : {DWORD{WS_VSCROLL}, DWORD{WS_HSCROLL}, kBothBars, DWORD{0}}) {
    SCOPED_TRACE(style);
    HWND w = topLevel(0, 0, 100, 100, WS_POPUP | style);
    for (int bar : {SB_HORZ, SB_VERT}) {
      int low = -1, high = -1;
      EXPECT_TRUE(GetScrollRange(w, bar, &low, &high));
      EXPECT_EQ(high, style ? 100 : 0);
      EXPECT_EQ(low, 0);
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
      SetLastError(0);
      EXPECT_EQ(GetScrollInfo(w, bar, &info), style ? TRUE : FALSE);
      if (!style) {
        EXPECT_EQ(GetLastError(), ERROR_NO_SCROLLBARS);
      }
    }
  }
}

// The bars take their metrics' room from the client area, and the frame
// answers for them when hit-tested.
TEST_F(ScrollBars, BarsTakeTheirRoomAndAnswerHitTests) {
  HWND plain = scrolled(0);
  HWND w = scrolled();
  RECT without, with;
  GetClientRect(plain, &without);
  GetClientRect(w, &with);
  EXPECT_EQ(without.right - with.right, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(without.bottom - with.bottom, GetSystemMetrics(SM_CYHSCROLL));
  POINT v = onBar(w, SB_VERT, 30), h = onBar(w, SB_HORZ, 30);
  EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(v.x, v.y)), HTVSCROLL);
  EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(h.x, h.y)), HTHSCROLL);
  POINT corner{with.right + 2, with.bottom + 2};
  ClientToScreen(w, &corner);
  EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTGROWBOX);
}

// The page is at most the range's size; the position lies between the
// minimum and the last page's start. SetScrollInfo answers the position.
TEST_F(ScrollBars, SetScrollInfoKeepsPageAndPositionInsideTheRange) {
  struct Case {
    int min, max;
    UINT page;
    int pos;
    UINT pageOut;
    int posOut;
  };
  const Case cases[] = {
      {0, 100, 10, 50, 10, 50},  {0, 100, 10, 95, 10, 91},  {0, 100, 10, -5, 10, 0},
      {0, 100, 0, 100, 0, 100},  {0, 9, 50, 3, 10, 0},      {20, 30, 1, 25, 1, 25},      {-1, INT_MAX - 1, 0x80000000u, 7, 0x80000000u, -1},
      {30, 20, 0, 5, 0, 0},  // a reversed range becomes 0 to 0
  };
  HWND w = scrolled();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " page " << c.page << " pos " << c.pos);
    SCROLLINFO in{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, c.min, c.max, c.page, c.pos};
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &in, FALSE), c.posOut);
    SCROLLINFO out = infoOf(w, SB_VERT);
    EXPECT_EQ(out.nPage, c.pageOut);
    EXPECT_EQ(out.nPos, c.posOut);
    EXPECT_EQ(out.nTrackPos, c.posOut);
  }
}

// Each call answers as Windows does and leaves the bars it shows: a
// position alone shows none, a range with something to scroll shows its
// bar, SB_BOTH takes both at once, SB_CTL shows or hides the window itself,
// and EnableScrollBar answers whether anything changed.
TEST_F(ScrollBars, TheCallsAnswerAndShowTheirBars) {
  HWND w = scrolled(0);
  const auto answers = [w](int answer, int expected, DWORD bars) {
    EXPECT_EQ(answer, expected);
    EXPECT_EQ(barStyles(w), bars);
  };
  answers(SetScrollPos(w, SB_VERT, 5, TRUE), 0, 0);
  answers(GetScrollPos(w, SB_VERT), 5, 0);
  answers(ShowScrollBar(w, SB_BOTH, TRUE), TRUE, kBothBars);
  answers(ShowScrollBar(w, SB_VERT, FALSE), TRUE, WS_HSCROLL);
  answers(ShowScrollBar(w, 7, TRUE), FALSE, WS_HSCROLL);
  answers(SetScrollRange(w, SB_VERT, 0, 20, TRUE), TRUE, kBothBars);
  answers(SetScrollPos(w, SB_HORZ, 40, TRUE), 0, kBothBars);
  answers(SetScrollPos(w, SB_HORZ, 400, TRUE), 40, kBothBars);  // the previous position
  answers(GetScrollPos(w, SB_HORZ), 100, kBothBars);
  answers(SetScrollRange(w, SB_HORZ, 10, 60, TRUE), TRUE, kBothBars);
  answers(GetScrollPos(w, SB_HORZ), 60, kBothBars);
  answers(GetScrollPos(w, SB_VERT), 5, kBothBars);
  int low = 0, high = 0;
  answers(GetScrollRange(w, SB_HORZ, &low, &high), TRUE, kBothBars);
  EXPECT_EQ(low, 10);
  EXPECT_EQ(high, 60);
  answers(GetScrollRange(w, SB_VERT, nullptr, nullptr), TRUE, kBothBars);
  answers(EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH), FALSE, kBothBars);
  answers(EnableScrollBar(w, SB_VERT, ESB_DISABLE_UP), TRUE, kBothBars);
  answers(EnableScrollBar(w, SB_BOTH, ESB_DISABLE_BOTH), TRUE, kBothBars);
  answers(EnableScrollBar(w, SB_BOTH, ESB_DISABLE_BOTH), FALSE, kBothBars);
  answers(ShowScrollBar(w, SB_CTL, FALSE), TRUE, kBothBars);
  EXPECT_FALSE(IsWindowVisible(w));
  answers(ShowScrollBar(w, SB_CTL, TRUE), TRUE, kBothBars);
  EXPECT_TRUE(IsWindowVisible(w));
}

// A range with nothing to scroll hides the bar, or disables it with
// SIF_DISABLENOSCROLL; a range with something to scroll shows and enables
// it again. The client area follows.
TEST_F(ScrollBars, NeedlessBarsHideOrDisable) {
  HWND w = scrolled();
  RECT before, hidden;
  GetClientRect(w, &before);
  SetScrollRange(w, SB_VERT, 0, 0, TRUE);
  EXPECT_FALSE(barStyles(w) & WS_VSCROLL);
  GetClientRect(w, &hidden);
  EXPECT_EQ(hidden.right - before.right, GetSystemMetrics(SM_CXVSCROLL));
  SetScrollRange(w, SB_VERT, 0, 50, TRUE);
  EXPECT_TRUE(barStyles(w) & WS_VSCROLL);

  SCROLLINFO covering{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10};
  SetScrollInfo(w, SB_VERT, &covering, TRUE);
  EXPECT_TRUE(barStyles(w) & WS_VSCROLL);
  EXPECT_FALSE(EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH)) << "already disabled";
  SCROLLINFO longer{sizeof(SCROLLINFO), SIF_RANGE, 0, 90};
  SetScrollInfo(w, SB_VERT, &longer, TRUE);
  EXPECT_FALSE(EnableScrollBar(w, SB_VERT, ESB_ENABLE_BOTH)) << "enabled again";
}

// Failures: a handle that is no window, arguments out of their domain, a
// window without bars. SB_CTL on a window that is no scroll-bar control
// fails and leaves the last error alone.
TEST_F(ScrollBars, FailuresSetTheLastError) {
  HWND plain = scrolled(0);
  HWND w = scrolled();
  HWND gone = topLevel(0, 0, 50, 50, WS_POPUP | kBothBars);
  DestroyWindow(gone);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
  SCROLLINFO unsized{0, SIF_ALL};
  int low = 0, high = 0;
  struct Case {
    const char* name;
    std::function<int()> call;
    DWORD error;
  };
  const Case cases[] = {
      {"SetScrollInfo gone", [&] { return SetScrollInfo(gone, SB_VERT, &info, TRUE); }, ERROR_INVALID_WINDOW_HANDLE},
      {"GetScrollInfo gone", [&] { return GetScrollInfo(gone, SB_VERT, &info); }, ERROR_INVALID_WINDOW_HANDLE},
      {"SetScrollPos gone", [&] { return SetScrollPos(gone, SB_VERT, 1, TRUE); }, ERROR_INVALID_WINDOW_HANDLE},
      {"GetScrollPos gone", [&] { return GetScrollPos(gone, SB_VERT); }, ERROR_INVALID_WINDOW_HANDLE},
      {"SetScrollRange gone", [&] { return SetScrollRange(gone, SB_VERT, 0, 5, TRUE); }, ERROR_INVALID_WINDOW_HANDLE},
      {"GetScrollRange gone", [&] { return GetScrollRange(gone, SB_VERT, &low, &high); }, ERROR_INVALID_WINDOW_HANDLE},
      {"ShowScrollBar gone", [&] { return ShowScrollBar(gone, SB_VERT, TRUE); }, ERROR_INVALID_WINDOW_HANDLE},
      {"EnableScrollBar gone", [&] { return EnableScrollBar(gone, SB_VERT, ESB_DISABLE_BOTH); }, ERROR_INVALID_WINDOW_HANDLE},
      {"GetScrollInfo no bars", [&] { return GetScrollInfo(plain, SB_VERT, &info); }, ERROR_NO_SCROLLBARS},
      {"GetScrollPos no bars", [&] { return GetScrollPos(plain, SB_HORZ); }, ERROR_NO_SCROLLBARS},
      {"GetScrollInfo no size", [&] { return GetScrollInfo(w, SB_VERT, &unsized); }, ERROR_INVALID_PARAMETER},
      {"SetScrollInfo no size", [&] { return SetScrollInfo(w, SB_VERT, &unsized, TRUE); }, ERROR_INVALID_PARAMETER},
      {"SetScrollInfo NULL", [&] { return SetScrollInfo(w, SB_VERT, nullptr, TRUE); }, ERROR_INVALID_PARAMETER},
      {"SetScrollRange too wide", [&] { return SetScrollRange(w, SB_VERT, INT_MIN, INT_MAX, TRUE); },
       ERROR_INVALID_SCROLLBAR_RANGE},
      {"SetScrollPos SB_CTL", [&] { return SetScrollPos(w, SB_CTL, 3, TRUE); }, 0xDEADBEEF},
      {"GetScrollPos SB_CTL", [&] { return GetScrollPos(w, SB_CTL); }, 0xDEADBEEF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLastError(0xDEADBEEF);
    EXPECT_EQ(c.call(), 0);
    EXPECT_EQ(GetLastError(), c.error);
  }
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 0) << "the failed calls changed nothing";
}

// Each click on a part: the window hears WM_SYSCOMMAND from DefWindowProcA,
// the part's code with lParam NULL, loses the capture the press took, and
// hears SB_ENDSCROLL.
TEST_F(ScrollBars, ClicksOnArrowsAndTrackScrollTheWindow) {
  struct Case {
    const char* name;
    int bar, along;
    WORD sb;
  };
  const Case cases[] = {
      {"up arrow", SB_VERT, 3, SB_LINEUP},       {"down arrow", SB_VERT, -3, SB_LINEDOWN},
      {"track below", SB_VERT, -30, SB_PAGEDOWN}, {"left arrow", SB_HORZ, 3, SB_LINELEFT},
      {"right arrow", SB_HORZ, -3, SB_LINERIGHT}, {"track right", SB_HORZ, -30, SB_PAGERIGHT},
  };
  HWND w = scrolled();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    recordScrolling();
    clear();
    POINT p = onBar(w, c.bar, c.along);
    click(p);
    pump();
    UINT message = c.bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    WPARAM command = c.bar == SB_VERT ? SC_VSCROLL + HTVSCROLL : SC_HSCROLL + HTHSCROLL;
    EXPECT_SEQUENCE({WM_SYSCOMMAND, Sent | WParam | LParam, command, MAKELPARAM(p.x, p.y)},
                    {message, Sent | WParam | LParam, c.sb, 0}, {WM_CAPTURECHANGED, Sent},
                    {message, Sent | WParam | LParam, SB_ENDSCROLL, 0});
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

// The window holds the capture while the arrow is held, and hears the
// arrow's code again and again until it is released.
TEST_F(ScrollBars, AHeldArrowRepeats) {
  HWND w = scrolled();
  recordScrolling();
  POINT p = onBar(w, SB_VERT, -3);
  int lines = 0;
  bool capturedWhileHeld = false;
  headless::onIdle([&] {
    capturedWhileHeld = GetCapture() == w;
    lines = static_cast<int>(std::ranges::count(wParamsOf(WM_VSCROLL), WPARAM{SB_LINEDOWN}));
    if (lines >= 3) headless::releaseButton(p.x, p.y);
  });
  headless::pressButton(p.x, p.y);
  pump();
  headless::onIdle(nullptr);
  EXPECT_TRUE(capturedWhileHeld);
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(recorded().back().wParam, WPARAM{SB_ENDSCROLL});
}

// A held track pages until the thumb, moved by the window at each page,
// comes under the pointer; then the press waits for the release.
TEST_F(ScrollBars, AHeldTrackPagesUntilTheThumbReachesThePointer) {
  HWND w = scrolled();
  recordScrolling();
  POINT p = onBar(w, SB_VERT, -30);
  int pages = 0, quiet = 0;
  headless::onIdle([&] {
    int now = static_cast<int>(std::ranges::count(wParamsOf(WM_VSCROLL), WPARAM{SB_PAGEDOWN}));
    if (now > pages) {
      pages = now;
      quiet = 0;
      SetScrollPos(w, SB_VERT, pages * 10, TRUE);
    } else if (++quiet == 3) {
      headless::releaseButton(p.x, p.y);
    }
  });
  headless::pressButton(p.x, p.y);
  pump();
  headless::onIdle(nullptr);
  EXPECT_GT(pages, 1);
  EXPECT_LT(pages, 10) << "it stopped before the end of the range";
  EXPECT_FALSE(showsTrack(w, p)) << "the thumb stands under the pointer";
}

// A dragged thumb reports each position it passes, and the last one when
// released; the bar's position is the window's to set. Here one pixel of
// the track is one position.
TEST_F(ScrollBars, ADraggedThumbTracksThenReportsItsPosition) {
  HWND w = scrolled();
  RECT bar = barOnScreen(w, SB_VERT);
  int arrow = GetSystemMetrics(SM_CYVSCROLL), thumb = GetSystemMetrics(SM_CYVTHUMB);
  int room = bar.bottom - bar.top - 2 * arrow - thumb;
  SetScrollRange(w, SB_VERT, 0, room, FALSE);
  recordScrolling();
  POINT grab = onBar(w, SB_VERT, arrow + thumb / 2);
  int trackSeen = -1;
  headless::pressButton(grab.x, grab.y);
  headless::moveMouse(grab.x, grab.y + 10);
  headless::moveMouse(grab.x, grab.y + 25);
  headless::onIdle([&] {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS};
    GetScrollInfo(w, SB_VERT, &info);
    trackSeen = info.nTrackPos;
    headless::releaseButton(grab.x, grab.y + 25);
  });
  pump();
  headless::onIdle(nullptr);
  EXPECT_SEQUENCE({WM_SYSCOMMAND, Sent}, {WM_VSCROLL, Sent | WParam | LParam, code(SB_THUMBTRACK, 10), 0},
                  {WM_VSCROLL, Sent | WParam | LParam, code(SB_THUMBTRACK, 25), 0}, {WM_CAPTURECHANGED, Sent},
                  {WM_VSCROLL, Sent | WParam | LParam, code(SB_THUMBPOSITION, 25), 0},
                  {WM_VSCROLL, Sent | WParam | LParam, SB_ENDSCROLL, 0});
  EXPECT_EQ(trackSeen, 25);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
}

// A press ends without its last notifications when the window loses the
// capture to another window, or is destroyed, while the button is held.
TEST_F(ScrollBars, APressEndsWhenTheWindowLosesTheCaptureOrIsDestroyed) {
  for (bool destroy : {false, true}) {
    SCOPED_TRACE(destroy ? "destroyed" : "capture taken");
    HWND w = scrolled();
    HWND other = topLevel(300, 20, 100, 100, WS_OVERLAPPEDWINDOW, nullptr, Role::Other);
    recordScrolling();
    clear();
    POINT p = onBar(w, SB_VERT, -3);
    bool done = false;
    headless::onIdle([&] {
      if (done) return;
      done = true;
      if (destroy) DestroyWindow(w);
      else SetCapture(other);
      headless::moveMouse(p.x, p.y + 1);
    });
    headless::pressButton(p.x, p.y);
    pump();
    headless::onIdle(nullptr);
    headless::releaseButton(p.x, p.y);
    pump();
    EXPECT_EQ(IsWindow(w), destroy ? FALSE : TRUE);
    EXPECT_EQ(GetCapture(), destroy ? nullptr : other);
    std::vector<Expected> expected = {{WM_SYSCOMMAND, Sent}, {WM_VSCROLL, Sent | WParam, SB_LINEDOWN}};
    expected.push_back({WM_CAPTURECHANGED, Sent | (destroy ? Optional : 0u)});
    EXPECT_TRUE(matches(expected));
    ReleaseCapture();
  }
}

// A disabled bar takes no press, nor does a disabled arrow.
TEST_F(ScrollBars, DisabledPartsTakeNoPress) {
  HWND w = scrolled();
  recordScrolling();
  EnableScrollBar(w, SB_VERT, ESB_DISABLE_DOWN);
  click(onBar(w, SB_VERT, -3));
  EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
  click(onBar(w, SB_VERT, 3));
  pump();
  EXPECT_SEQUENCE({WM_SYSCOMMAND, Sent}, {WM_SYSCOMMAND, Sent});
}


// The classic look: the thumb (button face) stands where the position
// says, the rest of the track is a halftone, an arrow's glyph is black,
// and grey with no thumb once the bar is disabled.
TEST_F(ScrollBars, TheThumbAndArrowsShowThePositionAndState) {
  HWND w = scrolled();
  int arrow = GetSystemMetrics(SM_CYVSCROLL);
  POINT trackTop = onBar(w, SB_VERT, arrow + 4), trackBottom = onBar(w, SB_VERT, -arrow - 4);
  POINT glyph = onBar(w, SB_VERT, arrow / 2);
  EXPECT_EQ(screenPixel(w, trackTop), GetSysColor(COLOR_3DFACE));
  EXPECT_TRUE(showsTrack(w, trackBottom));
  EXPECT_EQ(screenPixel(w, glyph), GetSysColor(COLOR_BTNTEXT));
  SetScrollPos(w, SB_VERT, 100, TRUE);
  EXPECT_TRUE(showsTrack(w, trackTop));
  EXPECT_EQ(screenPixel(w, trackBottom), GetSysColor(COLOR_3DFACE));
  EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
  EXPECT_TRUE(showsTrack(w, trackBottom));
  EXPECT_EQ(screenPixel(w, glyph), GetSysColor(COLOR_3DSHADOW));
}

}  // namespace
