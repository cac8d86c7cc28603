// How one family of built-in controls shows to a screen reader: its role,
// name and states, and its actions, as Windows' proxies for its standard
// controls map them. One file per family holds its mapping.
#pragma once

#include <string>
#include <vector>

#include "platform/accessibility/accessible_tree.h"

namespace platform::accessibility {

struct ControlFamily {
  // The window class the family serves ("BUTTON", "EDIT", "STATIC").
  const char* className;
  // Role, name and the states only the family knows (checked, editable,
  // ...); the window's own (enabled, visible, focused) are added by the tree.
  Description (*describe)(HWND control);
  std::vector<std::string> (*actions)(HWND control);
  bool (*act)(HWND control, size_t action);
};

const ControlFamily& buttonFamily();
const ControlFamily& editFamily();
const ControlFamily& staticFamily();

// The family of a window's class, or nullptr for windows of other classes.
const ControlFamily* familyOf(HWND window);

// A control's text as a person reads it: "&" prefixes taken out ("&&"
// stands for one "&").
std::string withoutMnemonic(const std::string& text);
std::string windowText(HWND window);

std::vector<std::string> noActions(HWND control);
bool noAction(HWND control, size_t action);

}  // namespace platform::accessibility
