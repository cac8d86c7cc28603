// Where windows are: origins, screen rectangles, the window under a point.
#include "platform/user/window.h"

namespace platform::user {
namespace {

Window* descend(Window* w, POINT p) {
  for (Window* child : w->children) {
    RECT r = screenRect(child);
    if (child->isVisible() && PtInRect(&r, p)) return child->isEnabled() ? descend(child, p) : w;
  }
  return w;
}

}  // namespace

POINT clientOrigin(const Window* window) {
  POINT at{0, 0};
  for (const Window* w = window; w && w->parent; w = w->parent) {
    at.x += w->client.left;
    at.y += w->client.top;
  }
  return at;
}

POINT windowOrigin(const Window* window) {
  if (!window->parent) return {0, 0};
  POINT parent = clientOrigin(window->parent);
  return {parent.x + window->rect.left, parent.y + window->rect.top};
}

POINT surfaceOffset(const Window* window) {
  Window* top = topLevelOf(const_cast<Window*>(window));
  POINT at = windowOrigin(window);
  POINT base = windowOrigin(top);
  return {at.x - base.x, at.y - base.y};
}

RECT screenRect(const Window* window) {
  POINT at = windowOrigin(window);
  return {at.x, at.y, at.x + (window->rect.right - window->rect.left), at.y + (window->rect.bottom - window->rect.top)};
}

Window* windowUnder(POINT screen) { return descend(&desktop(), screen); }

}  // namespace platform::user
