#include "platform/text/font_size.h"

#include <gtest/gtest.h>

#include <climits>

using platform::text::FaceUnits;
using platform::text::fontSize;
using platform::text::kLargestCharHeight;
using platform::text::kLegibleCharHeight;

namespace {

// Vertical figures of a typical sans face on a 2048-unit em.
FaceUnits sansUnits() {
  FaceUnits units;
  units.ascent = 1901;
  units.descent = 483;
  units.headerHeight = 1901 + 483;
  units.averageWidth = 1038;
  units.maxAdvance = 2000;
  return units;
}

}  // namespace

TEST(FontSize, NegativeHeightIsTheCharacterHeight) {
  auto size = fontSize(sansUnits(), -20, 0);
  EXPECT_EQ(size.emHeight, 20);
  EXPECT_EQ(size.emWidth, 20);
  EXPECT_EQ(size.ascent, 19);   // 20 * 1901 / 2048 = 18.56
  EXPECT_EQ(size.descent, 5);   // 20 * 483 / 2048 = 4.72
}

TEST(FontSize, PositiveHeightIsTheExactCellHeight) {
  for (int cell : {12, 13, 16, 17, 25, 40, 101}) {
    auto size = fontSize(sansUnits(), cell, 0);
    EXPECT_EQ(size.ascent + size.descent, cell) << cell;
    EXPECT_LT(size.emHeight, cell) << cell;
    EXPECT_GT(size.ascent, size.descent) << cell;
  }
  auto zero = fontSize(sansUnits(), 0, 0);
  EXPECT_EQ(zero.ascent + zero.descent, platform::text::kDefaultCellHeight) << "zero is the default cell";
}

TEST(FontSize, SmallAndHugeRequestsAreClamped) {
  for (int height : {-1, -9, 1, 8, 11}) {
    EXPECT_EQ(fontSize(sansUnits(), height, 0).emHeight, kLegibleCharHeight) << height;
  }
  auto clampedCell = fontSize(sansUnits(), 8, 0);
  EXPECT_GT(clampedCell.ascent + clampedCell.descent, 8);
  for (int height : {INT_MIN, -100000, 100000, INT_MAX}) {
    EXPECT_EQ(fontSize(sansUnits(), height, 0).emHeight, kLargestCharHeight) << height;
  }
}

TEST(FontSize, WidthRequestScalesTheAverageCharacter) {
  auto natural = fontSize(sansUnits(), -20, 0);
  EXPECT_EQ(natural.averageCharWidth, 10);  // 20 * 1038 / 2048
  auto wide = fontSize(sansUnits(), -20, 20);
  EXPECT_EQ(wide.averageCharWidth, 20);
  EXPECT_EQ(wide.emHeight, 20);
  EXPECT_GE(fontSize(sansUnits(), -20, INT_MAX).emWidth, 1);
}

TEST(FontSize, ExternalLeadingFollowsTheLineGap) {
  FaceUnits units = sansUnits();
  EXPECT_EQ(fontSize(units, -20, 0).externalLeading, 0);
  units.lineGap = 1024;  // half an em beyond the cell
  EXPECT_EQ(fontSize(units, -20, 0).externalLeading, 10);
}
