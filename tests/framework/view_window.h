// What tests of views and their items share: the program's main window,
// without a menu bar, whose root view holds the items a test writes in the
// archive text form, opened as the application's main window; its items'
// platform windows and its pixels.
#pragma once

#include <string>
#include <string_view>

#include "archived_windows.h"
#include "framework_fixture.h"

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
    OpenMainWindow(FramedMainWindowText(content, {{"Default Item", std::string("\"").append(defaultItem).append("\"")}}));
  }

  // The colour views are filled with (a 3D interface's face colour).
  static uint32_t Face() { return platform::gdi::pixelFromColorRef(GetSysColor(COLOR_BTNFACE)); }
};
