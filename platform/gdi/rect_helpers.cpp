// The RECT helpers. Rectangles hold the pixels from left/top up to, not
// including, right/bottom; one with no pixels is empty.
#include <algorithm>

#include "platform/win32.h"

namespace {

bool empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

BOOL setEmpty(LPRECT r) {
  *r = {0, 0, 0, 0};
  return FALSE;
}

}  // namespace

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
  if (!lprc) return FALSE;
  *lprc = {xLeft, yTop, xRight, yBottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) {
  if (!lprc) return FALSE;
  setEmpty(lprc);
  return TRUE;
}

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
  if (!lprcDst || !lprcSrc) return FALSE;
  *lprcDst = *lprcSrc;
  return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* lprc) { return !lprc || empty(*lprc); }

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
  if (!a || !b) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
  if (!lprc) return FALSE;
  return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left += dx;
  lprc->right += dx;
  lprc->top += dy;
  lprc->bottom += dy;
  return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left -= dx;
  lprc->right += dx;
  lprc->top -= dy;
  lprc->bottom += dy;
  return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
  if (!lprcDst || !a || !b) return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (empty(*a) || empty(*b) || empty(r)) return setEmpty(lprcDst);
  *lprcDst = r;
  return TRUE;
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
  if (!lprcDst || !a || !b) return FALSE;
  if (empty(*a) && empty(*b)) return setEmpty(lprcDst);
  if (empty(*a)) *lprcDst = *b;
  else if (empty(*b)) *lprcDst = *a;
  else
    *lprcDst = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom)};
  return TRUE;
}

// a less b, when that is still a rectangle: b must span a in one direction
// and cover one of its ends in the other. Otherwise a unchanged.
BOOL WINAPI SubtractRect(LPRECT lprcDst, const RECT* a, const RECT* b) {
  if (!lprcDst || !a || !b) return FALSE;
  RECT r = *a;
  if (empty(r)) return setEmpty(lprcDst);
  RECT overlap;
  if (IntersectRect(&overlap, a, b)) {
    bool spansX = overlap.left == r.left && overlap.right == r.right;
    bool spansY = overlap.top == r.top && overlap.bottom == r.bottom;
    if (spansX && spansY) return setEmpty(lprcDst);
    if (spansX && overlap.top == r.top) r.top = overlap.bottom;
    else if (spansX && overlap.bottom == r.bottom) r.bottom = overlap.top;
    else if (spansY && overlap.left == r.left) r.left = overlap.right;
    else if (spansY && overlap.right == r.right) r.right = overlap.left;
  }
  *lprcDst = r;
  return TRUE;
}
