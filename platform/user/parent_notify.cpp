#include "platform/user/window.h"

namespace platform::user {

void notifyParents(Window* child, UINT event) {
  auto id = static_cast<WORD>(reinterpret_cast<uintptr_t>(child->menu));
  for (Window* w = child; w->isChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY); w = w->parent) {
    Window* parent = w->parent;
    if (!parent || parent == &desktop() || !windowFrom(parent->hwnd)) break;
    callWindowProc(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, id), reinterpret_cast<LPARAM>(child->hwnd));
  }
}

}  // namespace platform::user
