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
  for (int mode : {0, RGN_COPY + 1}) EXPECT_EQ(CombineRgn(dst, a, b, mode), ERROR) << mode;
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

TEST(RectHelpers, SetCopyOffsetAndInflate) {
  RECT r, copy;
  EXPECT_TRUE(SetRect(&r, 0, 0, 10, 10));
  EXPECT_TRUE(OffsetRect(&r, 3, -2));
  EXPECT_TRUE(InflateRect(&r, 2, 1));
  EXPECT_TRUE(CopyRect(&copy, &r));
  RECT expected{1, -3, 15, 9};
  EXPECT_TRUE(EqualRect(&copy, &expected));
  EXPECT_TRUE(SetRectEmpty(&copy));
  EXPECT_TRUE(IsRectEmpty(&copy));
  EXPECT_EQ(copy.right, 0);
}

// a less b is still a rectangle only when b takes a whole band off one of
// a's edges; otherwise a stays whole.
TEST(RectHelpers, SubtractRectTakesOffOnlyAWholeEdgeBand) {
  const RECT whole{0, 0, 10, 10};
  const struct {
    RECT taken;
    BOOL result;
    RECT expected;
  } table[] = {
      {{0, 0, 10, 4}, TRUE, {0, 4, 10, 10}},
      {{-5, 6, 15, 20}, TRUE, {0, 0, 10, 6}},
      {{-1, -1, 4, 11}, TRUE, {4, 0, 10, 10}},
      {{6, 0, 10, 10}, TRUE, {0, 0, 6, 10}},
      {{3, 3, 6, 6}, TRUE, whole},
      {{20, 20, 30, 30}, TRUE, whole},
      {{-1, -1, 11, 11}, FALSE, {}},
  };
  for (const auto& row : table) {
    RECT out{9, 9, 9, 9};
    EXPECT_EQ(SubtractRect(&out, &whole, &row.taken), row.result) << row.taken.left << ',' << row.taken.top;
    EXPECT_TRUE(EqualRect(&out, &row.expected)) << out.left << ',' << out.top << ',' << out.right << ',' << out.bottom;
  }
  RECT empty{}, out;
  EXPECT_FALSE(SubtractRect(&out, &empty, &whole));
}

TEST(RectHelpers, NullRectanglesAreRefused) {
  RECT r{0, 0, 1, 1};
  const struct {
    const char* call;
    BOOL result, expected;
  } calls[] = {
      {"SetRect", SetRect(nullptr, 0, 0, 1, 1), FALSE},
      {"SetRectEmpty", SetRectEmpty(nullptr), FALSE},
      {"CopyRect to", CopyRect(nullptr, &r), FALSE},
      {"CopyRect from", CopyRect(&r, nullptr), FALSE},
      {"IsRectEmpty", IsRectEmpty(nullptr), TRUE},
      {"EqualRect", EqualRect(nullptr, &r), FALSE},
      {"OffsetRect", OffsetRect(nullptr, 1, 1), FALSE},
      {"InflateRect", InflateRect(nullptr, 1, 1), FALSE},
      {"IntersectRect", IntersectRect(nullptr, &r, &r), FALSE},
      {"UnionRect", UnionRect(&r, nullptr, &r), FALSE},
      {"SubtractRect", SubtractRect(&r, &r, nullptr), FALSE},
  };
  for (const auto& c : calls) EXPECT_EQ(c.result, c.expected) << c.call;
}

}  // namespace
