#include "platform/user/painting.h"

namespace platform::user {
namespace {

RECT shifted(RECT r, POINT by) {
  OffsetRect(&r, by.x, by.y);
  return r;
}

// A window's rectangle in its top-level surface.
RECT windowInSurface(const Window* w) {
  POINT at = surfaceOffset(w);
  return {at.x, at.y, at.x + (w->rect.right - w->rect.left), at.y + (w->rect.bottom - w->rect.top)};
}

void clipToAncestors(gdi::Region& region, const Window* window) {
  for (const Window* a = window->parent; a && a != &desktop(); a = a->parent) region.intersect(surfaceRect(a, true));
}

void clipSiblings(gdi::Region& region, const Window* window) {
  for (const Window* w = window; w->parent && !w->isTopLevel(); w = w->parent) {
    if (!(w->style & WS_CLIPSIBLINGS)) continue;
    for (const Window* sibling : w->parent->children) {
      if (sibling == w) break;
      if (sibling->isVisible()) region.subtract(windowInSurface(sibling));
    }
  }
}

void clipChildren(gdi::Region& region, const Window* window) {
  if (!(window->style & WS_CLIPCHILDREN)) return;
  for (const Window* child : window->children)
    if (child->isVisible()) region.subtract(windowInSurface(child));
}

}  // namespace

RECT surfaceRect(const Window* window, bool clientOnly) {
  RECT whole = windowInSurface(window);
  if (!clientOnly) return whole;
  POINT at{whole.left - window->rect.left, whole.top - window->rect.top};
  return shifted(window->client, at);
}

gdi::Region visibleRegion(const Window* window, bool clientOnly) {
  if (!isShowing(window) || window == &desktop()) return {};
  gdi::Region region(surfaceRect(window, clientOnly));
  clipToAncestors(region, window);
  clipSiblings(region, window);
  clipChildren(region, window);
  return region;
}

}  // namespace platform::user
