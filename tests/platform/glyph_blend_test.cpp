#include "platform/text/glyph_blend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using platform::text::blendMask;
using platform::text::CoverageMask;
using platform::text::fillSolid;
using platform::text::PixelTarget;

namespace {

constexpr uint32_t kSentinel = 0xA5A5A5A5;

// A 16x8 target with two guard pixels at the end of each row and guard rows
// above and below, all set to a sentinel that no drawing writes.
struct GuardedSurface {
  static constexpr int kWidth = 16, kHeight = 8, kStride = 18;
  std::vector<uint32_t> memory = std::vector<uint32_t>(kStride * (kHeight + 2), kSentinel);
  PixelTarget target{memory.data() + kStride, kWidth, kHeight, kStride, 0, 0, kWidth, kHeight};

  GuardedSurface() {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) at(x, y) = 0;
  }
  uint32_t& at(int x, int y) { return memory[(y + 1) * kStride + x]; }
  int guardsChanged() const {
    int changed = 0;
    for (int i = 0; i < static_cast<int>(memory.size()); ++i) {
      int row = i / kStride - 1, column = i % kStride;
      bool inside = row >= 0 && row < kHeight && column < kWidth;
      if (!inside && memory[i] != kSentinel) ++changed;
    }
    return changed;
  }
};

}  // namespace

TEST(GlyphBlend, CoverageMixesEachChannelWithRounding) {
  GuardedSurface s;
  s.at(0, 0) = 0x000000;
  s.at(1, 0) = 0xFFFFFF;
  s.at(2, 0) = 0x204060;
  s.at(3, 0) = 0x123456;
  const uint8_t alpha[] = {128, 128, 255, 0};
  blendMask(s.target, 0, 0, {alpha, 4, 1, 4}, 0xFFFFFF);
  EXPECT_EQ(s.at(0, 0), 0x808080u);  // (255 * 128 + 127) / 255 = 128
  EXPECT_EQ(s.at(1, 0), 0xFFFFFFu);
  EXPECT_EQ(s.at(2, 0), 0xFFFFFFu);
  EXPECT_EQ(s.at(3, 0), 0x123456u);

  const uint8_t quarter[] = {64};
  s.at(0, 1) = 0xFFFFFF;
  blendMask(s.target, 0, 1, {quarter, 1, 1, 1}, 0xFF0000);
  EXPECT_EQ(s.at(0, 1), 0xFFBFBFu);  // green, blue: (255 * 191 + 127) / 255
}

TEST(GlyphBlend, EveryCoverageRoundsToTheNearestValue) {
  for (uint32_t alpha = 0; alpha < 256; ++alpha) {
    for (uint32_t source : {0u, 1u, 127u, 128u, 200u, 255u}) {
      for (uint32_t destination : {0u, 1u, 77u, 128u, 254u, 255u}) {
        GuardedSurface s;
        s.at(0, 0) = destination;
        const uint8_t mask[] = {static_cast<uint8_t>(alpha)};
        blendMask(s.target, 0, 0, {mask, 1, 1, 1}, source);
        double exact = (source * alpha + destination * (255.0 - alpha)) / 255.0;
        EXPECT_EQ(s.at(0, 0), static_cast<uint32_t>(std::lround(exact))) << alpha << " " << source << " " << destination;
      }
    }
  }
}

TEST(GlyphBlend, HighByteOfTheColourIsIgnored) {
  GuardedSurface s;
  const uint8_t alpha[] = {255};
  blendMask(s.target, 0, 0, {alpha, 1, 1, 1}, 0xFF123456);
  fillSolid(s.target, 1, 0, 2, 1, 0xFF654321);
  EXPECT_EQ(s.at(0, 0), 0x123456u);
  EXPECT_EQ(s.at(1, 0), 0x654321u);
}

TEST(GlyphBlend, NothingOutsideTheClipOrTheTargetIsTouched) {
  std::vector<uint8_t> solid(40 * 40, 255);
  CoverageMask big{solid.data(), 40, 40, 40};
  struct Clip {
    int left, top, right, bottom;
  };
  for (Clip clip : {Clip{0, 0, 16, 8}, Clip{3, 2, 9, 5}, Clip{-50, -50, 500, 500}, Clip{10, 6, 2, 1}}) {
    for (int x : {-30, -5, 0, 7, 15, 40}) {
      GuardedSurface s;
      s.target.clipLeft = clip.left, s.target.clipTop = clip.top;
      s.target.clipRight = clip.right, s.target.clipBottom = clip.bottom;
      blendMask(s.target, x, -3, big, 0xFFFFFF);
      fillSolid(s.target, x, 2, x + 100, 4, 0xFFFFFF);
      EXPECT_EQ(s.guardsChanged(), 0);
      for (int py = 0; py < GuardedSurface::kHeight; ++py)
        for (int px = 0; px < GuardedSurface::kWidth; ++px) {
          bool inClip = px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom;
          if (!inClip) {
            EXPECT_EQ(s.at(px, py), 0u) << px << "," << py;
          }
        }
    }
  }
}

TEST(GlyphBlend, FarPositionsAndBrokenTargetsDrawNothing) {
  GuardedSurface s;
  const uint8_t alpha[] = {255, 255};
  blendMask(s.target, INT32_MAX, 0, {alpha, 2, 1, 2}, 0xFFFFFF);
  blendMask(s.target, INT32_MIN, INT32_MIN, {alpha, 2, 1, 2}, 0xFFFFFF);
  fillSolid(s.target, INT32_MIN, 0, INT32_MAX, 8, 0xFFFFFF);  // this one covers the whole target
  EXPECT_EQ(s.at(0, 0), 0xFFFFFFu);
  EXPECT_EQ(s.guardsChanged(), 0);

  GuardedSurface overlapping;
  overlapping.target.stride = 4;  // rows would overlap: refuse to draw
  fillSolid(overlapping.target, 0, 0, 16, 8, 0xFFFFFF);
  EXPECT_EQ(overlapping.at(0, 0), 0u);
}
