// Non-client painting: the region WM_NCPAINT is given when the frame
// changes, what DefWindowProcA draws with it, and GetDCEx's regions.
#include "platform_fixture.h"

using namespace msglog;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class NonClientPainting : public PlatformTest {};

COLORREF pixelOf(HWND w, POINT at, bool wholeWindow) {
  HDC dc = wholeWindow ? GetWindowDC(w) : GetDC(w);
  COLORREF color = GetPixel(dc, at.x, at.y);
  ReleaseDC(w, dc);
  return color;
}

// The client area keeps what it showed; an invalid part of it stays for
// WM_PAINT after being erased at once.
TEST_F(NonClientPainting, AFrameChangeGivesWmNcPaintTheWindowsUpdateRegion) {
  HWND w = shownTopLevel();
  const RECT parts[] = {{}, {10, 10, 20, 20}};
  for (const RECT& part : parts) {
    SCOPED_TRACE(part.right);
    if (!IsRectEmpty(&part)) InvalidateRect(w, &part, TRUE);
    clear();
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::vector<Expected> expected = {{WM_WINDOWPOSCHANGING, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_NCPAINT, Sent}};
    if (!IsRectEmpty(&part)) expected.push_back({WM_ERASEBKGND, Sent});
    expected.push_back({WM_WINDOWPOSCHANGED, Sent});
    EXPECT_TRUE(matches(expected));
    EXPECT_TRUE(ncPaintWasTheFrame(w, part));
    RECT update{};
    EXPECT_EQ(GetUpdateRect(w, &update, FALSE), !IsRectEmpty(&part));
    EXPECT_TRUE(EqualRect(&update, &part));
    settle();
  }
}

// Window coordinates: the caption runs along the top, 4 to 23.
TEST_F(NonClientPainting, DefWindowProcDrawsOnlyTheRegionItIsGiven) {
  HWND w = shownTopLevel(10, 20, 455, 193);
  const struct {
    const char* name;
    RECT screenPart;
    bool rightDrawn;
  } cases[] = {{"the left part", {10, 20, 110, 213}, false}, {"the whole frame", {}, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HDC dc = GetWindowDC(w);
    fillWith(dc, {0, 0, 455, 193}, kRed);
    ReleaseDC(w, dc);
    HRGN region = IsRectEmpty(&c.screenPart) ? nullptr : CreateRectRgnIndirect(&c.screenPart);
    DefWindowProcA(w, WM_NCPAINT, region ? reinterpret_cast<WPARAM>(region) : 1, 0);
    EXPECT_NE(pixelOf(w, {50, 10}, true), kRed);
    EXPECT_EQ(pixelOf(w, {300, 10}, true) != kRed, c.rightDrawn);
    if (!region) continue;
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), SIMPLEREGION) << "the caller's region stays its own";
    DeleteObject(region);
  }
}

// The region (screen coordinates) is the system's once handed over.
TEST_F(NonClientPainting, GetDCExClipsToTheRegionAndDeletesIt) {
  HWND w = shownTopLevel(10, 20, 455, 193);
  POINT client{0, 0};
  ClientToScreen(w, &client);
  const struct {
    DWORD flag;
    COLORREF inside, outside;
  } cases[] = {{DCX_INTERSECTRGN, kBlack, kWhite}, {DCX_EXCLUDERGN, kWhite, kBlack}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flag);
    fillWindow(w, {0, 0, 100, 100}, kWhite);
    HRGN region = CreateRectRgn(client.x, client.y, client.x + 10, client.y + 10);
    HDC dc = GetDCEx(w, region, c.flag);
    fillWith(dc, {0, 0, 100, 100}, kBlack);
    ReleaseDC(w, dc);
    EXPECT_EQ(pixelOf(w, {5, 5}, false), c.inside);
    EXPECT_EQ(pixelOf(w, {50, 50}, false), c.outside);
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), ERROR);
  }
}

}  // namespace
