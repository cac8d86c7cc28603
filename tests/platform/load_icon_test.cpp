#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "platform/resources/icon_image.h"
#include "platform/win32.h"

using platform::resources::iconImage;
using platform::resources::iconImages;

namespace {

HMODULE self() { return GetModuleHandleA(nullptr); }

std::vector<uint8_t> committedIcon() {
  std::ifstream in(VELMARO_APP_RESOURCES "/velmaro.ico", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t dwordAt(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

}  // namespace

TEST(LoadIcon, ApplicationIconLoadsByNumberAndByNameAndIsShared) {
  HICON byNumber = LoadIconA(self(), MAKEINTRESOURCE(20000));
  ASSERT_NE(byNumber, nullptr);
  EXPECT_EQ(LoadIconA(self(), MAKEINTRESOURCE(20000)), byNumber);
  HICON byName = LoadIconA(self(), "ovapplicationico");
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(LoadIconA(self(), "OVApplicationICO"), byName);
  std::vector<int> widths;
  for (const auto& image : *iconImages(byNumber)) widths.push_back(image.width);
  EXPECT_EQ(widths, (std::vector<int>{16, 24, 32, 48, 64}));
  // The best fitting size is picked.
  const std::pair<int, int> fits[] = {{32, 32}, {20, 24}, {1, 16}, {256, 64}};
  for (auto [asked, given] : fits) EXPECT_EQ(iconImage(byNumber, asked)->width, given) << asked;
}

TEST(LoadIcon, PixelsMatchTheFileTopRowFirst) {
  // The 32-pixel image is the third in the file; its rows are stored bottom-up, BGRA.
  std::vector<uint8_t> file = committedIcon();
  size_t entry = 6 + 2 * 16;
  ASSERT_EQ(file[entry], 32);
  size_t pixels = dwordAt(file, entry + 12) + 40;
  const auto* image = iconImage(LoadIconA(self(), MAKEINTRESOURCE(20000)), 32);
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->width, 32);
  int mismatches = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) mismatches += image->pixels[y * 32 + x] != dwordAt(file, pixels + ((31 - y) * 32 + x) * 4);
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(image->pixels[0] >> 24, 0u);              // rounded corner: transparent
  EXPECT_EQ(image->pixels[16 * 32 + 16] >> 24, 255u);  // middle: opaque
}

TEST(LoadIcon, FailuresGiveNullAndTheirCodes) {
  struct Case {
    HINSTANCE module;
    LPCSTR name;
    DWORD error;
  } cases[] = {
      {self(), "NoSuchIcon", ERROR_RESOURCE_NAME_NOT_FOUND},
      {self(), MAKEINTRESOURCE(29999), ERROR_RESOURCE_NAME_NOT_FOUND},  // only RCDATA has it
      {self(), "BrokenIcon", ERROR_INVALID_DATA},
      {nullptr, MAKEINTRESOURCE(1), ERROR_RESOURCE_NAME_NOT_FOUND},
      {nullptr, "OVApplicationICO", ERROR_RESOURCE_NAME_NOT_FOUND},
      {reinterpret_cast<HINSTANCE>(uintptr_t{0x30001}), MAKEINTRESOURCE(20000), ERROR_INVALID_HANDLE},
  };
  for (const Case& c : cases) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(LoadIconA(c.module, c.name), nullptr);
    EXPECT_EQ(GetLastError(), c.error);
  }
  // Only icon handles have pixels.
  EXPECT_EQ(iconImages(nullptr), nullptr);
  EXPECT_EQ(iconImage(reinterpret_cast<HICON>(FindResourceA(nullptr, "Sample", RT_RCDATA)), 32), nullptr);
  EXPECT_EQ(iconImages(reinterpret_cast<HICON>(uintptr_t{0xFFFFFFFF})), nullptr);
}

TEST(LoadIcon, SystemIconsAreDrawnAndShared) {
  std::set<HICON> distinct;
  for (WORD id = 32512; id <= 32518; ++id) {
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCE(id));
    ASSERT_NE(icon, nullptr) << id;
    distinct.insert(icon);
    const auto* image = iconImage(icon, 32);
    ASSERT_EQ(image->width, 32);
    EXPECT_EQ(image->pixels[16 * 32 + 16] >> 24, 255u) << id;
  }
  EXPECT_EQ(distinct.size(), 7u);
  EXPECT_EQ(LoadIconA(nullptr, IDI_ERROR), LoadIconA(nullptr, IDI_HAND));
  uint32_t errorEdge = iconImage(LoadIconA(nullptr, IDI_ERROR), 32)->pixels[16 * 32 + 3];
  EXPECT_GT((errorEdge >> 16) & 0xFF, 2 * ((errorEdge >> 8) & 0xFF));  // red disc
}
