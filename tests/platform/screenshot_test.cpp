// Screenshots of the controls, an open menu and a dialog, written to
// screenshots/ in the build tree for people to look at, with the pixels
// that make the classic look checked here.
#include <algorithm>
#include <filesystem>

#include "platform/gdi/surface.h"
#include "platform/menus/popup_window.h"
#include "platform_fixture.h"
#include "sample_menu.h"

namespace headless = platform::headless;

namespace {

const std::string kShots = VELMARO_SCREENSHOTS;
const auto kFaceBrush = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);

// A point of a control, relative to its top-left corner.
POINT at(HWND control, int x, int y) {
  RECT r;
  GetWindowRect(control, &r);
  return {r.left + x, r.top + y};
}

int inkedPixels(HWND top, HWND control, COLORREF background) {
  std::vector<COLORREF> shown = shownPixels(top, control);
  return static_cast<int>(shown.size() - std::ranges::count(shown, background));
}

class Screenshots : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    std::filesystem::create_directories(kShots);
    msglog::registerClass("Face", DefWindowProcA, kFaceBrush);
    font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  }

  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    DeleteObject(font_);
    UnregisterClassA("Face", nullptr);
    PlatformTest::TearDown();
  }

  HWND add(const char* className, const char* text, DWORD style, RECT r, DWORD exStyle = 0) {
    HWND c = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, window_, nullptr, nullptr, nullptr);
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return c;
  }

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
};

TEST_F(Screenshots, EveryControlInTheClassicLook) {
  window_ = CreateWindowExA(0, "Face", "Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 455, 300, nullptr,
                            nullptr, nullptr, nullptr);
  HWND go = add(WC_BUTTONA, "Go", BS_PUSHBUTTON, {10, 10, 70, 30});
  add(WC_BUTTONA, "Default", BS_DEFPUSHBUTTON, {80, 10, 140, 30});
  add(WC_BUTTONA, "Disabled", BS_PUSHBUTTON | WS_DISABLED, {150, 10, 210, 30});
  HWND pushed = add(WC_BUTTONA, "Pushed", BS_PUSHBUTTON, {220, 10, 280, 30});
  SendMessageA(pushed, BM_SETSTATE, TRUE, 0);
  HWND checked = add(WC_BUTTONA, "Checked", BS_AUTOCHECKBOX, {10, 40, 100, 56});
  SendMessageA(checked, BM_SETCHECK, BST_CHECKED, 0);
  add(WC_BUTTONA, "Unchecked", BS_AUTOCHECKBOX, {110, 40, 200, 56});
  HWND three = add(WC_BUTTONA, "Either", BS_AUTO3STATE, {210, 40, 290, 56});
  SendMessageA(three, BM_SETCHECK, BST_INDETERMINATE, 0);
  HWND radio = add(WC_BUTTONA, "Radio one", BS_AUTORADIOBUTTON | WS_GROUP, {10, 60, 100, 76});
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  add(WC_BUTTONA, "Radio two", BS_AUTORADIOBUTTON, {110, 60, 200, 76});
  add(WC_BUTTONA, "Group", BS_GROUPBOX, {300, 40, 440, 110});
  HWND edit = add(WC_EDITA, "Hello, edit control", ES_AUTOHSCROLL, {10, 90, 160, 112}, WS_EX_CLIENTEDGE);
  add(WC_EDITA, "62", ES_NUMBER | WS_BORDER, {170, 90, 230, 112}, WS_EX_CLIENTEDGE);
  add(WC_EDITA, "Disabled", WS_DISABLED, {10, 120, 110, 142}, WS_EX_CLIENTEDGE);
  add(WC_EDITA, "Read-only", ES_READONLY, {120, 120, 220, 142}, WS_EX_CLIENTEDGE);
  HWND label = add(WC_STATICA, "A static text that wraps over more than one line.", SS_LEFT, {10, 150, 160, 190});
  add(WC_EDITA, "A multi-line edit control that wraps its words.\r\nSecond paragraph.", ES_MULTILINE | ES_AUTOVSCROLL,
      {170, 150, 330, 210}, WS_EX_CLIENTEDGE);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 7, 11);
  headless::runUntilIdle();
  ASSERT_TRUE(headless::saveWindowPng(window_, kShots + "/controls.png"));

  EXPECT_EQ(screenPixel(window_, at(go, 30, 4)), GetSysColor(COLOR_3DFACE));
  EXPECT_EQ(screenPixel(window_, at(go, 0, 0)), GetSysColor(COLOR_3DHIGHLIGHT));
  EXPECT_EQ(screenPixel(window_, at(go, 59, 19)), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(screenPixel(window_, at(pushed, 1, 1)), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(screenPixel(window_, at(checked, 0, 1)), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(screenPixel(window_, at(checked, 2, 3)), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(screenPixel(window_, at(checked, 5, 8)), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(screenPixel(window_, at(three, 5, 8)), GetSysColor(COLOR_GRAYTEXT));
  EXPECT_EQ(screenPixel(window_, at(edit, 1, 1)), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(screenPixel(window_, at(edit, 140, 3)), GetSysColor(COLOR_WINDOW));
  EXPECT_GT(inkedPixels(window_, label, GetSysColor(COLOR_3DFACE)), 150);
  bool highlighted = false;
  for (int x = 0; x < 150; ++x) highlighted |= screenPixel(window_, at(edit, x, 11)) == GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_TRUE(highlighted);
}

int menuIdles = 0;

LRESULT CALLBACK menuShotProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU && menuIdles++ == 0) {
    EXPECT_TRUE(headless::saveScreenPng(kShots + "/menu.png"));
    headless::pressKey(VK_DOWN);
  } else if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
    auto popup = reinterpret_cast<HWND>(lParam);
    RECT save = platform::menus::popupItemRect(popup, 1), r;
    GetWindowRect(popup, &r);
    EXPECT_EQ(screenPixel(popup, {save.left + 2, (save.top + save.bottom) / 2}), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(screenPixel(popup, {r.left, r.top}), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(screenPixel(popup, {r.left + 1, r.top + 1}), GetSysColor(COLOR_3DHIGHLIGHT));
    headless::pressKey(VK_ESCAPE);
    headless::pressKey(VK_ESCAPE);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Screenshots, AnOpenMenu) {
  msglog::registerClass("MenuShot", menuShotProc, kFaceBrush);
  HMENU bar = makeMenuBar();
  CheckMenuItem(bar, kSave, MF_CHECKED);
  window_ = CreateWindowExA(0, "MenuShot", "Velmaro", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 455, 193, nullptr, bar,
                            nullptr, nullptr);
  headless::runUntilIdle();
  menuIdles = 0;
  pressWith(VK_MENU, 'F');
  headless::runUntilIdle();
  EXPECT_EQ(menuIdles, 2);
  EXPECT_TRUE(std::filesystem::exists(kShots + "/menu.png"));
  DestroyWindow(window_);
  UnregisterClassA("MenuShot", nullptr);
}

TEST_F(Screenshots, ADialog) {
  msglog::whenIdle([] {
    EXPECT_TRUE(headless::saveScreenPng(kShots + "/dialog.png"));
    HWND dialog = GetActiveWindow();
    RECT r;
    GetWindowRect(dialog, &r);
    EXPECT_EQ(screenPixel(dialog, {(r.left + r.right) / 2, r.bottom - 8}), GetSysColor(COLOR_3DFACE));
    headless::pressKey(VK_ESCAPE);
  });
  HWND owner = shownTopLevel(10, 10, 400, 260);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCE(100), owner, msglog::recordingDialogProc, 0), IDCANCEL);
  EXPECT_TRUE(std::filesystem::exists(kShots + "/dialog.png"));
}

}  // namespace
