#include <utility>

#include "platform/user/window.h"

namespace platform::user {

namespace {

// Sends WM_PARENTNOTIFY up the chain of parents, each message made by
// paramsFor for that parent.
template <typename Params>
void tellParents(Window* child, UINT event, Params paramsFor) {
  for (Window* w = child; w->isChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY); w = w->parent) {
    Window* parent = w->parent;
    if (!parent || parent == &desktop() || !windowFrom(parent->hwnd)) break;
    auto [wParam, lParam] = paramsFor(parent);
    callWindowProc(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, wParam), lParam);
  }
}

}  // namespace

void notifyParents(Window* child, UINT event) {
  auto id = static_cast<WORD>(reinterpret_cast<uintptr_t>(child->menu));
  HWND hwnd = child->hwnd;
  tellParents(child, event, [id, hwnd](Window*) { return std::pair{id, reinterpret_cast<LPARAM>(hwnd)}; });
}

void notifyParentsOfPress(Window* child, UINT message, POINT screen) {
  tellParents(child, message, [screen](Window* parent) {
    POINT origin = clientOrigin(parent);
    return std::pair{WORD{0}, static_cast<LPARAM>(MAKELPARAM(screen.x - origin.x, screen.y - origin.y))};
  });
}

}  // namespace platform::user
