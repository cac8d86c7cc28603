// What the tests of edit texts share: a main window holding the items a
// test describes (archive text form), with Tab and Shift+Tab keys that run
// the window's tabbing as the framework's own windows do, an Edit menu whose
// items call the target's (or the commander's) editing methods, with the
// font items after them, and the means to reach the items' controls and the
// clipboard as a user would.
#pragma once

#include <cstring>
#include <iterator>
#include <string>

#include "archived_windows.h"
#include "framework_fixture.h"

class EditWindowTest : public FrameworkTest {
 protected:
  // An edit text in the archive text form: a name, a frame (top left bottom
  // right), further attributes, and whether the user may change its text.
  static std::string EditText(const std::string& name, const std::string& frame, const std::string& more = "",
                              bool editable = true) {
    return "<<Edit Text>> [ \"Name\": \"" + name + "\" \"Frame\": { " + frame +
           " } \"Active?\": TRUE \"Visible?\": TRUE \"Transparent?\": FALSE \"Flags\": 0 \"Editable?\": " +
           (editable ? "TRUE" : "FALSE") + " \"Border\": <<Regular Border>> " + more + " ]";
  }

  // Opens the application with the main window, its root view holding
  // items (archive text), with a tab order of names (archive text of a
  // list's elements).
  void OpenWindow(const std::string& items, const std::string& tabOrder = "") {
    OpenMainWindow(FramedMainWindowText(items, {{"Title", "\"Main Window\""},
                                                {"Size", "{ 240 455 }"},
                                                {"Has Menubar?", "TRUE"},
                                                {"Tab Order", "( " + tabOrder + " )"},
                                                {"Key Behavior", TabKeysText()}}));
  }

  // The application shows the File menu and an Edit menu.
  static void InstallEditMenu() {
    std::string items;
    for (const char* name : kEditItems) items += MenuItem(name);
    ovRef menus = Value(R"(( "Basic File Menu" <<Menu>> [ "Name": "Edit" "Title": "Edit" "Number": 0 "Enabled?": TRUE
        "String?": TRUE "Flags": 0 "Menu Items": ( )" +
                        items + ") ] )");
    ov::set("Initial Menus"_attr, Application(), menus);
  }

  static std::string ValueOf(const char* name) {
    return std::string(ov::chars(ov::send("Get Value"_sel, Item(name)).get()));
  }

  // The application's keyboard target (NULL without one).
  static ovRef Target() { return ov::universal("Get Target"_uni).take(); }

  void PressKey(UINT key) {
    platform::headless::pressKey(key);
    RunUntilIdle();
  }

  void Type(const char* text) {
    platform::headless::typeText(text);
    RunUntilIdle();
  }

  // Selects the whole text of the focused control from the keyboard.
  void SelectAllByKeys() {
    platform::headless::pressKey(VK_END);
    platform::headless::keyDown(VK_SHIFT);
    platform::headless::pressKey(VK_HOME);
    platform::headless::keyUp(VK_SHIFT);
    RunUntilIdle();
  }

  // The Edit menu of the main window's menu bar.
  static HMENU EditMenu() { return GetSubMenu(GetMenu(MainWindowHandle()), 1); }

  static bool IsEnabled(const char* item) {
    return !(GetMenuState(EditMenu(), static_cast<UINT>(PositionOf(item)), MF_BYPOSITION) & MF_GRAYED);
  }

  // The pointer passes over the menu bar, as on its way to open a menu: the
  // menus are brought up to date. (It does not stay there: while it rests on
  // the menu bar every idle pass asks for another update.)
  void PointAtMenuBar() {
    POINT corner = OnScreen(5, 0);
    platform::headless::moveMouse(corner.x, corner.y - 4);
    platform::headless::moveMouse(corner.x + 10, corner.y + 20);
    RunUntilIdle();
  }

  // Chooses an Edit menu item as the menu does (notify code 0), or as its
  // accelerator key would (notify code 1).
  void Choose(const char* item, WORD notifyCode = 0) {
    PointAtMenuBar();
    UINT id = GetMenuItemID(EditMenu(), PositionOf(item));
    PostMessageA(MainWindowHandle(), WM_COMMAND, MAKEWPARAM(id, notifyCode), 0);
    RunUntilIdle();
  }

  static void SetClipboardText(const std::string& text) {
    PutOnClipboard(CF_TEXT, text.c_str(), text.empty() ? 0 : text.size() + 1);
  }

  static std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    std::string text;
    HGLOBAL block = GetClipboardData(CF_TEXT);
    if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
      text = bytes;
      GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
  }

 private:
  static constexpr const char* kEditItems[] = {"Undo",       "Cut",  "Copy",      "Paste",     "Clear",
                                               "Select All", "Font", "Font Size", "Font Style"};

  static int PositionOf(const char* item) {
    for (int i = 0; i < static_cast<int>(std::size(kEditItems)); ++i)
      if (std::string(kEditItems[i]) == item) return i;
    ADD_FAILURE() << "no Edit menu item " << item;
    return -1;
  }

  // "Undo" calls the commander; the others call the target.
  static std::string MenuItem(const std::string& name) {
    std::string receiver = name == "Undo" ? "Get Commander" : "Get Target";
    return R"(<<Menu Item>> [ "Name": ")" + name + R"(" "Title": ")" + name +
           R"(" "Enabled?": TRUE "Separator?": FALSE "Flags": 0 "Number": 0 "String?": TRUE
        "Behavior": <<Menu Behavior>> [ "Enabled?": TRUE "Undo?": FALSE "Method": "/)" +
           name + R"(" "Specifiers": ( <<Method Specifier>> [ "Value": ")" + receiver + R"(" ] ) ] ] )";
  }
};
