// Windows: classic metrics and frames, hit-testing, painting and clipping,
// input rules (disabled windows, capture), text, relatives, screenshots.
#include <cstdio>
#include <cstring>
#include <fstream>

#include "canvas.h"
#include "platform/backend.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

class Windows : public PlatformTest {};

HMENU someMenu() { return reinterpret_cast<HMENU>(uintptr_t{0x1234}); }

TEST_F(Windows, ClassicMetricsGiveTheClassicClientArea) {
  RECT r{0, 0, 447, 147};
  ASSERT_TRUE(AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, TRUE, 0));
  EXPECT_EQ(r.right - r.left, 455);
  EXPECT_EQ(r.bottom - r.top, 193);
  HWND w = topLevel(10, 10, 455, 193, WS_OVERLAPPEDWINDOW, someMenu());
  GetClientRect(w, &r);
  EXPECT_EQ(r.right, 447);
  EXPECT_EQ(r.bottom, 147);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  EXPECT_EQ(origin.x, 14);
  EXPECT_EQ(origin.y, 10 + 4 + 19 + 19);
  // Under a real window manager only the menu bar and client area are shown.
  RECT content = platform::contentRect(w), expected{4, 23, 451, 189};
  EXPECT_TRUE(EqualRect(&content, &expected));
}

// The other classic metrics at 96 dpi, on the 1024 x 768 screen the
// desktop window covers; an index that names no metric answers 0.
TEST_F(Windows, ClassicMetricsOfIconsCaptionsMaximisingAndTheMouse) {
  const struct {
    int index, value;
  } table[] = {{SM_CXSCREEN, 1024},
               {SM_CYSCREEN, 768},
               {SM_CXVSCROLL, 16},
               {SM_CYHSCROLL, 16},
               {SM_CXICON, 32},
               {SM_CYCURSOR, 32},
               {SM_CYSMCAPTION, 15},
               {SM_CXMAXIMIZED, 1024 + 8},
               {SM_CYMAXIMIZED, 768 + 8},
               {SM_CXFULLSCREEN, 1024},
               {SM_CYFULLSCREEN, 768 - 19},
               {SM_MOUSEPRESENT, 1},
               {SM_CMOUSEBUTTONS, 3},
               {12345, 0}};
  for (const auto& row : table) EXPECT_EQ(GetSystemMetrics(row.index), row.value) << row.index;
  EXPECT_FALSE(AdjustWindowRectEx(nullptr, WS_OVERLAPPEDWINDOW, FALSE, 0));
  RECT desktop, screen{0, 0, 1024, 768};
  ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &desktop));
  EXPECT_TRUE(EqualRect(&desktop, &screen));
}

// Frames take room on every side, a scroll bar on one.
TEST_F(Windows, ChildFramesAndScrollBarsTakeTheirRoomFromTheClientArea) {
  HWND main = topLevel(0, 0, 300, 200);
  const struct {
    DWORD style, exStyle;
    int lostAcross, lostDown;
  } cases[] = {
      {0, 0, 0, 0},           {WS_BORDER, 0, 2, 2},  {0, WS_EX_CLIENTEDGE, 4, 4}, {WS_BORDER, WS_EX_CLIENTEDGE, 6, 6},
      {WS_VSCROLL, 0, 16, 0}, {WS_HSCROLL, 0, 0, 16}};
  for (const auto& c : cases) {
    HWND w = CreateWindowExA(c.exStyle, recorderClass(), "", WS_CHILD | c.style, 0, 0, 100, 50, main, nullptr, nullptr, nullptr);
    RECT r;
    GetClientRect(w, &r);
    EXPECT_EQ(r.right, 100 - c.lostAcross) << c.style << ' ' << c.exStyle;
    EXPECT_EQ(r.bottom, 50 - c.lostDown) << c.style << ' ' << c.exStyle;
  }
}

// The extended style the CREATESTRUCT of WM_NCCREATE and WM_CREATE held.
DWORD createdWithExStyle[2];

LRESULT CALLBACK creationRecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE || message == WM_CREATE)
    createdWithExStyle[message == WM_CREATE] = reinterpret_cast<CREATESTRUCTA*>(lParam)->dwExStyle;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Windows, WindowsAddClipSiblingsCaptionAndWindowEdgeOfTheirOwn) {
  ASSERT_NE(registerClass("Styles", creationRecordingProc), 0);
  HWND parent = topLevel(0, 0, 200, 200);
  const struct {
    DWORD style, exStyle, wantStyle, wantExStyle;
  } cases[] = {
      {WS_OVERLAPPED, 0, WS_CLIPSIBLINGS | WS_CAPTION, WS_EX_WINDOWEDGE},
      {WS_OVERLAPPEDWINDOW, 0, WS_CLIPSIBLINGS | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE},
      {WS_POPUP, WS_EX_WINDOWEDGE, WS_POPUP | WS_CLIPSIBLINGS, 0},
      {WS_POPUP | WS_CAPTION, 0, WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION, WS_EX_WINDOWEDGE},
      {WS_POPUP | WS_THICKFRAME, WS_EX_STATICEDGE, WS_POPUP | WS_CLIPSIBLINGS | WS_THICKFRAME, WS_EX_STATICEDGE},
      {WS_CHILD, WS_EX_WINDOWEDGE, WS_CHILD, 0},
      {WS_CHILD | WS_DLGFRAME, 0, WS_CHILD | WS_DLGFRAME, WS_EX_WINDOWEDGE},
      {WS_CHILD, WS_EX_DLGMODALFRAME, WS_CHILD, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.style << ' ' << c.exStyle);
    HWND w = CreateWindowExA(c.exStyle, "Styles", "", c.style, 0, 0, 50, 50, (c.style & WS_CHILD) ? parent : nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE)), c.wantStyle);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(w, GWL_EXSTYLE)), c.wantExStyle);
    EXPECT_EQ(createdWithExStyle[0], c.wantExStyle);
    EXPECT_EQ(createdWithExStyle[1], c.wantExStyle);
    DestroyWindow(w);
  }
  SetWindowLongPtrA(parent, GWL_STYLE, WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(parent, GWL_STYLE)), WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS);
  EXPECT_TRUE(UnregisterClassA("Styles", nullptr));
}

TEST_F(Windows, HitTestingNamesEachPartOfTheFrame) {
  HWND w = topLevel(100, 100, 455, 193, WS_OVERLAPPEDWINDOW, someMenu());
  auto hit = [w](int x, int y) { return SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(100 + x, 100 + y)); };
  EXPECT_EQ(hit(200, 10), HTCAPTION);
  EXPECT_EQ(hit(200, 4 + 19 + 5), HTMENU);
  EXPECT_EQ(hit(200, 100), HTCLIENT);
  EXPECT_EQ(hit(1, 100), HTLEFT);
  EXPECT_EQ(hit(454, 100), HTRIGHT);
  EXPECT_EQ(hit(200, 192), HTBOTTOM);
  EXPECT_EQ(hit(1, 1), HTTOPLEFT);
  EXPECT_EQ(hit(455 - 4 - 2 - 8, 4 + 2 + 7), HTCLOSE);
  EXPECT_EQ(hit(8, 10), HTSYSMENU);
  EXPECT_EQ(hit(500, 100), HTNOWHERE);
}

TEST_F(Windows, ThePointerTakesTheSizingShapeOfTheFramePartUnderIt) {
  topLevel(100, 100, 455, 193, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  settle();
  const struct {
    int x, y;
    LPCSTR shape;
  } table[] = {{1, 100, IDC_SIZEWE},   {454, 100, IDC_SIZEWE}, {200, 1, IDC_SIZENS},
               {200, 192, IDC_SIZENS}, {1, 1, IDC_SIZENWSE},   {454, 192, IDC_SIZENWSE},
               {454, 1, IDC_SIZENESW}, {1, 192, IDC_SIZENESW}, {200, 10, IDC_ARROW}};
  for (const auto& row : table) {
    headless::moveMouse(100 + row.x, 100 + row.y);
    pump();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, row.shape)) << row.x << ',' << row.y;
  }
}

// Disabling the focus window takes the focus away. A disabled window takes
// no focus and no input: a click on a disabled child goes to its parent.
TEST_F(Windows, DisabledWindowsTakeNoInput) {
  HWND main = shownTopLevel();
  HWND c = child(main, 5, 50, 40, 60, 30);
  SetFocus(c);
  settle();
  EXPECT_FALSE(EnableWindow(c, FALSE));
  EXPECT_SEQUENCE({WM_CANCELMODE, Sent, 0, 0, Role::Child}, {WM_KILLFOCUS, Sent | WParam, 0, 0, Role::Child},
                  {WM_ENABLE, Sent | WParam, FALSE, 0, Role::Child});
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SetFocus(c), nullptr);
  settle();
  headless::click(14 + 60, 43 + 50);
  pump();
  for (const Recorded& r : recorded()) EXPECT_NE(r.role, Role::Child) << messageName(r.message);
  ASSERT_FALSE(recorded().empty());
  EXPECT_EQ(recorded().back().message, WM_LBUTTONUP);
  EXPECT_EQ(recorded().back().lParam, MAKELPARAM(60, 50));
  SetFocus(main);
  EnableWindow(main, FALSE);
  settle();
  headless::click(200, 150);
  headless::pressKey('A');
  pump();
  EXPECT_TRUE(recorded().empty());
  EXPECT_TRUE(EnableWindow(c, TRUE));
  EXPECT_TRUE(IsWindowEnabled(c));
}

TEST_F(Windows, TheCaptureWindowGetsTheMouseEverywhere) {
  HWND main = shownTopLevel();
  HWND c = child(main, 5, 50, 40, 60, 30);
  EXPECT_EQ(SetCapture(c), nullptr);
  settle();
  headless::moveMouse(5, 5);
  pump();
  ASSERT_EQ(recorded().size(), 1u);
  EXPECT_EQ(recorded()[0].role, Role::Child);
  EXPECT_EQ(recorded()[0].message, WM_MOUSEMOVE);
  EXPECT_EQ(GET_X_LPARAM(recorded()[0].lParam), 5 - 64);
  EXPECT_EQ(GET_Y_LPARAM(recorded()[0].lParam), 5 - 83);
  clear();
  ReleaseCapture();
  EXPECT_SEQUENCE({WM_CAPTURECHANGED, Sent | LParam, 0, 0, Role::Child});
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Windows, ChildrenAreClippedOutOfAParentThatAsksForIt) {
  for (bool clipChildren : {true, false}) {
    SCOPED_TRACE(clipChildren);
    HWND parent = topLevel(0, 0, 100, 80, WS_POPUP | WS_VISIBLE | (clipChildren ? WS_CLIPCHILDREN : 0));
    HWND c = child(parent, 1, 10, 10, 20, 20);
    settle();
    fillWindow(parent, {0, 0, 100, 80}, RGB(0, 0, 0));
    const platform::gdi::Surface* s = headless::surfaceOf(parent);
    EXPECT_EQ(s->pixel(15, 15), clipChildren ? 0xFFFFFFu : 0u);
    EXPECT_EQ(s->pixel(5, 5), 0u);
    fillWindow(c, {0, 0, 100, 80}, RGB(255, 0, 0));
    EXPECT_EQ(s->pixel(15, 15), 0xFF0000u);
    EXPECT_EQ(s->pixel(30, 15), 0u);
    EXPECT_EQ(s->pixel(9, 9), 0u);
    DestroyWindow(parent);
  }
}

TEST_F(Windows, OverlappingSiblingsClipEachOtherWithClipSiblings) {
  HWND parent = topLevel(0, 0, 100, 80, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
  HWND below = child(parent, 1, 10, 10, 40, 40, WS_VISIBLE | WS_CLIPSIBLINGS);
  child(parent, 2, 30, 30, 40, 40, WS_VISIBLE | WS_CLIPSIBLINGS, Role::Other);
  SetWindowPos(below, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  settle();
  fillWindow(below, {0, 0, 40, 40}, RGB(0, 0, 0));
  const platform::gdi::Surface* s = headless::surfaceOf(parent);
  EXPECT_EQ(s->pixel(20, 20), 0u);
  EXPECT_EQ(s->pixel(40, 40), 0xFFFFFFu);
}

TEST_F(Windows, BeginPaintClipsToTheInvalidPart) {
  HWND w = topLevel(0, 0, 100, 80, WS_POPUP | WS_VISIBLE);
  settle();
  RECT area{5, 6, 15, 16};
  InvalidateRect(w, &area, FALSE);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w, &ps);
  ASSERT_NE(dc, nullptr);
  EXPECT_TRUE(EqualRect(&ps.rcPaint, &area));
  EXPECT_FALSE(ps.fErase);
  RECT all{0, 0, 100, 80};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EndPaint(w, &ps);
  const platform::gdi::Surface* s = headless::surfaceOf(w);
  EXPECT_EQ(s->pixel(5, 6), 0u);
  EXPECT_EQ(s->pixel(14, 15), 0u);
  EXPECT_EQ(s->pixel(15, 15), 0xFFFFFFu);
  EXPECT_EQ(s->pixel(4, 6), 0xFFFFFFu);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
}

// A top-level window moved (by a window manager placing it, say) keeps what
// it shows, children included; discarding its bits or a new size repaints.
TEST_F(Windows, MovingATopLevelWindowKeepsItsContentsUnlessTheyAreDiscarded) {
  const struct {
    UINT flags;
    int width;
    BOOL repaints;
  } cases[] = {{0, 455, FALSE}, {SWP_NOCOPYBITS, 455, TRUE}, {0, 470, TRUE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.flags << ' ' << c.width);
    HWND main = shownTopLevel();
    HWND inner = child(main, 1, 10, 10, 50, 20);
    settle();
    SetWindowPos(main, nullptr, 40, 50, c.width, 193, SWP_NOZORDER | SWP_NOACTIVATE | c.flags);
    RECT update;
    EXPECT_EQ(GetUpdateRect(main, &update, FALSE), c.repaints);
    EXPECT_EQ(GetUpdateRect(inner, &update, FALSE), c.repaints);
    DestroyWindow(main);
  }
}

// Showing erases at once, BeginPaint erases what was invalidated with the
// paint's own device context; a window that leaves the erase undone (it
// answers WM_ERASEBKGND with 0) finds fErase set.
TEST_F(Windows, BeginPaintReportsAnEraseLeftUndone) {
  for (bool shown : {true, false})
    for (LRESULT erased : {0, 1}) {
      SCOPED_TRACE(testing::Message() << (shown ? "shown" : "invalidated") << ' ' << erased);
      answer(WM_ERASEBKGND, erased);
      HWND w = topLevel(0, 0, 100, 80, WS_POPUP | (shown ? 0 : WS_VISIBLE));
      shown ? ShowWindow(w, SW_SHOW) : InvalidateRect(w, nullptr, TRUE);
      clear();
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      ASSERT_NE(dc, nullptr);
      EndPaint(w, &ps);
      EXPECT_EQ(ps.fErase, erased ? FALSE : TRUE);
      EXPECT_TRUE(shown ? matches({}) : matches({{WM_ERASEBKGND, Sent | WParam, handleWParam(dc)}}));
      DestroyWindow(w);
    }
}

TEST_F(Windows, TheClassBrushErasesAndTheFrameIsDrawn) {
  ASSERT_NE(registerClass("Gray", DefWindowProcA, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), 0);
  HWND w = CreateWindowExA(0, "Gray", "Title", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, someMenu(),
                           nullptr, nullptr);
  headless::runUntilIdle();
  const platform::gdi::Surface* s = headless::surfaceOf(w);
  auto sys = [](int index) { return platform::gdi::pixelFromColorRef(GetSysColor(index)); };
  EXPECT_EQ(s->pixel(100, 80), sys(COLOR_BTNFACE));
  EXPECT_EQ(s->pixel(100, 6), sys(COLOR_ACTIVECAPTION));
  EXPECT_EQ(s->pixel(100, 4 + 19 + 5), sys(COLOR_MENU));
  EXPECT_EQ(s->pixel(0, 50), sys(COLOR_3DLIGHT));
  EXPECT_EQ(s->pixel(199, 50), sys(COLOR_3DDKSHADOW));
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassA("gray", nullptr));
}

TEST_F(Windows, TextIsStoredAndTruncatedLikeWin32) {
  HWND w = topLevel(0, 0, 100, 80);
  EXPECT_TRUE(SetWindowTextA(w, "Hello"));
  EXPECT_EQ(GetWindowTextLengthA(w), 5);
  char buffer[4];
  EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "Hel");
  char name[32];
  EXPECT_GT(GetClassNameA(w, name, sizeof name), 0);
  EXPECT_STREQ(name, recorderClass());
}

TEST_F(Windows, RelativesAndPoints) {
  HWND main = shownTopLevel();
  HWND c = child(main, 9, 20, 30, 40, 40);
  EXPECT_EQ(GetParent(c), main);
  EXPECT_EQ(GetParent(main), nullptr);
  EXPECT_TRUE(IsChild(main, c));
  EXPECT_EQ(GetWindow(main, GW_CHILD), c);
  EXPECT_EQ(WindowFromPoint({14 + 25, 43 + 35}), c);
  EXPECT_EQ(WindowFromPoint({14 + 5, 43 + 5}), main);
  EXPECT_EQ(WindowFromPoint({900, 700}), GetDesktopWindow());
  POINT p{14 + 25, 43 + 35};
  ScreenToClient(c, &p);
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.y, 5);
  EXPECT_EQ(GetWindowLongPtrA(c, GWLP_ID), 9);
  RECT r;
  GetWindowRect(c, &r);
  EXPECT_EQ(r.left, 34);
  EXPECT_EQ(r.top, 73);
  EXPECT_EQ(ChildWindowFromPoint(main, {25, 35}), c);
}

// Children are listed in the order they were made, the first on top.
TEST_F(Windows, GetWindowWalksSiblingsInTheirOrder) {
  HWND main = shownTopLevel();
  HWND a = child(main, 1, 0, 0, 10, 10), b = child(main, 2, 20, 0, 10, 10), c = child(main, 3, 40, 0, 10, 10);
  const struct {
    HWND from;
    UINT command;
    HWND expected;
  } table[] = {{main, GW_CHILD, a},       {b, GW_HWNDFIRST, a},   {b, GW_HWNDLAST, c},
               {b, GW_HWNDNEXT, c},       {b, GW_HWNDPREV, a},    {a, GW_HWNDPREV, nullptr},
               {c, GW_HWNDNEXT, nullptr}, {a, GW_CHILD, nullptr}, {b, 99, nullptr}};
  for (const auto& row : table) EXPECT_EQ(GetWindow(row.from, row.command), row.expected) << row.command;
  EXPECT_EQ(ChildWindowFromPoint(main, {100, 5}), main);
  EXPECT_EQ(ChildWindowFromPoint(main, {-5, 5}), nullptr);
  // SetWindowPos and BringWindowToTop reorder them.
  const auto order = [main] {
    std::vector<HWND> found;
    for (HWND w = GetWindow(main, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) found.push_back(w);
    return found;
  };
  const UINT keepPlace = SWP_NOMOVE | SWP_NOSIZE;
  EXPECT_TRUE(SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, keepPlace));
  EXPECT_EQ(order(), (std::vector<HWND>{b, c, a}));
  EXPECT_TRUE(SetWindowPos(b, c, 0, 0, 0, 0, keepPlace));
  EXPECT_EQ(order(), (std::vector<HWND>{c, b, a}));
  EXPECT_TRUE(SetWindowPos(b, c, 0, 0, 0, 0, keepPlace));
  EXPECT_EQ(order(), (std::vector<HWND>{c, b, a}));
  EXPECT_TRUE(BringWindowToTop(a));
  EXPECT_EQ(order(), (std::vector<HWND>{a, c, b}));
}

// GWLP_HWNDPARENT answers a child's parent and a popup's owner.
TEST_F(Windows, WindowLongsReadAndWriteTheirFieldsAndRefuseOtherIndexes) {
  HWND main = shownTopLevel();
  HWND c = child(main, 9, 0, 0, 10, 10);
  HWND owned = CreateWindowExA(0, recorderClass(), "", WS_POPUP, 0, 0, 10, 10, main, nullptr, nullptr, nullptr);
  keep(owned, Role::Other);
  const auto asLong = [](HWND h) { return reinterpret_cast<LONG_PTR>(h); };
  EXPECT_EQ(GetWindowLongPtrA(c, GWLP_HWNDPARENT), asLong(main));
  EXPECT_EQ(GetWindowLongPtrA(owned, GWLP_HWNDPARENT), asLong(main));
  EXPECT_EQ(GetWindowLongPtrA(main, GWLP_HWNDPARENT), 0);
  EXPECT_EQ(SetWindowLongPtrA(c, GWLP_ID, 12), 9);
  EXPECT_EQ(GetDlgItem(main, 12), c);
  const LONG_PTR instance = GetWindowLongPtrA(main, GWLP_HINSTANCE);
  EXPECT_EQ(SetWindowLongPtrA(main, GWLP_HINSTANCE, 0x400000), instance);
  EXPECT_EQ(GetWindowLongPtrA(main, GWLP_HINSTANCE), 0x400000);
  for (int index : {1000, -100}) {
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(main, index), 0) << index;
    EXPECT_EQ(SetWindowLongPtrA(main, index, 1), 0) << index;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX)) << index;
  }
}

TEST_F(Windows, ScreenshotsArePngFilesOfTheWindowAndTheScreen) {
  HWND w = shownTopLevel(40, 30, 200, 100);
  std::string path = ::testing::TempDir() + "velmaro_window.png";
  ASSERT_TRUE(headless::saveWindowPng(w, path));
  std::ifstream file(path, std::ios::binary);
  unsigned char header[24] = {};
  file.read(reinterpret_cast<char*>(header), sizeof header);
  const unsigned char signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_EQ(std::memcmp(header, signature, 8), 0);
  EXPECT_EQ((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19], 200);
  EXPECT_EQ((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23], 100);
  std::remove(path.c_str());
  platform::gdi::Surface screen = headless::screen();
  EXPECT_EQ(screen.width(), 1024);
  EXPECT_EQ(screen.pixel(40 + 100, 30 + 60), headless::surfaceOf(w)->pixel(100, 60));
  EXPECT_EQ(screen.pixel(5, 5), platform::gdi::pixelFromColorRef(GetSysColor(COLOR_BACKGROUND)));
  EXPECT_TRUE(headless::saveScreenPng(path));
  std::remove(path.c_str());
}

TEST_F(Windows, TheBackendIsChosenBeforeWindowsExist) {
  EXPECT_TRUE(platform::useBackend("headless"));
  topLevel(0, 0, 10, 10);
  EXPECT_FALSE(platform::useBackend("headless"));
  EXPECT_FALSE(headless::start(800, 600));
}

}  // namespace

// A program that makes a window before it chooses a backend gets the default
// one; choosing it must not need the desktop, which needs the backend.
TEST(FirstWindow, NeedsNoBackendChosenBeforehand) {
  ASSERT_NE(msglog::registerClass("first window", DefWindowProcA), 0);
  HWND w = CreateWindowExA(0, "first window", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  RECT screen{};
  GetWindowRect(GetDesktopWindow(), &screen);
  EXPECT_GT(screen.right, 0);
  DestroyWindow(w);
}
