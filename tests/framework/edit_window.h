// What the tests of edit texts share: a main window holding the items a
// test describes (archive text form), with Tab and Shift+Tab keys that run
// the window's tabbing as the framework's own windows do, an Edit menu whose
// items call the target's (or the commander's) editing methods, with the
// font items after them, and the
// means to reach the items' controls and the clipboard as a user would.
#pragma once

#include <cstring>
#include <iterator>
#include <string>

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

  // Installs the main window, its root view holding items (archive text),
  // with a tab order of names (archive text of a list's elements).
  static void InstallMainWindow(const std::string& items, const std::string& tabOrder = "") {
    SetDefault(R"(<<Main Window>> [
      "Name": "Main Window" "Title": "Main Window" "Modal?": FALSE
      "Maximum Size": { 500 500 } "Minimum Size": { 50 50 }
      "Active?": FALSE "Visible?": TRUE "Location": { 20 20 } "Size": { 240 455 }
      "HasGrow?": TRUE "HasClose?": TRUE "Default Item": "" "Data Mapping": ( )
      "Floating?": FALSE "Location Mode": 1 "Flags": 0 "Extended Style": 0
      "Border": <<Window Border>> [ "Caption?": TRUE "Sys Menu?": TRUE ]
      "Child?": FALSE "Accelerators": ( ) "Current Item ID": 0 "Initial Menus": ( ) "Has Menubar?": TRUE
      "Tab Order": ( )" +
               tabOrder + R"( )
      "Key Behavior": <<Special Keys>> [ "Keys": ( )" +
               TabKey(false) + TabKey(true) + R"( ) ]
      "View": <<View>> [ "Name": "Root" "Frame": { 0 0 190 447 } "Active?": TRUE "Visible?": TRUE
        "Transparent?": FALSE "Origin": { 0 0 } "Content": ( )" +
               items + R"( ) ]
    ])");
  }

  // The application shows the File menu and an Edit menu.
  static void InstallEditMenu() {
    std::string items;
    for (const char* name : kEditItems) items += MenuItem(name);
    ovRef menus = Value(R"(( "Basic File Menu" <<Menu>> [ "Name": "Edit" "Title": "Edit" "Number": 0 "Enabled?": TRUE
        "String?": TRUE "Flags": 0 "Menu Items": ( )" +
                        items + ") ] )");
    ov::set(initialMenus_, Application(), menus);
  }

  static HWND EditorOf(const char* name) { return ov::toHandle<HWND>(ov::send(getWindowRecord_, Item(name)).get()); }

  static std::string ControlText(HWND hwnd) {
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
  }

  static std::string ValueOf(const char* name) { return std::string(ov::chars(ov::send(getValue_, Item(name)).get())); }

  // The application's keyboard target (NULL without one).
  static ovRef Target() { return ov::universal(getTarget_).take(); }

  // A click in the middle of the item's control.
  void ClickItem(const char* name) {
    RECT r;
    GetWindowRect(EditorOf(name), &r);
    platform::headless::click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    RunUntilIdle();
  }

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
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (!text.empty()) {
      HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
      memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
      GlobalUnlock(block);
      SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
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

  // A Tab key of the window: "/Tab" on the window, its target and the
  // direction.
  static std::string TabKey(bool backward) {
    return std::string(R"(( <<Accelerator Entry>> [ "Control?": FALSE "Alt?": FALSE "Shift?": )") +
           (backward ? "TRUE" : "FALSE") + R"( "Invert Menu?": FALSE "Case Sensitive?": FALSE "Character": ")" + "\t" +
           R"(" ]
        <<Window Item Behavior>> [ "Enabled?": TRUE "Undo?": FALSE "Method": "/Tab" "Specifiers": (
          <<Attribute Specifier>> [ "Value": "Window" ] <<Method Specifier>> [ "Value": "Get Target" ]
          <<Behavior Specifier>> [ "Value": )" +
           (backward ? "TRUE" : "FALSE") + " ] ) ] )";
  }

  // "Undo" calls the commander; the others call the target.
  static std::string MenuItem(const std::string& name) {
    std::string receiver = name == "Undo" ? "Get Commander" : "Get Target";
    return R"(<<Menu Item>> [ "Name": ")" + name + R"(" "Title": ")" + name +
           R"(" "Enabled?": TRUE "Separator?": FALSE "Flags": 0 "Number": 0 "String?": TRUE
        "Behavior": <<Menu Behavior>> [ "Enabled?": TRUE "Undo?": FALSE "Method": "/)" +
           name + R"(" "Specifiers": ( <<Method Specifier>> [ "Value": ")" + receiver + R"(" ] ) ] ] )";
  }

  inline static const ovAttributeSelector initialMenus_{"Initial Menus"};
  inline static const ovMethodSelector getWindowRecord_{"Get Window Record"};
  inline static const ovMethodSelector getValue_{"Get Value"};
  inline static const ovUniversalName getTarget_{"Get Target"};
};
