// The sdl backend's scale factor: where it comes from, and how screen
// pixels map back to the platform's.
#include <gtest/gtest.h>

#include "platform/backends/sdl/display_scale.h"

namespace {

using platform::sdl::chooseScale;
using platform::sdl::DisplayScale;
using platform::sdl::ScaleSettings;

constexpr SIZE k4K{3840, 2160};

int chosen(const char* velmaro, const char* gdk, int dpi, SIZE screen, std::string* complaint = nullptr) {
  std::string said;
  int factor = chooseScale({velmaro, gdk, [dpi] { return dpi; }, screen}, said);
  if (complaint) *complaint = said;
  return factor;
}

// VELMARO_SCALE first, as given; then GDK_SCALE; then the resource DPI,
// 96 a factor, rounded. Found factors never leave less than 800 x 600.
TEST(DisplayScale, TheFactorComesFromTheVariablesThenTheResourceDpi) {
  EXPECT_EQ(chosen(nullptr, nullptr, 0, k4K), 1);
  EXPECT_EQ(chosen(nullptr, nullptr, 96, k4K), 1);
  EXPECT_EQ(chosen(nullptr, nullptr, 120, k4K), 1);
  EXPECT_EQ(chosen(nullptr, nullptr, 144, k4K), 2);
  EXPECT_EQ(chosen(nullptr, nullptr, 288, k4K), 3);
  EXPECT_EQ(chosen(nullptr, "2", 288, k4K), 2);
  EXPECT_EQ(chosen("3", "2", 96, k4K), 3);
  EXPECT_EQ(chosen(nullptr, "2", 0, SIZE{1366, 768}), 1);
  EXPECT_EQ(chosen(nullptr, nullptr, 288, SIZE{1920, 1200}), 2);
  EXPECT_EQ(chosen("2", nullptr, 0, SIZE{1366, 768}), 2);
}

TEST(DisplayScale, ABadVelmaroScaleIsIgnoredWithItsReason) {
  for (const char* bad : {"0", "5", "2x", "-1", "two", " 2"}) {
    std::string complaint;
    EXPECT_EQ(chosen(bad, nullptr, 192, k4K, &complaint), 2) << bad;
    EXPECT_NE(complaint.find(std::string("\"") + bad + "\" is ignored"), std::string::npos) << complaint;
  }
}

// Every screen pixel of a block, negative positions included, belongs to
// the one platform pixel that the block shows.
TEST(DisplayScale, ScreenPixelsMapBackToThePixelTheyShow) {
  DisplayScale scale(3);
  for (int pixel : {-2, -1, 0, 1, 7}) {
    RECT shown = scale.toScreen(RECT{pixel, pixel, pixel + 1, pixel + 1});
    for (int screen = shown.left; screen < shown.right; ++screen) EXPECT_EQ(scale.toPlatform(screen), pixel);
  }
  EXPECT_EQ(scale.toPlatform(SIZE{3840, 2160}).cx, 1280);
}

}  // namespace
