// Menus: the calls that build and change them, the bar in a window's frame,
// and choosing items by mouse and keyboard, with what the window hears.
#include "platform/menus/menu_bar.h"
#include "platform/menus/popup_window.h"
#include "platform_fixture.h"
#include "sample_menu.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

constexpr UINT kHelp = 40, kRecentOne = 50, kRecentTwo = 51;

// makeMenuBar's menus with a cascading Recent (One, Two) last in File and a
// plain Help command on the bar, whose "&&" is no mnemonic.
HMENU makeDeepMenuBar(HMENU* recentOut = nullptr) {
  HMENU file = nullptr;
  HMENU bar = makeMenuBar(&file);
  HMENU recent = CreatePopupMenu();
  AppendMenuA(recent, MF_STRING, kRecentOne, "&One");
  AppendMenuA(recent, MF_STRING, kRecentTwo, "&Two");
  AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
  AppendMenuA(bar, MF_STRING, kHelp, "Help && &More");
  if (recentOut) *recentOut = recent;
  return bar;
}

std::string menuString(HMENU menu, UINT item, UINT flags) {
  char text[64] = "";
  GetMenuStringA(menu, item, text, sizeof text, flags);
  return text;
}

// The window of the open menu, or null.
HWND FindPopup() {
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    char name[16];
    if (GetClassNameA(w, name, sizeof name) && std::string(name) == "#32768" && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

class Menus : public PlatformTest {
 protected:
  void TearDown() override {
    PlatformTest::TearDown();
    if (IsMenu(bar_)) DestroyMenu(bar_);
  }

  HWND withMenu(HMENU bar) { return shownTopLevel(10, 20, 455, 193, WS_OVERLAPPEDWINDOW, bar); }

  // makeMenuBar's bar and File menu, destroyed after the test unless a
  // window or the test already destroyed them.
  HMENU file_ = nullptr;
  HMENU bar_ = makeMenuBar(&file_);
};

TEST_F(Menus, ItemsAreFoundByPositionAndByCommandInSubmenus) {
  EXPECT_EQ(GetMenuItemCount(bar_), 2);
  EXPECT_EQ(GetSubMenu(bar_, 0), file_);
  EXPECT_EQ(GetMenuItemID(bar_, 0), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuItemID(file_, 4), kExit);
  EXPECT_EQ(menuString(bar_, kExit, MF_BYCOMMAND), "E&xit");
  EXPECT_EQ(GetMenuState(bar_, kPrint, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(GetMenuState(file_, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
  EXPECT_EQ(GetMenuState(bar_, 0, MF_BYPOSITION), static_cast<UINT>(MF_POPUP | (5 << 8)));
  EXPECT_EQ(GetMenuState(bar_, 99, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(Menus, InsertModifyEnableAndDelete) {
  EXPECT_TRUE(InsertMenuA(file_, kSave, MF_BYCOMMAND | MF_STRING, 20, "&New"));
  EXPECT_EQ(GetMenuItemID(file_, 1), 20u);
  EXPECT_TRUE(InsertMenuA(file_, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, 21, "Last"));
  EXPECT_EQ(GetMenuItemID(file_, GetMenuItemCount(file_) - 1), 21u);
  EXPECT_TRUE(ModifyMenuA(file_, 0, MF_BYPOSITION | MF_GRAYED, 22, "Op&en"));
  EXPECT_EQ(GetMenuItemID(file_, 0), 22u);
  EXPECT_EQ(GetMenuState(file_, 0, MF_BYPOSITION), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(EnableMenuItem(bar_, 22, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(GetMenuState(bar_, 22, MF_BYCOMMAND), 0u);
  EXPECT_TRUE(DeleteMenu(bar_, 20, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuState(bar_, 20, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_FALSE(DeleteMenu(bar_, 99, MF_BYCOMMAND));
}

// Replacing an item that opens a submenu destroys that submenu; positions
// past the end and handles that are no menu answer failure.
TEST_F(Menus, ModifyingAwayASubmenuDestroysItAndMissingItemsFail) {
  HMENU other = CreatePopupMenu();
  EXPECT_TRUE(ModifyMenuA(bar_, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(other), "&Other"));
  EXPECT_FALSE(IsMenu(file_));
  EXPECT_EQ(GetSubMenu(bar_, 0), other);
  EXPECT_EQ(GetMenuState(bar_, 0, MF_BYPOSITION), static_cast<UINT>(MF_POPUP));
  EXPECT_EQ(GetMenuState(bar_, 9, MF_BYPOSITION), static_cast<UINT>(-1));
  EXPECT_EQ(GetSubMenu(bar_, 9), nullptr);
  EXPECT_EQ(GetMenuItemCount(reinterpret_cast<HMENU>(uintptr_t{0x1234})), -1);
  EXPECT_TRUE(DestroyMenu(bar_));
  EXPECT_FALSE(IsMenu(other));
}

TEST_F(Menus, CheckMenuItemSetsTheMarkAndAnswersThePreviousOne) {
  EXPECT_EQ(CheckMenuItem(bar_, kSave, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(GetMenuState(bar_, kSave, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(file_, 1, MF_BYPOSITION | MF_CHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(bar_, kPrint, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(GetMenuState(bar_, kPrint, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED | MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(bar_, kSave, MF_BYCOMMAND | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(GetMenuState(bar_, kSave, MF_BYCOMMAND), 0u);
  EXPECT_EQ(CheckMenuItem(bar_, 99, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(-1));
}

TEST_F(Menus, SubmenusGoWithTheirItemUnlessRemoved) {
  HMENU edit = GetSubMenu(bar_, 1);
  EXPECT_TRUE(RemoveMenu(bar_, 1, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(edit));
  EXPECT_TRUE(DeleteMenu(bar_, 0, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(file_));
  AppendMenuA(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  EXPECT_TRUE(DestroyMenu(bar_));
  EXPECT_FALSE(IsMenu(edit));
  EXPECT_FALSE(DestroyMenu(bar_));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  EXPECT_FALSE(AppendMenuA(CreateMenu(), MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "stale"));
}

TEST_F(Menus, TheBarTakesItsHeightFromTheClientAreaAndAnswersHTMENU) {
  HWND w = topLevel(10, 20, 455, 193);
  RECT before, after;
  GetClientRect(w, &before);
  HMENU bar = makeMenuBar();
  ASSERT_TRUE(SetMenu(w, bar));
  GetClientRect(w, &after);
  EXPECT_EQ(before.bottom - after.bottom, GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(GetMenu(w), bar);
  EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(100, 20 + 4 + 19 + 5)), HTMENU);
  DestroyWindow(w);
  EXPECT_FALSE(IsMenu(bar));
}

// WM_NCPAINT is given the region to draw: the frame alone.
TEST_F(Menus, DrawMenuBarRecomputesAndDrawsTheFrameAtOnce) {
  HWND w = withMenu(makeMenuBar());
  EXPECT_TRUE(DrawMenuBar(w));
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_NCPAINT, Sent},
                  {WM_WINDOWPOSCHANGED, Sent});
  EXPECT_TRUE(ncPaintWasTheFrame(w));
  RECT update;
  EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
}

// Taking the bar away moves the client area up: what it showed moves with
// it, and only the strip it gains at the bottom is invalidated (and erased
// at once); WM_NCPAINT's region is the frame and that strip. Giving the bar
// back uncovers nothing.
TEST_F(Menus, SetMenuKeepsWhatTheClientAreaShowedAndUncoversOnlyTheNewStrip) {
  HWND w = withMenu(makeMenuBar());
  HMENU bar = GetMenu(w);
  RECT before;
  GetClientRect(w, &before);
  fillWindow(w, {5, 5, 15, 15}, RGB(0, 0, 0));
  ASSERT_TRUE(SetMenu(w, nullptr));
  RECT after;
  GetClientRect(w, &after);
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_NCPAINT, Sent},
                  {WM_ERASEBKGND, Sent}, {WM_WINDOWPOSCHANGED, Sent}, {WM_MOVE, Sent | LParam, 0, MAKELPARAM(14, 20 + 4 + 19)},
                  {WM_SIZE, Sent | LParam, 0, MAKELPARAM(after.right, after.bottom)});
  RECT update, strip{0, before.bottom, after.right, after.bottom};
  EXPECT_TRUE(ncPaintWasTheFrame(w, strip));
  EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
  EXPECT_TRUE(EqualRect(&update, &strip));
  HDC dc = GetDC(w);
  EXPECT_EQ(GetPixel(dc, 10, 10), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 10, 10 + GetSystemMetrics(SM_CYMENU)), RGB(255, 255, 255));
  ReleaseDC(w, dc);
  settle();
  ASSERT_TRUE(SetMenu(w, bar));
  EXPECT_SEQUENCE({WM_WINDOWPOSCHANGING, Sent}, {WM_NCCALCSIZE, Sent | WParam, TRUE}, {WM_NCPAINT, Sent},
                  {WM_WINDOWPOSCHANGED, Sent}, {WM_MOVE, Sent}, {WM_SIZE, Sent});
  EXPECT_TRUE(ncPaintWasTheFrame(w));
  EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
}

// Clicks the middle of an item of the open menu.
void clickItem(int item) {
  RECT r = platform::menus::popupItemRect(FindPopup(), item);
  headless::click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The command of the last WM_COMMAND the window heard, or 0.
UINT chosenCommand() {
  std::vector<WPARAM> commands = wParamsOf(WM_COMMAND);
  return commands.empty() ? 0 : LOWORD(commands.back());
}

void clickAt(RECT r) { headless::click((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

constexpr POINT kFileTitle{10 + 4 + 10, 20 + 4 + 19 + 9};

TEST_F(Menus, ChosenByMouse) {
  withMenu(bar_);
  whenIdle([] { clickItem(4); });
  headless::click(kFileTitle.x, kFileTitle.y);
  pump();
  auto barParam = reinterpret_cast<LPARAM>(bar_), fileParam = reinterpret_cast<LPARAM>(file_);
  EXPECT_SEQUENCE({WM_NCHITTEST, Sent}, {WM_SETCURSOR, Sent}, {WM_NCMOUSEMOVE, Posted},
                  {WM_NCHITTEST, Sent}, {WM_SETCURSOR, Sent},
                  {WM_NCLBUTTONDOWN, Posted | WParam, HTMENU},
                  {WM_SYSCOMMAND, Sent | WParam, SC_MOUSEMENU + HTMENU},
                  {WM_ENTERMENULOOP, Sent | WParam, FALSE},
                  {WM_INITMENU, Sent | WParam, reinterpret_cast<WPARAM>(bar_)},
                  {WM_MENUSELECT, Sent | WParam | LParam, MAKEWPARAM(0, MF_POPUP | MF_HILITE), barParam},
                  {WM_INITMENUPOPUP, Sent | WParam | LParam, reinterpret_cast<WPARAM>(file_), MAKELPARAM(0, FALSE)},
                  {WM_ENTERIDLE, Sent | WParam, MSGF_MENU},
                  {WM_MENUSELECT, Sent | WParam | LParam, MAKEWPARAM(kExit, MF_HILITE), fileParam},
                  {WM_CAPTURECHANGED, Sent}, {WM_MENUSELECT, Sent | WParam | LParam, MAKEWPARAM(0, 0xFFFF), 0},
                  {WM_EXITMENULOOP, Sent | WParam, FALSE},
                  {WM_COMMAND, Posted | WParam | LParam, MAKEWPARAM(kExit, 0), 0});
  EXPECT_EQ(FindPopup(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}

// A grayed item clicked is not chosen and leaves the menu open; a click
// outside closes it.
TEST_F(Menus, GrayedItemsCannotBeChosenAndAClickOutsideClosesTheMenu) {
  withMenu(makeMenuBar());
  whenIdle([] { clickItem(3); });
  whenIdle([] {
    EXPECT_NE(FindPopup(), nullptr);
    headless::click(700, 600);
  });
  headless::click(kFileTitle.x, kFileTitle.y);
  pump();
  EXPECT_EQ(FindPopup(), nullptr);
  EXPECT_TRUE(wParamsOf(WM_COMMAND).empty());
}

TEST_F(Menus, ChosenByKeyboardWithMnemonics) {
  withMenu(bar_);
  pressWith(VK_MENU, 'F');
  headless::pressKey('X');
  pump();
  auto popupOf = reinterpret_cast<LPARAM>(file_);
  EXPECT_SEQUENCE({WM_SYSKEYDOWN, Posted | WParam, VK_MENU}, {WM_SYSKEYDOWN, Posted | WParam, 'F'},
                  {WM_SYSCHAR, Posted | WParam, 'f'}, {WM_SYSCOMMAND, Sent | WParam | LParam, SC_KEYMENU, 'f'},
                  {WM_ENTERMENULOOP, Sent}, {WM_INITMENU, Sent},
                  {WM_MENUSELECT, Sent | WParam, MAKEWPARAM(0, MF_POPUP | MF_HILITE)},
                  {WM_INITMENUPOPUP, Sent | LParam, 0, MAKELPARAM(0, FALSE)},
                  {WM_MENUSELECT, Sent | WParam | LParam, MAKEWPARAM(kOpen, MF_HILITE), popupOf},
                  {WM_MENUSELECT, Sent | WParam | LParam, MAKEWPARAM(kExit, MF_HILITE), popupOf},
                  {WM_CAPTURECHANGED, Sent}, {WM_MENUSELECT, Sent}, {WM_EXITMENULOOP, Sent},
                  {WM_COMMAND, Posted | WParam | LParam, MAKEWPARAM(kExit, 0), 0}, {WM_KEYUP, Posted | WParam, 'X'});
}

TEST_F(Menus, AltAloneSelectsTheBarAndArrowsOpenAndMove) {
  withMenu(makeMenuBar());
  const std::vector<UINT> keys = {VK_MENU, VK_RIGHT, VK_DOWN, VK_LEFT, VK_DOWN, VK_RETURN};
  for (UINT key : keys) headless::pressKey(key);
  pump();
  EXPECT_EQ(chosenCommand(), kSave);
}

TEST_F(Menus, F10ThenEscapeLeavesWithoutACommand) {
  withMenu(makeMenuBar());
  headless::pressKey(VK_F10);
  headless::pressKey(VK_ESCAPE);
  pump();
  EXPECT_TRUE(matches({{WM_SYSKEYDOWN, Posted | WParam, VK_F10}, {WM_SYSKEYUP, Posted | WParam, VK_F10},
                       {WM_SYSCOMMAND, Sent | WParam | LParam, SC_KEYMENU, 0}, {WM_ENTERMENULOOP, Sent},
                       {WM_INITMENU, Sent}, {WM_MENUSELECT, Sent}, {WM_CAPTURECHANGED, Sent},
                       {WM_MENUSELECT, Sent}, {WM_EXITMENULOOP, Sent}, {WM_KEYUP, Posted | WParam, VK_ESCAPE}}));
}

TEST_F(Menus, KeysOpenSubmenusAndChoosePlainBarItems) {
  const struct {
    const char* name;
    std::vector<UINT> keys;
    UINT chosen;
  } table[] = {
      {"Enter on a plain bar item", {VK_MENU, VK_LEFT, VK_RETURN}, kHelp},
      {"Right opens a submenu", {VK_MENU, VK_DOWN, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}, kRecentTwo},
      {"Escape closes only the submenu", {VK_MENU, VK_DOWN, VK_UP, VK_RETURN, VK_ESCAPE, VK_UP, VK_RETURN}, kExit},
      {"Left closes only the submenu", {VK_MENU, VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT, VK_UP, VK_RETURN}, kExit},
      {"a bar mnemonic in menu mode", {VK_MENU, 'E', 'U'}, kUndo},
      {"a plain bar item's mnemonic", {VK_MENU, 'M'}, kHelp},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    HWND w = withMenu(makeDeepMenuBar());
    for (UINT key : row.keys) headless::pressKey(key);
    pump();
    EXPECT_EQ(chosenCommand(), row.chosen);
    EXPECT_EQ(FindPopup(), nullptr);
    DestroyWindow(w);
    settle();
  }
}

// With a menu open the pointer opens what it passes over: another bar
// item's menu, a submenu. A click on the open menu's title closes it; one
// on a plain bar item chooses it.
TEST_F(Menus, ThePointerOpensWhatItPassesOverAndClicksChoose) {
  HMENU bar = nullptr, recent = nullptr;
  std::vector<RECT> titles;
  const auto itemOf = [](HMENU menu, int item) {
    for (HWND p = GetWindow(GetDesktopWindow(), GW_CHILD); p; p = GetWindow(p, GW_HWNDNEXT))
      if (IsWindowVisible(p) && platform::menus::popupMenu(p) == menu) return platform::menus::popupItemRect(p, item);
    ADD_FAILURE() << "no menu open";
    return RECT{};
  };
  const auto hover = [](RECT r) { headless::moveMouse(r.left + 2, r.top + 2); };
  const struct {
    const char* name;
    size_t title;
    std::vector<std::function<void()>> whenIdle;
    UINT chosen;
  } table[] = {
      {"the open title", 0, {[&] { clickAt(titles[0]); }}, 0},
      {"another title", 0, {[&] { hover(titles[1]); }, [&] { clickAt(itemOf(GetSubMenu(bar, 1), 0)); }}, kUndo},
      {"a submenu",
       0,
       {[&] { hover(itemOf(GetSubMenu(bar, 0), 5)); }, [&] { clickAt(itemOf(recent, 1)); }},
       kRecentTwo},
      {"a plain bar item", 2, {}, kHelp},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    bar = makeDeepMenuBar(&recent);
    HWND w = withMenu(bar);
    titles = platform::menus::barItemRects(w);
    ASSERT_EQ(titles.size(), 3u);
    for (const auto& action : row.whenIdle) whenIdle(action);
    clickAt(titles[row.title]);
    pump();
    EXPECT_EQ(chosenCommand(), row.chosen);
    EXPECT_EQ(FindPopup(), nullptr);
    DestroyWindow(w);
    settle();
  }
}

}  // namespace
