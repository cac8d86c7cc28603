// Small archived windows for tests, in the archive text form: a window of a
// class with the attributes a test gives, and for the rest those of a
// plain visible window of 200 by 300 at (20, 20) without menubar, view or
// border.
#pragma once

#include <map>
#include <string>

inline std::string WindowText(const char* className, const std::map<std::string, std::string>& given = {}) {
  std::map<std::string, std::string> attributes = {
      {"Name", "\"Test Window\""}, {"Title", "\"Golden\""},   {"Visible?", "TRUE"},   {"Modal?", "FALSE"},
      {"Location", "{ 20 20 }"},   {"Size", "{ 200 300 }"},   {"Location Mode", "1"}, {"Floating?", "FALSE"},
      {"Child?", "FALSE"},         {"Has Menubar?", "FALSE"}, {"Tab Order", "( )"},   {"Default Item", "\"\""},
      {"Accelerators", "( )"},     {"Initial Menus", "( )"},  {"Flags", "0"},         {"Extended Style", "0"}};
  for (const auto& [name, value] : given) attributes[name] = value;
  std::string text = std::string("<<") + className + ">> [";
  for (const auto& [name, value] : attributes) text += "\n  \"" + name + "\": " + value;
  return text + "\n]";
}

inline std::string MainWindowText(const std::map<std::string, std::string>& given = {}) {
  return WindowText("Main Window", given);
}

// A root view holding the items, whose frame the window sets when it opens.
inline std::string ViewText(const std::string& content, const std::string& more = "") {
  return "<<View>> [ \"Name\": \"Root\" \"Active?\": TRUE \"Visible?\": TRUE \"Origin\": { 0 0 } \"Content\": ( " +
         content + " ) " + more + " ]";
}

// The main window of a person's program: captioned with a system menu,
// resizable within limits, its root view holding the items (archive text);
// given attributes take the place of these.
inline std::string FramedMainWindowText(const std::string& content,
                                        const std::map<std::string, std::string>& given = {}) {
  std::map<std::string, std::string> attributes = {
      {"Name", "\"Main Window\""},
      {"Size", "{ 193 455 }"},
      {"Maximum Size", "{ 500 500 }"},
      {"Minimum Size", "{ 50 50 }"},
      {"HasGrow?", "TRUE"},
      {"HasClose?", "TRUE"},
      {"Active?", "FALSE"},
      {"Data Mapping", "( )"},
      {"Current Item ID", "0"},
      {"View", ViewText(content, R"("Transparent?": FALSE)")},
      {"Border", R"(<<Window Border>> [ "Caption?": TRUE "Sys Menu?": TRUE ])"}};
  for (const auto& [name, value] : given) attributes[name] = value;
  return MainWindowText(attributes);
}

// A push button named and titled name, at the frame given as
// "{ top left bottom right }".
inline std::string ButtonText(const std::string& name, const std::string& frame, const std::string& more = "") {
  return "<<Push Button>> [ \"Name\": \"" + name + "\" \"Title\": \"" + name + "\" \"Frame\": " + frame +
         " \"Active?\": TRUE \"Visible?\": TRUE \"Control Value\": 0 " + more + " ]";
}

// The window's Tab and Shift+Tab keys, as the framework's data gives them:
// "Tab" on the window from the current target, forward or backward.
inline std::string TabKeysText() {
  auto key = [](const char* backward) {
    return std::string("( <<Accelerator Entry>> [ \"Character\": \"\t\" \"Case Sensitive?\": FALSE \"Shift?\": ") +
           backward +
           " ] <<Window Item Behavior>> [ \"Enabled?\": TRUE \"Undo?\": FALSE \"Method\": \"/Tab\" \"Specifiers\": ( "
           "<<Attribute Specifier>> [ \"Value\": \"Window\" ] <<Method Specifier>> [ \"Value\": \"Get Target\" ] "
           "<<Behavior Specifier>> [ \"Value\": " +
           backward + " ] ) ] )";
  };
  return "<<Special Keys>> [ \"Keys\": ( " + key("FALSE") + " " + key("TRUE") + " ) ]";
}

// A behaviour of the class that calls the window's "Set Title" with the
// text: what it did shows in the caption.
inline std::string RetitlingBehaviorText(const char* className, const std::string& title) {
  return std::string("<<") + className +
         ">> [ \"Enabled?\": TRUE \"Undo?\": FALSE \"Method\": \"/Set Title\" \"Specifiers\": ( "
         "<<Attribute Specifier>> [ \"Value\": \"Window\" ] <<Behavior Specifier>> [ \"Value\": \"" +
         title + "\" ] ) ]";
}
