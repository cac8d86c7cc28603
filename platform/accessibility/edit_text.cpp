#include "platform/accessibility/edit_text.h"

#include "platform/accessibility/control_family.h"

namespace platform::accessibility {
namespace {

bool typable(HWND edit) {
  return IsWindowEnabled(edit) && !(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY);
}

// A single-line edit takes no line breaks: typing one would press the
// dialog's default button instead.
bool typedHere(HWND edit, char c) {
  bool lineBreak = c == '\r' || c == '\n';
  return !lineBreak || (GetWindowLongPtrA(edit, GWL_STYLE) & ES_MULTILINE);
}

}  // namespace

std::pair<int, int> editSelection(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

bool selectInEdit(HWND edit, int start, int end) {
  if (!IsWindow(edit)) return false;
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  return true;
}

bool replaceInEdit(HWND edit, int start, int end, const std::string& text) {
  if (!typable(edit)) return false;
  if (end < 0) end = GetWindowTextLengthA(edit);
  selectInEdit(edit, start, end);
  if (start != end) SendMessageA(edit, WM_CLEAR, 0, 0);
  for (char c : text)
    if (typedHere(edit, c)) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
  return true;
}

}  // namespace platform::accessibility
