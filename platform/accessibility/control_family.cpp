#include "platform/accessibility/control_family.h"

#include <strings.h>

namespace platform::accessibility {

const ControlFamily* familyOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  for (const ControlFamily* family : {&buttonFamily(), &editFamily(), &staticFamily()})
    if (strcasecmp(family->className, name) == 0) return family;
  return nullptr;
}

std::string withoutMnemonic(const std::string& text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

std::string windowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::vector<std::string> noActions(HWND) { return {}; }

bool noAction(HWND, size_t) { return false; }

}  // namespace platform::accessibility
