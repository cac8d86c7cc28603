// A view with scroll bars scrolls for a person: the view's platform window
// has its standard bars, their range follows the view's limits, and a
// press on an arrow, the track or the thumb, or a navigation key while the
// view has the focus, moves the view's origin and its items.
#include <string>

#include "view_window.h"

namespace {

namespace headless = platform::headless;

// A pane 120 high and 200 wide showing part of a 400 x 500 content, with a
// button far down in it.
std::string PaneText() {
  return ItemText("View", "Pane", "{ 10 10 130 210 }",
                  R"("Origin": { 0 0 } "Limits": { 0 0 400 500 }
                     "VScroll": <<Scroll Bar>> "HScroll": <<Scroll Bar>>
                     "Content": ( )" +
                      ItemText("Push Button", "Far", "{ 200 20 220 80 }", R"("Title": "Far" "Type": 0)") + " )");
}

class ScrollingView : public ViewWindowTest {
 protected:
  void SetUp() override {
    ViewWindowTest::SetUp();
    OpenWith(PaneText());
  }

  static HWND Pane() { return Handle("Pane"); }

  // A point on one of the pane's bars, `along` pixels from its start (from
  // its end when negative), on the screen.
  static POINT OnBar(int bar, int along) {
    RECT c;
    GetClientRect(Pane(), &c);
    MapWindowPoints(Pane(), nullptr, reinterpret_cast<POINT*>(&c), 2);
    int across = GetSystemMetrics(SM_CXVSCROLL) / 2;
    if (bar == SB_VERT) return {c.right + across, along >= 0 ? c.top + along : c.bottom + along};
    return {along >= 0 ? c.left + along : c.right + along, c.bottom + across};
  }

  void Click(POINT p) {
    headless::click(p.x, p.y);
    RunUntilIdle();
  }

  static POINT Origin() { return ov::toPOINT(ov::get("Origin"_attr, Item("Pane"))); }

  static int32_t ValueOf(const ovAttributeSelector& bar) {
    return ov::toInt(ov::send("Get Control Value"_sel, ov::get(bar, Item("Pane")).get()).get());
  }

  // Where the button's platform window stands in the pane's client area.
  static POINT ButtonPlace() {
    RECT r;
    GetWindowRect(Handle("Far"), &r);
    POINT p{r.left, r.top};
    ScreenToClient(Pane(), &p);
    return p;
  }

  static int Line() { return GetSystemMetrics(SM_CYVSCROLL); }
  static int VerticalEnd() {
    int low = 0, high = 0;
    GetScrollRange(Pane(), SB_VERT, &low, &high);
    return high;
  }
  // The visible extent less the bar (the view's size), less a line.
  static int VerticalPage() { return 120 - GetSystemMetrics(SM_CYHSCROLL) - Line(); }
  static int HorizontalPage() { return 200 - GetSystemMetrics(SM_CXVSCROLL) - Line(); }
};

// The range ends where the limits' last screenful starts (the view's
// scroll size: its size less the bar and two pixels).
TEST_F(ScrollingView, TheViewsWindowHasBothBarsWithTheRangeOfItsLimits) {
  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(Pane(), GWL_STYLE));
  EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL));
  int low = -1, high = -1;
  GetScrollRange(Pane(), SB_VERT, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 400 - (120 - GetSystemMetrics(SM_CYHSCROLL) - (GetSystemMetrics(SM_CXVSCROLL) + 2)));
  GetScrollRange(Pane(), SB_HORZ, &low, &high);
  EXPECT_EQ(high, 500 - (200 - GetSystemMetrics(SM_CXVSCROLL) - (GetSystemMetrics(SM_CYHSCROLL) + 2)));
}

// Arrows move by a line, the track by a page, each way; the origin and the
// button's platform window follow the bars.
TEST_F(ScrollingView, ClicksOnArrowsAndTrackScrollTheContent) {
  struct Step {
    const char* name;
    int bar, along;
    POINT origin;  // (h, v) after the click
  };
  const Step steps[] = {
      {"down arrow", SB_VERT, -3, {0, Line()}},
      {"track below the thumb", SB_VERT, -Line() - 3, {0, Line() + VerticalPage()}},
      {"up arrow", SB_VERT, 3, {0, VerticalPage()}},
      {"right arrow", SB_HORZ, -3, {Line(), VerticalPage()}},
      {"track right of the thumb", SB_HORZ, -Line() - 3, {Line() + HorizontalPage(), VerticalPage()}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    Click(OnBar(s.bar, s.along));
    EXPECT_EQ(Origin().x, s.origin.x);
    EXPECT_EQ(Origin().y, s.origin.y);
    EXPECT_EQ(ValueOf("VScroll"_attr), s.origin.y);
    EXPECT_EQ(ValueOf("HScroll"_attr), s.origin.x);
    EXPECT_EQ(GetScrollPos(Pane(), SB_VERT), s.origin.y);
    EXPECT_EQ(ButtonPlace().x, 20 - s.origin.x);
    EXPECT_EQ(ButtonPlace().y, 200 - s.origin.y);
  }
}

// With the focus on the view, Page Up and Down move by a page, the arrows
// by a line, Home and End to the ends of the vertical range; other keys
// do not scroll, nor do keys for an inactive bar.
TEST_F(ScrollingView, NavigationKeysScrollTheViewThatHasTheFocus) {
  struct Step {
    const char* name;
    UINT key;
    POINT origin;  // (h, v) after the key
  };
  const Step steps[] = {
      {"Page Down", VK_NEXT, {0, VerticalPage()}},
      {"Down", VK_DOWN, {0, VerticalPage() + Line()}},
      {"Page Up", VK_PRIOR, {0, Line()}},
      {"Up", VK_UP, {0, 0}},
      {"Right", VK_RIGHT, {Line(), 0}},
      {"End", VK_END, {Line(), VerticalEnd()}},
      {"Left", VK_LEFT, {0, VerticalEnd()}},
      {"Home", VK_HOME, {0, 0}},
      {"A letter", 'A', {0, 0}},
  };
  SetFocus(Pane());
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    headless::pressKey(s.key);
    RunUntilIdle();
    EXPECT_EQ(Origin().x, s.origin.x);
    EXPECT_EQ(Origin().y, s.origin.y);
    EXPECT_EQ(GetScrollPos(Pane(), SB_HORZ), s.origin.x);
    EXPECT_EQ(ButtonPlace().y, 200 - s.origin.y);
  }
  ov::tell(ov::send<0>("Set Active?"_sel, ov::get("VScroll"_attr, Item("Pane")), {gdDefaultFalse}));
  headless::pressKey(VK_DOWN);
  RunUntilIdle();
  EXPECT_EQ(Origin().y, 0) << "an inactive bar scrolls nothing";
}

// The thumb, dragged to the end of the track, takes the view to the end
// of its range.
TEST_F(ScrollingView, ADraggedThumbScrollsToWhereItIsLeft) {
  POINT thumb = OnBar(SB_VERT, Line() + GetSystemMetrics(SM_CYVTHUMB) / 2);
  headless::pressButton(thumb.x, thumb.y);
  headless::moveMouse(thumb.x, thumb.y + 200);
  headless::releaseButton(thumb.x, thumb.y + 200);
  RunUntilIdle();
  int low = 0, high = 0;
  GetScrollRange(Pane(), SB_VERT, &low, &high);
  EXPECT_EQ(Origin().y, high);
  EXPECT_EQ(ValueOf("VScroll"_attr), high);
  EXPECT_EQ(ButtonPlace().y, 200 - high);
}

// Under a menu bar the bars scroll the same: their scroll events, which
// carry no handle, are the view's, not the menu bar's.
class ScrollingViewUnderAMenuBar : public ScrollingView {
 protected:
  void SetUp() override {
    ViewWindowTest::SetUp();
    OpenMainWindow(FramedMainWindowText(PaneText(), {{"Has Menubar?", "TRUE"}}));
  }
};

TEST_F(ScrollingViewUnderAMenuBar, ArrowsTrackAndKeysScrollTheContent) {
  ASSERT_NE(GetMenu(MainWindowHandle()), nullptr);
  Click(OnBar(SB_VERT, -3));
  EXPECT_EQ(Origin().y, Line());
  Click(OnBar(SB_VERT, -Line() - 3));
  EXPECT_EQ(Origin().y, Line() + VerticalPage());
  SetFocus(Pane());
  headless::pressKey(VK_END);
  RunUntilIdle();
  EXPECT_EQ(Origin().y, VerticalEnd());
}

// An inactive view disables its bars, and a press on them moves nothing.
TEST_F(ScrollingView, AnInactiveViewDoesNotScroll) {
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Pane"), {gdDefaultFalse}));
  EXPECT_FALSE(EnableScrollBar(Pane(), SB_VERT, ESB_DISABLE_BOTH)) << "already disabled";
  Click(OnBar(SB_VERT, -3));
  EXPECT_EQ(Origin().y, 0);
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Pane"), {gdDefaultTrue}));
  Click(OnBar(SB_VERT, -3));
  EXPECT_EQ(Origin().y, Line());
}

}  // namespace
