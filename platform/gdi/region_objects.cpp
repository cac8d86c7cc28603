// HRGN: rectangular regions and their combinations.
#include <algorithm>

#include "platform/gdi/gdi_objects.h"

using namespace platform;
using namespace platform::gdi;

namespace {

RECT ordered(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

std::shared_ptr<Region> regionOrFail(HRGN hrgn) {
  auto region = objectFrom<Region>(hrgn);
  if (!region) SetLastError(ERROR_INVALID_HANDLE);
  return region;
}

}  // namespace

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) {
  return static_cast<HRGN>(createObject(std::make_shared<Region>(ordered(x1, y1, x2, y2))));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect) {
  if (!lprect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
  auto region = regionOrFail(hrgn);
  if (!region) return FALSE;
  *region = Region(ordered(left, top, right, bottom));
  return TRUE;
}

int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
  auto dst = regionOrFail(hrgnDst);
  auto a = regionOrFail(hrgnSrc1);
  if (!dst || !a) return ERROR;
  if (iMode == RGN_COPY) {
    *dst = *a;
    return dst->kind();
  }
  auto b = regionOrFail(hrgnSrc2);
  if (!b) return ERROR;
  static const Region::Op ops[] = {Region::Op::And, Region::Op::Or, Region::Op::Xor, Region::Op::Diff};
  if (iMode < RGN_AND || iMode > RGN_DIFF) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return ERROR;
  }
  *dst = a->combined(*b, ops[iMode - RGN_AND]);
  return dst->kind();
}

int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
  auto region = regionOrFail(hrgn);
  if (!region) return ERROR;
  region->offset(x, y);
  return region->kind();
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
  auto region = regionOrFail(hrgn);
  if (!region || !lprc) return ERROR;
  *lprc = region->box();
  return region->kind();
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
  auto region = regionOrFail(hrgn);
  return region && region->contains(x, y);
}

BOOL WINAPI RectInRegion(HRGN hrgn, const RECT* lprect) {
  auto region = regionOrFail(hrgn);
  if (!region || !lprect) return FALSE;
  return region->overlaps(ordered(lprect->left, lprect->top, lprect->right, lprect->bottom));
}

BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2) {
  auto a = regionOrFail(hrgn1);
  auto b = regionOrFail(hrgn2);
  if (!a || !b) return ERROR;
  return *a == *b;
}
