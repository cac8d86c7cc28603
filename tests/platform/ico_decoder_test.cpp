#include "platform/resources/ico_decoder.h"

#include <gtest/gtest.h>

#include <vector>

using platform::resources::decodeIco;
using platform::resources::IconImage;

namespace {

// Builds a one-image .ico of width x height at bitCount from per-pixel values
// (palette indexes, or 0xAARRGGBB for 24 and 32 bits) given top row first,
// with a mask bit set wherever transparent is true.
struct IcoBuilder {
  int width, height, bitCount;
  std::vector<uint32_t> values;
  std::vector<bool> transparent;
  std::vector<uint32_t> palette;

  static void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }

  std::vector<uint8_t> bitmap() const {
    std::vector<uint8_t> out;
    for (uint32_t v : {40u, uint32_t(width), uint32_t(height * 2)}) put(out, v, 4);
    put(out, 1, 2);
    put(out, bitCount, 2);
    for (uint32_t v : {0u, 0u, 0u, 0u, uint32_t(palette.size()), 0u}) put(out, v, 4);
    for (uint32_t color : palette) put(out, color, 4);
    size_t stride = (size_t(width) * bitCount + 31) / 32 * 4, maskStride = (size_t(width) + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
      std::vector<uint8_t> row(stride, 0);
      for (int x = 0; x < width; ++x) {
        uint32_t v = values[y * width + x];
        size_t bit = size_t(x) * bitCount;
        if (bitCount >= 24) {
          for (int i = 0; i < bitCount / 8; ++i) row[bit / 8 + i] = uint8_t(v >> (8 * i));
        } else {
          row[bit / 8] |= uint8_t(v << (8 - bitCount - bit % 8));
        }
      }
      out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {
      std::vector<uint8_t> row(maskStride, 0);
      for (int x = 0; x < width; ++x)
        if (transparent[y * width + x]) row[x / 8] |= uint8_t(0x80 >> (x % 8));
      out.insert(out.end(), row.begin(), row.end());
    }
    return out;
  }

  std::vector<uint8_t> file() const {
    std::vector<uint8_t> image = bitmap(), out;
    put(out, 0, 2), put(out, 1, 2), put(out, 1, 2);
    out.insert(out.end(), {uint8_t(width), uint8_t(height), 0, 0});
    put(out, 1, 2), put(out, bitCount, 2), put(out, uint32_t(image.size()), 4), put(out, 22, 4);
    out.insert(out.end(), image.begin(), image.end());
    return out;
  }
};

std::vector<IconImage> decode(const std::vector<uint8_t>& bytes) { return decodeIco(bytes.data(), bytes.size()); }

}  // namespace

TEST(IcoDecoder, PaletteDepthsDecodeTopRowFirstWithTheMask) {
  // 3 x 2: top row indexes 0 1 0, bottom row 1 0 1; the bottom-right pixel masked.
  std::vector<uint32_t> indexes = {0, 1, 0, 1, 0, 1};
  std::vector<bool> mask = {false, false, false, false, false, true};
  for (int bits : {1, 4, 8}) {
    IcoBuilder ico{3, 2, bits, indexes, mask, {0x00102030, 0x00C0B0A0}};
    auto images = decode(ico.file());
    ASSERT_EQ(images.size(), 1u) << bits;
    const IconImage& image = images[0];
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.bitCount, bits);
    std::vector<uint32_t> expected = {0xFF102030, 0xFFC0B0A0, 0xFF102030, 0xFFC0B0A0, 0xFF102030, 0};
    EXPECT_EQ(image.pixels, expected) << bits;
  }
}

TEST(IcoDecoder, TrueColourKeepsAlphaOrFallsBackToTheMask) {
  std::vector<bool> mask = {true, false};
  IcoBuilder withAlpha{2, 1, 32, {0x80FF0000, 0xFF00FF00}, mask, {}};
  EXPECT_EQ(decode(withAlpha.file())[0].pixels, (std::vector<uint32_t>{0x80FF0000, 0xFF00FF00}));
  IcoBuilder noAlpha{2, 1, 32, {0x00FF0000, 0x0000FF00}, mask, {}};
  EXPECT_EQ(decode(noAlpha.file())[0].pixels, (std::vector<uint32_t>{0, 0xFF00FF00}));
  IcoBuilder rgb{2, 1, 24, {0x123456, 0x654321}, {false, true}, {}};
  EXPECT_EQ(decode(rgb.file())[0].pixels, (std::vector<uint32_t>{0xFF123456, 0}));
}

TEST(IcoDecoder, DamagedFilesGiveNoImagesAndAreNeverReadPast) {
  IcoBuilder ico{5, 5, 8, std::vector<uint32_t>(25, 1), std::vector<bool>(25, false), {0, 0xFFFFFF}};
  std::vector<uint8_t> file = ico.file();
  for (size_t length = 0; length < file.size(); ++length) {
    std::vector<uint8_t> prefix(file.begin(), file.begin() + length);  // own allocation: overreads are caught
    EXPECT_TRUE(decode(prefix).empty()) << length;
  }
  EXPECT_EQ(decode(file).size(), 1u);

  auto damaged = [&](size_t offset, uint8_t value) {
    std::vector<uint8_t> copy = file;
    copy[offset] = value;
    return decode(copy);
  };
  EXPECT_TRUE(damaged(2, 2).empty());        // a cursor file
  EXPECT_TRUE(damaged(22 + 16, 1).empty());  // compressed bitmap
  EXPECT_TRUE(damaged(22 + 14, 7).empty());  // unknown depth
  EXPECT_TRUE(damaged(22 + 0, 12).empty());  // header too small
  EXPECT_GE(damaged(4, 200).size(), 1u);     // a count beyond the file: entries past its end are ignored
  std::vector<uint8_t> png = file;
  png[22] = 0x89, png[23] = 'P', png[24] = 'N', png[25] = 'G';
  EXPECT_TRUE(decode(png).empty());
  EXPECT_TRUE(decodeIco(nullptr, 100).empty());
}

TEST(IcoDecoder, ImagesComeSmallestFirst) {
  IcoBuilder big{4, 4, 32, std::vector<uint32_t>(16, 0xFF000000), std::vector<bool>(16, false), {}};
  IcoBuilder small{2, 2, 32, std::vector<uint32_t>(4, 0xFF000000), std::vector<bool>(4, false), {}};
  std::vector<uint8_t> a = big.bitmap(), b = small.bitmap(), file;
  IcoBuilder::put(file, 0, 2), IcoBuilder::put(file, 1, 2), IcoBuilder::put(file, 2, 2);
  for (auto [image, side, offset] : {std::tuple{&a, 4, 38u}, std::tuple{&b, 2, 38u + uint32_t(a.size())}}) {
    file.insert(file.end(), {uint8_t(side), uint8_t(side), 0, 0});
    IcoBuilder::put(file, 1, 2), IcoBuilder::put(file, 32, 2), IcoBuilder::put(file, uint32_t(image->size()), 4);
    IcoBuilder::put(file, offset, 4);
  }
  file.insert(file.end(), a.begin(), a.end());
  file.insert(file.end(), b.begin(), b.end());
  auto images = decode(file);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].width, 2);
  EXPECT_EQ(images[1].width, 4);
}
