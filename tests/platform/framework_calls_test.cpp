// Calls the framework's windows make of the platform, as Windows answers
// them: redrawing a menu bar after its items changed, the default
// procedures of MDI frames and children, an accelerator on the Enter key,
// and deleting a window's device context.
#include "platform_fixture.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

class FrameworkCalls : public PlatformTest {};

TEST_F(FrameworkCalls, DrawMenuBarRedrawsOnlyATopLevelWindowThatIsThere) {
  HWND main = shownTopLevel();
  HWND inside = child(main, 1, 0, 0, 50, 20);
  settle();
  EXPECT_TRUE(DrawMenuBar(inside)) << "a child has no bar: nothing to draw, no failure";
  EXPECT_SEQUENCE();
  EXPECT_TRUE(DrawMenuBar(main)) << "a window without a menu still recomputes its frame";
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_NCPAINT, Sent | Optional},
                  {WM_WINDOWPOSCHANGED, Sent});
  DestroyWindow(main);
  EXPECT_FALSE(DrawMenuBar(main));
}

// The bar shows an item's new state only once it is redrawn.
TEST_F(FrameworkCalls, DrawMenuBarShowsItemsGrayedSinceTheLastDrawing) {
  constexpr UINT kItem = 7;
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, kItem, "Exit");
  HWND w = shownTopLevel(10, 20, 455, 193, WS_OVERLAPPEDWINDOW, bar);
  const platform::gdi::Surface* s = headless::surfaceOf(w);
  RECT inBar{4, 23, 451, 23 + 19};
  auto grayTextIn = [s, &inBar] {
    uint32_t gray = platform::gdi::pixelFromColorRef(GetSysColor(COLOR_GRAYTEXT));
    for (int y = inBar.top; y < inBar.bottom; ++y)
      for (int x = inBar.left; x < inBar.right; ++x)
        if (s->pixel(x, y) == gray) return true;
    return false;
  };
  ASSERT_FALSE(grayTextIn());
  EnableMenuItem(bar, kItem, MF_GRAYED);
  EXPECT_FALSE(grayTextIn());
  EXPECT_TRUE(DrawMenuBar(w));
  EXPECT_TRUE(grayTextIn());
}

// The platform has no MDI client window class. Without a client, Windows'
// frame and child procedures do what DefWindowProcA does, and so do the
// platform's, whatever client handle they are given: for the commands,
// sizes, moves and hit tests the framework passes them, and for closing.
TEST_F(FrameworkCalls, WithoutAnMdiClientTheFrameAndChildDefaultsAreThePlainDefault) {
  HWND frame = shownTopLevel(10, 20, 300, 200);
  HWND inside = child(frame, 1, 10, 10, 100, 50);
  LPARAM overClient = MAKELPARAM(10 + 4 + 50, 20 + 4 + 19 + 20);
  for (UINT message : {WM_COMMAND, WM_SIZE, WM_MOVE}) {
    EXPECT_EQ(DefFrameProcA(frame, inside, message, 1, 0), DefWindowProcA(frame, message, 1, 0));
    EXPECT_EQ(DefMDIChildProcA(inside, message, 1, 0), DefWindowProcA(inside, message, 1, 0));
  }
  EXPECT_EQ(DefFrameProcA(frame, nullptr, WM_NCHITTEST, 0, overClient), HTCLIENT);
  EXPECT_EQ(DefFrameProcA(frame, nullptr, WM_NCHITTEST, 0, MAKELPARAM(10 + 4 + 50, 20 + 4 + 5)), HTCAPTION);
  EXPECT_TRUE(DefFrameProcA(frame, nullptr, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Frame")));
  char title[16] = {};
  GetWindowTextA(frame, title, sizeof title);
  EXPECT_STREQ(title, "Frame");
  DefMDIChildProcA(inside, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(inside));
  DefFrameProcA(frame, nullptr, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(frame));
}

TEST_F(FrameworkCalls, AnAcceleratorOnEnterTakesTheKeyBeforeItBecomesACharacter) {
  constexpr WORD kGo = 40;
  ACCEL enter{FVIRTKEY, LOBYTE(VkKeyScanA('\r')), kGo};
  ASSERT_EQ(enter.key, VK_RETURN);
  HACCEL table = CreateAcceleratorTableA(&enter, 1);
  HWND w = shownTopLevel();
  headless::pressKey(VK_RETURN);
  pump([w, table](MSG& msg) { return TranslateAcceleratorA(w, table, &msg) != 0; });
  EXPECT_SEQUENCE({WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(kGo, 1), 0}, {WM_KEYUP, Posted | WParam, VK_RETURN});
  DestroyAcceleratorTable(table);
}

TEST_F(FrameworkCalls, DeleteDCEndsAWindowsDeviceContext) {
  HWND w = shownTopLevel();
  HDC dc = GetDC(w);
  ASSERT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(GetObjectType(dc), 0u);
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(ReleaseDC(w, dc), 0);
}

}  // namespace
