// Scrolling by keys, as Windows programs do it in their window procedure:
// the key becomes the scroll message of the bar it moves, and the window's
// own scroll handling does the rest.
#include "framework/key_scrolling.h"

namespace {

struct KeyScroll {
  WPARAM key;
  UINT message;
  WORD code;
};

const KeyScroll kKeyScrolls[] = {
    {VK_PRIOR, WM_VSCROLL, SB_PAGEUP}, {VK_NEXT, WM_VSCROLL, SB_PAGEDOWN}, {VK_UP, WM_VSCROLL, SB_LINEUP},
    {VK_DOWN, WM_VSCROLL, SB_LINEDOWN}, {VK_HOME, WM_VSCROLL, SB_TOP},     {VK_END, WM_VSCROLL, SB_BOTTOM},
    {VK_LEFT, WM_HSCROLL, SB_LINEUP},  {VK_RIGHT, WM_HSCROLL, SB_LINEDOWN},
};

}  // namespace

namespace vorn {

bool ScrollByKey(HWND hwnd, WPARAM key) {
  auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  for (const KeyScroll& k : kKeyScrolls) {
    if (k.key != key) continue;
    if (!(style & (k.message == WM_VSCROLL ? WS_VSCROLL : WS_HSCROLL))) return false;
    SendMessageA(hwnd, k.message, MAKEWPARAM(k.code, 0), 0);
    return true;
  }
  return false;
}

}  // namespace vorn
