// What tests of views and their items share: the program's main window,
// without a menu bar, whose root view holds the items a test writes in the
// archive text form, opened as the application's main window; its items'
// platform windows and its pixels.
#pragma once

#include <string>
#include <string_view>

#include "framework_fixture.h"

// The main window with the root view's items; defaultItem names the item
// that Enter acts on.
inline std::string MainWindowWithView(std::string_view content, std::string_view defaultItem = "") {
  std::string text = R"(<<Main Window>> [
    "Name": "Main Window"
    "Title": "Items"
    "Modal?": FALSE
    "Active?": FALSE
    "Visible?": TRUE
    "Location": { 20 20 }
    "Size": { 193 455 }
    "Maximum Size": { 500 500 }
    "Minimum Size": { 50 50 }
    "HasGrow?": TRUE
    "HasClose?": TRUE
    "Tab Order": ( )
    "Data Mapping": ( )
    "Floating?": FALSE
    "Location Mode": 1
    "Flags": 0
    "Extended Style": 0
    "Border": <<Window Border>> [ "Caption?": TRUE "Sys Menu?": TRUE ]
    "Child?": FALSE
    "Accelerators": ( )
    "Current Item ID": 0
    "Initial Menus": ( )
    "Has Menubar?": FALSE
)";
  text += "    \"Default Item\": \"";
  text += defaultItem;
  text += R"("
    "View": <<View>> [
      "Name": "Root"
      "Frame": { 0 0 147 447 }
      "Active?": TRUE
      "Visible?": TRUE
      "Transparent?": FALSE
      "Origin": { 0 0 }
      "Content": (
)";
  text += content;
  text += R"(
      )
    ]
  ])";
  return text;
}

// An active, visible, opaque item of a class, with a name, a frame
// "{ top left bottom right }" and more attributes.
inline std::string ItemText(std::string_view cls, std::string_view name, std::string_view frame,
                            std::string_view more = "") {
  std::string text = "<<";
  text.append(cls).append(">> [ \"Name\": \"").append(name).append("\" \"Frame\": ").append(frame);
  text.append(R"( "Active?": TRUE "Visible?": TRUE "Transparent?": FALSE )").append(more).append(" ]");
  return text;
}

class ViewWindowTest : public FrameworkTest {
 protected:
  // Opens the application with the main window holding these items.
  void OpenWith(const std::string& content, std::string_view defaultItem = "") {
    SetDefault(MainWindowWithView(content, defaultItem));
    OpenApplication();
    RunUntilIdle();
  }

  // The platform window of the main window's item of that name.
  static HWND Handle(const char* name) { return ov::toHandle<HWND>(ov::send(getWindowRecord_, Item(name)).get()); }

  // A pixel of the main window's client area, as 0xRRGGBB.
  static uint32_t ClientPixel(int x, int y) {
    RECT window{};
    GetWindowRect(MainWindowHandle(), &window);
    POINT p = OnScreen(x, y);
    return platform::headless::surfaceOf(MainWindowHandle())->pixel(p.x - window.left, p.y - window.top);
  }

  // The colour views are filled with (a 3D interface's face colour).
  static uint32_t Face() { return platform::gdi::pixelFromColorRef(GetSysColor(COLOR_BTNFACE)); }

 private:
  inline static const ovMethodSelector getWindowRecord_{"Get Window Record"};
};
