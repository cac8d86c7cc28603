#include "platform/accessibility/edit_text.h"

#include <algorithm>

#include "platform/accessibility/control_family.h"
#include "platform/accessibility/control_font.h"

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

POINT pointOf(LRESULT packed) {
  return {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

}  // namespace

std::string shownEditText(HWND edit) {
  auto mask = static_cast<char>(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0));
  if (mask) return std::string(static_cast<size_t>(GetWindowTextLengthA(edit)), mask);
  return windowText(edit);
}

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

RECT editCharacterBox(HWND edit, int offset) {
  std::string shown = shownEditText(edit);
  if (offset < 0 || static_cast<size_t>(offset) >= shown.size()) return {};
  POINT at = pointOf(SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(offset), 0));
  ClientToScreen(edit, &at);
  std::shared_ptr<const text::Font> glyphs = glyphsOf(edit);
  int width = glyphs->charWidth(static_cast<unsigned char>(shown[static_cast<size_t>(offset)]));
  return {at.x, at.y, at.x + width, at.y + glyphs->metrics().height};
}

// EM_CHARFROMPOS answers the nearest boundary between characters; the
// character holding the point is the one before it when the point lies
// left of it.
int editOffsetAt(HWND edit, POINT screen) {
  POINT client = screen;
  ScreenToClient(edit, &client);
  RECT area;
  GetClientRect(edit, &area);
  int length = GetWindowTextLengthA(edit);
  if (!PtInRect(&area, client) || length == 0) return -1;
  LRESULT found = SendMessageA(edit, EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y));
  int offset = std::min<int>(LOWORD(found), length - 1);
  if (offset > 0 && screen.x < editCharacterBox(edit, offset).left) --offset;
  return offset;
}

}  // namespace platform::accessibility
