// The File menu of the program's archive on a real main window: the bar it
// shows, its enabling on an idle pass, and quitting by choosing Exit with
// the mouse or the keyboard.
#include <functional>
#include <string>

#include "framework_fixture.h"
#include "platform/menus/popup_window.h"

namespace {

namespace headless = platform::headless;

const ovMethodSelector kGetEnabler("Get Enabler");
const ovMethodSelector kGetMenubarRecord("Get Menubar Record");
const ovMethodSelector kSetEnabled("Set Enabled?");
const ovAttributeSelector kActive("Active?");
const ovAttributeSelector kBehavior("Behavior");
const ovAttributeSelector kEnabled("Enabled?");
const ovAttributeSelector kMenuItems("Menu Items");
const ovAttributeSelector kMenubar("Menubar");
const ovAttributeSelector kMenus("Menus");
const ovUniversalName kPostMenuUpdate("Post Menu Update");
const ovUniversalName kGetCommander("Get Commander");
const ovAttributeSelector kDeferredCommands("Deferred Commands");
const ovClassName kMenuTask("Menu Task");
const ovUniversalName kSetTarget("Set Target");

// Targets that are texts claim and disable the item they name
// (claiming_target.cpp).

std::string MainWindowText(const char* initialMenus) {
  return std::string(R"(<<Main Window>> [ "Name": "Main Window" "Title": "Main Window" "Visible?": TRUE
      "Modal?": FALSE "Location": { 20 20 } "Size": { 193 455 } "Location Mode": 1 "Floating?": FALSE
      "Child?": FALSE "Has Menubar?": TRUE "Tab Order": ( ) "Default Item": "" "Accelerators": ( )
      "Flags": 0 "Extended Style": 0 "HasGrow?": TRUE "HasClose?": TRUE
      "Border": <<Window Border>> [ "Border": 0 "Caption?": TRUE "Sys Menu?": TRUE "Minimize?": FALSE
                                    "Maximize?": FALSE ]
      "View": <<View>> [ "Name": "Root" "Active?": TRUE "Visible?": TRUE "Origin": { 0 0 } "Content": ( ) ]
      "Initial Menus": )") +
         initialMenus + " ]";
}

std::string EntryText(HMENU menu, UINT position) {
  char text[64] = "";
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

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
    SetDefault(MainWindowText(windowMenus));
    OpenApplication();
    RunUntilIdle();
  }

  static ovRef WindowMenubar() { return ov::get(kMenubar, MainWindow()); }
  static ovRef TopMenu(uint32_t i) { return ovRef::share(ov::element(ov::get(kMenus, WindowMenubar()), i)); }
  static ovRef TopMenuItem(uint32_t menu, uint32_t i) {
    return ovRef::share(ov::element(ov::get(kMenuItems, TopMenu(menu)), i));
  }
  static bool Quit() { return ov::isFalse(ov::get(kActive, Application())); }

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
  EXPECT_EQ(ov::toHandle<HMENU>(ov::send(kGetMenubarRecord, WindowMenubar()).get()), bar);
  EXPECT_EQ(EntryText(bar, 0), "&File");
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(EntryText(file, 0), "E&xit");
  EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(ov::send(kGetEnabler, TopMenuItem(0, 0)).get(), Application().get()) << "the update ran when idle";
}

TEST_F(FileMenu, AnUpdateRequestedBeforeAnIdlePassRunsInIt) {
  OpenWithMenus();
  ovRef exit = TopMenuItem(0, 0);
  ov::tell(ov::send<0>(kSetEnabled, ov::get(kBehavior, exit), {gdDefaultFalse}));
  ASSERT_NE(GetMenuState(GetSubMenu(GetMenu(MainWindowHandle()), 0), 0, MF_BYPOSITION) & MF_GRAYED, 0u);
  ov::tell(ov::universal<0>(kPostMenuUpdate));
  RunUntilIdle();
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, exit)));
  EXPECT_EQ(GetMenuState(GetSubMenu(GetMenu(MainWindowHandle()), 0), 0, MF_BYPOSITION) & MF_GRAYED, 0u);
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
  ov::tell(ov::send<0>(kSetEnabled, ov::get(kBehavior, exit), {gdDefaultFalse}));
  HMENU file = GetSubMenu(GetMenu(MainWindowHandle()), 0);
  RunUntilIdle();
  EXPECT_NE(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u) << "idle passes alone update nothing";
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(SendMessageA(MainWindowHandle(), WM_NCHITTEST, 0, MAKELPARAM(title.x, title.y)), HTMENU);
  ovRef deferred = ov::get(kDeferredCommands, ov::universal(kGetCommander).get());
  ASSERT_EQ(ov::length(deferred), 1u);
  EXPECT_TRUE(ov::isA(ov::element(deferred, 0), kMenuTask));
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
  EXPECT_EQ(EntryText(GetMenu(MainWindowHandle()), 0), "&Window");
  ov::tell(ov::universal<0>(kSetTarget, {ov::text("Close")}));
  RunUntilIdle();
  ovRef close = TopMenuItem(0, 0);
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, close)));
  EXPECT_EQ(ov::send(kGetEnabler, close).get(), MainWindow().get());
}

}  // namespace
