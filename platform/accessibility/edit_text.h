// The text of an edit as a screen reader reads and changes it: offsets are
// the edit's own character positions, and every change goes the road a
// person's typing takes (WM_CHAR into the edit, so the edit's rules, its
// EN_UPDATE and EN_CHANGE, and what its owner does on them all follow).
// A password edit's text reads as it shows: its password characters only.
#pragma once

#include <string>
#include <utility>

#include "platform/win32.h"

namespace platform::accessibility {

std::string shownEditText(HWND edit);

std::pair<int, int> editSelection(HWND edit);
bool selectInEdit(HWND edit, int start, int end);
// Replaces the characters from start to end (end -1: to the end) with
// text; false for a read-only or disabled edit.
bool replaceInEdit(HWND edit, int start, int end, const std::string& text);
// The box a character is drawn in, on the screen, where the edit's layout
// and scrolling put it (EM_POSFROMCHAR) and as wide as its advance.
RECT editCharacterBox(HWND edit, int offset);
// The character drawn at a screen point inside the edit, -1 for none.
int editOffsetAt(HWND edit, POINT screen);

}  // namespace platform::accessibility
