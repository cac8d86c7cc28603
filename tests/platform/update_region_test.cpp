// The update region through the calls that change it and the messages that
// paint it: InvalidateRgn, ValidateRect, GetUpdateRect and RedrawWindow.
#include "platform_fixture.h"

using namespace msglog;

namespace {

class UpdateRegion : public PlatformTest {
 protected:
  static ::testing::AssertionResult updateIs(HWND w, RECT expected) {
    RECT update{};
    BOOL any = GetUpdateRect(w, &update, FALSE);
    if (any == !IsRectEmpty(&expected) && EqualRect(&update, &expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "update " << update.left << ',' << update.top << ',' << update.right << ','
                                         << update.bottom << (any ? "" : " (none)");
  }
};

// InvalidateRgn adds the region or the whole client area; ValidateRect
// takes a part or all away, and what is valid is not painted.
TEST_F(UpdateRegion, InvalidateRgnAddsAndValidateRectTakesAway) {
  HWND w = shownTopLevel();
  HRGN region = CreateRectRgn(5, 6, 15, 16);
  EXPECT_TRUE(InvalidateRgn(w, region, FALSE));
  EXPECT_TRUE(updateIs(w, {5, 6, 15, 16}));
  DeleteObject(region);
  EXPECT_TRUE(InvalidateRgn(w, nullptr, TRUE));
  RECT client;
  GetClientRect(w, &client);
  EXPECT_TRUE(updateIs(w, client));
  RECT right{20, 0, client.right, client.bottom};
  EXPECT_TRUE(ValidateRect(w, &right));
  EXPECT_TRUE(updateIs(w, {0, 0, 20, client.bottom}));
  EXPECT_TRUE(ValidateRect(w, nullptr));
  EXPECT_TRUE(updateIs(w, {}));
  pump();
  EXPECT_SEQUENCE();
}

// Asked to, GetUpdateRect erases at once, and the paint that follows does
// not erase again.
TEST_F(UpdateRegion, GetUpdateRectErasesAtOnceWhenAsked) {
  HWND w = shownTopLevel();
  RECT area{10, 10, 20, 20}, update{};
  InvalidateRect(w, &area, TRUE);
  EXPECT_TRUE(GetUpdateRect(w, &update, TRUE));
  EXPECT_TRUE(EqualRect(&update, &area));
  EXPECT_SEQUENCE({WM_ERASEBKGND, Sent});
  clear();
  pump();
  EXPECT_SEQUENCE({WM_PAINT, Posted});
}

// RDW_UPDATENOW paints before returning; RDW_ERASENOW only erases and
// draws the frame, the paint coming at its ordinary time.
TEST_F(UpdateRegion, RedrawWindowPaintsNowOnlyWhatItsFlagsAsk) {
  const struct {
    const char* name;
    UINT flags;
    std::vector<Expected> now, later;
  } table[] = {
      {"update now", RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW, {{WM_PAINT, Sent}, {WM_ERASEBKGND, Sent}}, {}},
      {"erase now", RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW, {{WM_ERASEBKGND, Sent}}, {{WM_PAINT, Posted}}},
      {"frame now", RDW_INVALIDATE | RDW_FRAME | RDW_ERASENOW, {{WM_NCPAINT, Sent}}, {{WM_PAINT, Posted}}},
      {"later", RDW_INVALIDATE | RDW_ERASE, {}, {{WM_PAINT, Posted}, {WM_ERASEBKGND, Sent}}},
  };
  HWND w = shownTopLevel();
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(RedrawWindow(w, nullptr, nullptr, row.flags));
    EXPECT_TRUE(matches(row.now));
    clear();
    pump();
    EXPECT_TRUE(matches(row.later));
    clear();
  }
  InvalidateRect(w, nullptr, TRUE);
  EXPECT_TRUE(RedrawWindow(w, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_UPDATENOW));
  pump();
  EXPECT_SEQUENCE();
}

TEST_F(UpdateRegion, RedrawWindowReachesTheChildrenOfAClippingParentOnlyWhenAsked) {
  HWND main = topLevel(10, 20, 200, 100, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE);
  child(main, 1, 5, 5, 50, 20);
  settle();
  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_SEQUENCE({WM_PAINT, Sent});
  clear();
  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_SEQUENCE({WM_PAINT, Sent}, {WM_PAINT, Sent, 0, 0, Role::Child});
}

// Without a window InvalidateRect invalidates every top-level window whole.
TEST_F(UpdateRegion, InvalidateRectWithoutAWindowInvalidatesEveryWindow) {
  HWND first = shownTopLevel(10, 20, 200, 100), second = shownTopLevel(300, 20, 200, 100);
  EXPECT_TRUE(InvalidateRect(nullptr, nullptr, TRUE));
  for (HWND w : {first, second}) {
    RECT client;
    GetClientRect(w, &client);
    EXPECT_TRUE(updateIs(w, client));
  }
}

// A class with CS_HREDRAW or CS_VREDRAW has its whole client area redrawn
// when that dimension of it changes; otherwise only what the change
// uncovered, here nothing.
TEST_F(UpdateRegion, AClientAreaNarrowedIsRedrawnWholeOnlyForClassesThatAskForIt) {
  ASSERT_NE(registerClass("Redrawing", DefWindowProcA, nullptr, CS_HREDRAW | CS_VREDRAW), 0);
  const struct {
    const char* className;
    bool whole;
  } classes[] = {{"Redrawing", true}, {recorderClass(), false}};
  for (const auto& c : classes) {
    SCOPED_TRACE(c.className);
    HWND w =
        CreateWindowExA(0, c.className, "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
    keep(w, Role::Other);
    settle();
    ShowScrollBar(w, SB_VERT, TRUE);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 100 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_TRUE(updateIs(w, c.whole ? client : RECT{}));
    DestroyWindow(w);
  }
  EXPECT_TRUE(UnregisterClassA("Redrawing", nullptr));
}

}  // namespace
