// The File menu of the program's archive on a real main window: the bar it
// shows, its enabling on an idle pass, and quitting by choosing Exit with
// the mouse or the keyboard.
#include <functional>
#include <string>

#include "archived_windows.h"
#include "framework_fixture.h"
#include "platform/menus/popup_window.h"

namespace {

namespace headless = platform::headless;

// Targets that are texts claim and disable the item they name
// (claiming_target.cpp).

// The window of the open drop-down menu, or null.
HWND OpenPopup() {
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    char name[16];
    if (GetClassNameA(w, name, sizeof name) && std::string(name) == "#32768" && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

// What the main window does when a menu it owns waits for input: the
// window's procedure is wrapped for the test, and the action runs once at
// the first WM_ENTERIDLE.
WNDPROC gFrameworkProcedure = nullptr;
std::function<void()> gWhenMenuWaits;

LRESULT CALLBACK WaitingMenuProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && gWhenMenuWaits) std::exchange(gWhenMenuWaits, nullptr)();
  return CallWindowProcA(gFrameworkProcedure, hwnd, message, wParam, lParam);
}

class FileMenu : public FrameworkTest {
 protected:
  // The application's own menus, from its "Initial Menus": the archive's
  // Basic File Menu.
  void OpenWithMenus(const char* windowMenus = "( )") {
    OpenMainWindow(FramedMainWindowText(
        "", {{"Title", "\"Main Window\""}, {"Has Menubar?", "TRUE"}, {"Initial Menus", windowMenus}}));
  }

  static ovRef WindowMenubar() { return ov::get("Menubar"_attr, MainWindow()); }
  static ovRef TopMenu(uint32_t i) { return ovRef::share(ov::element(ov::get("Menus"_attr, WindowMenubar()), i)); }
  static ovRef TopMenuItem(uint32_t menu, uint32_t i) {
    return ovRef::share(ov::element(ov::get("Menu Items"_attr, TopMenu(menu)), i));
  }
  static bool Quit() { return ov::isFalse(ov::get("Active?"_attr, Application())); }

  // The middle of the "File" title: the bar lies just above the client
  // area.
  static POINT FileTitle() {
    POINT p = OnScreen(10, 0);
    p.y -= GetSystemMetrics(SM_CYMENU) / 2;
    return p;
  }
};

TEST_F(FileMenu, TheMainWindowShowsFileWithExitEnabledByTheApplication) {
  OpenWithMenus();
  HMENU bar = GetMenu(MainWindowHandle());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ov::toHandle<HMENU>(ov::send("Get Menubar Record"_sel, WindowMenubar()).get()), bar);
  EXPECT_EQ(MenuEntryText(bar, 0), "&File");
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(MenuEntryText(file, 0), "E&xit");
  EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(ov::send("Get Enabler"_sel, TopMenuItem(0, 0)).get(), Application().get()) << "the update ran when idle";
}

// The idle pass's own look at what is under the pointer asks for no
// update (asking on every pass kept the loop busy); a hit test the
// platform sends over the menu bar asks for exactly one, however often.
TEST_F(FileMenu, OnlyARealHitTestOverTheMenuBarPostsAnUpdate) {
  OpenWithMenus();
  POINT title = FileTitle();
  headless::moveMouse(title.x, title.y);
  RunUntilIdle();
  ovRef exit = TopMenuItem(0, 0);
  ov::tell(ov::send<0>("Set Enabled?"_sel, ov::get("Behavior"_attr, exit), {gdDefaultFalse}));
  HMENU file = GetSubMenu(GetMenu(MainWindowHandle()), 0);
  RunUntilIdle();
  EXPECT_NE(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u) << "idle passes alone update nothing";
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(SendMessageA(MainWindowHandle(), WM_NCHITTEST, 0, MAKELPARAM(title.x, title.y)), HTMENU);
  ovRef deferred = ov::get("Deferred Commands"_attr, ov::universal("Get Commander"_uni).get());
  ASSERT_EQ(ov::length(deferred), 1u);
  EXPECT_TRUE(ov::isA(ov::element(deferred, 0), "Menu Task"_cls));
  RunUntilIdle();
  EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST_F(FileMenu, AltFThenXChoosesExitAndTheApplicationQuits) {
  OpenWithMenus();
  headless::keyDown(VK_MENU);
  headless::pressKey('F');
  headless::keyUp(VK_MENU);
  headless::pressKey('X');
  RunUntilIdle();
  EXPECT_TRUE(Quit());
}

TEST_F(FileMenu, ExitChosenWithTheMouseQuitsTheApplication) {
  OpenWithMenus();
  HWND hwnd = MainWindowHandle();
  gFrameworkProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WaitingMenuProcedure)));
  gWhenMenuWaits = [] {
    RECT exit = platform::menus::popupItemRect(OpenPopup(), 0);
    headless::click((exit.left + exit.right) / 2, (exit.top + exit.bottom) / 2);
  };
  POINT title = FileTitle();
  headless::click(title.x, title.y);
  RunUntilIdle();
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gFrameworkProcedure));
  EXPECT_EQ(gWhenMenuWaits, nullptr) << "the menu opened";
  EXPECT_TRUE(Quit());
}

// The window's own menus: the front window claims "Close" before the
// target, and the menus of the application stay out.
TEST_F(FileMenu, TheFrontWindowClaimsBeforeTheTarget) {
  OpenWithMenus(R"(( <<Menu>> [ "Name": "Window" "Title": "Window" "Character": "W" "Enabled?": TRUE "String?": TRUE
      "Flags": 0 "Menu Items": ( <<Menu Item>> [ "Name": "Close" "Title": "Close" "Character": "C" "Enabled?": TRUE
        "String?": TRUE "Flags": 0 "Behavior": <<Menu Behavior>> [ "Enabled?": TRUE "Method": "/Close"
          "Specifiers": ( <<Attribute Specifier>> [ "Value": "Menu" ] ) ] ] ) ] ))");
  EXPECT_EQ(MenuEntryText(GetMenu(MainWindowHandle()), 0), "&Window");
  ov::tell(ov::universal<0>("Set Target"_uni, {ov::text("Close")}));
  RunUntilIdle();
  ovRef close = TopMenuItem(0, 0);
  EXPECT_TRUE(ov::isTrue(ov::get("Enabled?"_attr, close)));
  EXPECT_EQ(ov::send("Get Enabler"_sel, close).get(), MainWindow().get());
}

}  // namespace
