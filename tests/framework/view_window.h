// Main windows for tests of views and their items: the program's main
// window, without a menu bar, whose root view holds the items a test
// writes in the archive text form. Installed as the "Main Window" default
// (FrameworkTest::SetDefault), it is the window the application opens.
#pragma once

#include <string>
#include <string_view>

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
