// Regions and the RECT helpers.
#include <gtest/gtest.h>

#include "platform/gdi/region.h"
#include "platform/win32.h"

namespace {

using platform::gdi::Region;

TEST(Region, CombinationsKeepOneFormForTheSamePixels) {
  Region left(RECT{0, 0, 5, 10}), right(RECT{5, 0, 10, 10});
  Region joined = left.combined(right, Region::Op::Or);
  EXPECT_TRUE(joined.isRectangle());
  EXPECT_EQ(joined, Region(RECT{0, 0, 10, 10}));
  Region top(RECT{0, 0, 10, 4}), bottom(RECT{0, 4, 10, 10});
  EXPECT_EQ(top.combined(bottom, Region::Op::Or), joined);
  Region holed = joined.combined(Region(RECT{3, 3, 6, 6}), Region::Op::Diff);
  EXPECT_EQ(holed.kind(), COMPLEXREGION);
  EXPECT_FALSE(holed.contains(4, 4));
  EXPECT_TRUE(holed.contains(2, 4));
  EXPECT_EQ(holed.combined(Region(RECT{3, 3, 6, 6}), Region::Op::Or), joined);
  EXPECT_TRUE(joined.combined(joined, Region::Op::Xor).empty());
  EXPECT_EQ(holed.rects().size(), 4u);
}

TEST(Region, BoxAndHitsFollowTheRightAndBottomRule) {
  Region r(RECT{2, 3, 7, 9});
  RECT box = r.box(), expected{2, 3, 7, 9};
  EXPECT_TRUE(EqualRect(&box, &expected));
  EXPECT_TRUE(r.contains(2, 3));
  EXPECT_FALSE(r.contains(7, 3));
  EXPECT_FALSE(r.contains(2, 9));
  EXPECT_TRUE(Region(RECT{5, 5, 5, 9}).empty());
}

TEST(RegionHandles, CombineRgnAnswersTheKindOfTheResult) {
  HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15), dst = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(dst, a, b, RGN_AND), SIMPLEREGION);
  RECT box;
  EXPECT_EQ(GetRgnBox(dst, &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 5);
  EXPECT_EQ(box.right, 10);
  EXPECT_EQ(CombineRgn(dst, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(dst, 12, 12));
  EXPECT_FALSE(PtInRegion(dst, 12, 2));
  EXPECT_EQ(CombineRgn(dst, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(dst, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(dst, a));
  EXPECT_EQ(OffsetRgn(dst, 3, 4), SIMPLEREGION);
  GetRgnBox(dst, &box);
  EXPECT_EQ(box.top, 4);
  RECT probe{9, 9, 20, 20};
  EXPECT_TRUE(RectInRegion(a, &probe));
  HRGN flipped = CreateRectRgn(10, 10, 0, 0);
  EXPECT_TRUE(EqualRgn(flipped, a));
  for (HRGN r : {a, b, dst, flipped}) EXPECT_TRUE(DeleteObject(r));
}

TEST(RectHelpers, EmptyRectanglesIntersectAndUniteToNothing) {
  RECT a{0, 0, 10, 10}, b{5, 5, 15, 15}, none{3, 3, 3, 8}, out{1, 1, 1, 1};
  EXPECT_TRUE(IntersectRect(&out, &a, &b));
  EXPECT_EQ(out.left, 5);
  EXPECT_EQ(out.right, 10);
  RECT far{20, 20, 30, 30};
  EXPECT_FALSE(IntersectRect(&out, &a, &far));
  EXPECT_TRUE(IsRectEmpty(&out));
  EXPECT_EQ(out.left, 0);
  EXPECT_FALSE(IntersectRect(&out, &a, &none));
  EXPECT_TRUE(UnionRect(&out, &a, &none));
  EXPECT_TRUE(EqualRect(&out, &a));
  EXPECT_TRUE(UnionRect(&out, &a, &far));
  EXPECT_EQ(out.right, 30);
  EXPECT_FALSE(UnionRect(&out, &none, &none));
}

TEST(RectHelpers, PointsOnTheRightOrBottomEdgeAreOutside) {
  RECT r{2, 2, 5, 5};
  EXPECT_TRUE(PtInRect(&r, {2, 2}));
  EXPECT_TRUE(PtInRect(&r, {4, 4}));
  EXPECT_FALSE(PtInRect(&r, {5, 4}));
  EXPECT_FALSE(PtInRect(&r, {4, 5}));
  EXPECT_FALSE(PtInRect(nullptr, {3, 3}));
}

TEST(RectHelpers, OffsetInflateAndSubtract) {
  RECT r{0, 0, 10, 10};
  OffsetRect(&r, 3, -2);
  EXPECT_EQ(r.left, 3);
  EXPECT_EQ(r.bottom, 8);
  InflateRect(&r, 2, 1);
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.right, 15);
  EXPECT_EQ(r.top, -3);
  RECT whole{0, 0, 10, 10}, topPart{0, 0, 10, 4}, middle{3, 3, 6, 6}, out;
  EXPECT_TRUE(SubtractRect(&out, &whole, &topPart));
  EXPECT_EQ(out.top, 4);
  EXPECT_TRUE(SubtractRect(&out, &whole, &middle));
  EXPECT_TRUE(EqualRect(&out, &whole));
  EXPECT_FALSE(SubtractRect(&out, &topPart, &whole));
}

}  // namespace
