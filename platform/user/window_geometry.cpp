// Where windows are: origins, screen rectangles, the window under a point.
#include "platform/user/message_queue.h"
#include "platform/user/window.h"

namespace platform::user {
namespace {

// A window of another thread is not asked: the point is in its client area.
int askHitTest(Window* w, POINT p) {
  if (w->queue != &currentQueue()) return HTCLIENT;
  return static_cast<int>(callWindowProc(w, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
}

RECT clientScreenRect(const Window* w) {
  POINT at = clientOrigin(w);
  return {at.x, at.y, at.x + (w->client.right - w->client.left), at.y + (w->client.bottom - w->client.top)};
}

// The window at p within w (w included), or nullptr when w is hidden,
// disabled, not under p, or lets p through with HTTRANSPARENT.
Window* search(Window* w, POINT p, int& hit) {
  RECT whole = screenRect(w), client = clientScreenRect(w);
  if (!w->isVisible() || !w->isEnabled() || !PtInRect(&whole, p)) return nullptr;
  auto alive = keepAlive(w);
  if (PtInRect(&client, p)) {
    std::vector<Window*> children = w->children;
    for (Window* child : children)
      if (Window* found = windowFrom(child->hwnd) ? search(child, p, hit) : nullptr) return found;
  }
  hit = askHitTest(w, p);
  return hit == HTTRANSPARENT || !windowFrom(w->hwnd) ? nullptr : w;
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

Window* windowUnder(POINT screen, int& hit) {
  std::vector<Window*> tops = desktop().children;
  for (Window* top : tops) {
    if (!windowFrom(top->hwnd)) continue;
    RECT whole = screenRect(top);
    if (!top->isEnabled() && top->isVisible() && PtInRect(&whole, screen)) {
      hit = HTERROR;
      return top;
    }
    if (Window* found = search(top, screen, hit)) return found;
  }
  hit = HTNOWHERE;
  return &desktop();
}

}  // namespace platform::user
