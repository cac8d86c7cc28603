#include "platform/resources/ico_decoder.h"

#include <algorithm>

namespace platform::resources {
namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;
constexpr int kLargestSide = 256;

struct Bytes {
  const uint8_t* data;
  size_t size;
  bool has(size_t offset, size_t count) const { return offset <= size && count <= size - offset; }
  uint16_t word(size_t offset) const { return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8); }
  uint32_t dword(size_t offset) const { return word(offset) | static_cast<uint32_t>(word(offset + 2)) << 16; }
};

// The bitmap of one image: its header fields and where its parts begin.
struct Bitmap {
  int width = 0, height = 0, bitCount = 0;
  size_t palette = 0, colors = 0, pixels = 0, mask = 0;
  size_t rowBytes = 0, maskRowBytes = 0;
};

size_t strideOf(int width, int bitCount) { return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4; }

bool isPng(const Bytes& image) {
  static const uint8_t signature[] = {0x89, 'P', 'N', 'G'};
  return image.size >= 4 && std::equal(signature, signature + 4, image.data);
}

bool readBitmap(const Bytes& image, Bitmap& bitmap) {
  if (!image.has(0, kInfoHeaderSize)) return false;
  uint32_t headerSize = image.dword(0);
  int32_t width = static_cast<int32_t>(image.dword(4)), doubleHeight = static_cast<int32_t>(image.dword(8));
  uint32_t compression = image.dword(16), colorsUsed = image.dword(32);
  bitmap.bitCount = image.word(14);
  if (headerSize < kInfoHeaderSize || compression != 0 || width <= 0 || width > kLargestSide || doubleHeight <= 0 ||
      doubleHeight / 2 > kLargestSide || doubleHeight / 2 == 0)
    return false;
  bitmap.width = width;
  bitmap.height = doubleHeight / 2;
  if (bitmap.bitCount <= 8) bitmap.colors = colorsUsed ? std::min<uint32_t>(colorsUsed, 1u << bitmap.bitCount) : 1u << bitmap.bitCount;
  bitmap.palette = headerSize;
  bitmap.rowBytes = strideOf(bitmap.width, bitmap.bitCount);
  bitmap.maskRowBytes = strideOf(bitmap.width, 1);
  bitmap.pixels = bitmap.palette + bitmap.colors * 4;
  bitmap.mask = bitmap.pixels + bitmap.rowBytes * bitmap.height;
  bool knownDepth = bitmap.bitCount == 1 || bitmap.bitCount == 4 || bitmap.bitCount == 8 || bitmap.bitCount == 24 ||
                    bitmap.bitCount == 32;
  return knownDepth && image.has(bitmap.mask, bitmap.maskRowBytes * bitmap.height);
}

uint32_t paletteColor(const Bytes& image, const Bitmap& bitmap, unsigned index) {
  if (index >= bitmap.colors) return 0;
  size_t at = bitmap.palette + index * 4;
  return image.data[at + 2] << 16 | image.data[at + 1] << 8 | image.data[at];
}

// The colour of pixel x of a stored row, alpha included for 32-bit images.
uint32_t storedPixel(const Bytes& image, const Bitmap& bitmap, const uint8_t* row, int x) {
  switch (bitmap.bitCount) {
    case 32:
      return static_cast<uint32_t>(row[4 * x + 3]) << 24 | row[4 * x + 2] << 16 | row[4 * x + 1] << 8 | row[4 * x];
    case 24:
      return row[3 * x + 2] << 16 | row[3 * x + 1] << 8 | row[3 * x];
    case 8:
      return paletteColor(image, bitmap, row[x]);
    case 4:
      return paletteColor(image, bitmap, (row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F);
    default:
      return paletteColor(image, bitmap, (row[x / 8] >> (7 - x % 8)) & 1);
  }
}

bool masked(const Bytes& image, const Bitmap& bitmap, int storedRow, int x) {
  const uint8_t* row = image.data + bitmap.mask + bitmap.maskRowBytes * storedRow;
  return (row[x / 8] >> (7 - x % 8)) & 1;
}

// A 32-bit image whose alpha is all zero predates alpha: its mask decides.
bool alphaIsUsed(const std::vector<uint32_t>& pixels) {
  return std::any_of(pixels.begin(), pixels.end(), [](uint32_t p) { return (p >> 24) != 0; });
}

IconImage decodeBitmap(const Bytes& image, const Bitmap& bitmap) {
  IconImage icon{bitmap.width, bitmap.height, bitmap.bitCount, {}};
  icon.pixels.resize(static_cast<size_t>(bitmap.width) * bitmap.height);
  for (int y = 0; y < bitmap.height; ++y) {
    int storedRow = bitmap.height - 1 - y;  // rows are stored bottom-up
    const uint8_t* row = image.data + bitmap.pixels + bitmap.rowBytes * storedRow;
    for (int x = 0; x < bitmap.width; ++x) icon.pixels[y * bitmap.width + x] = storedPixel(image, bitmap, row, x);
  }
  if (bitmap.bitCount == 32 && alphaIsUsed(icon.pixels)) return icon;
  for (int y = 0; y < bitmap.height; ++y)
    for (int x = 0; x < bitmap.width; ++x) {
      uint32_t& p = icon.pixels[y * bitmap.width + x];
      p = masked(image, bitmap, bitmap.height - 1 - y, x) ? 0 : (p & 0x00FFFFFF) | 0xFF000000;
    }
  return icon;
}

bool smallerFirst(const IconImage& a, const IconImage& b) {
  if (a.width != b.width) return a.width < b.width;
  return a.bitCount > b.bitCount;
}

}  // namespace

std::vector<IconImage> decodeIco(const uint8_t* data, size_t size) {
  Bytes file{data, size};
  std::vector<IconImage> images;
  if (!data || !file.has(0, kDirectorySize) || file.word(0) != 0 || file.word(2) != 1) return images;
  unsigned count = file.word(4);
  for (unsigned i = 0; i < count && file.has(kDirectorySize + i * kEntrySize, kEntrySize); ++i) {
    size_t entry = kDirectorySize + i * kEntrySize;
    uint32_t bytes = file.dword(entry + 8), offset = file.dword(entry + 12);
    if (!file.has(offset, bytes)) continue;
    Bytes image{data + offset, bytes};
    Bitmap bitmap;
    if (!isPng(image) && readBitmap(image, bitmap)) images.push_back(decodeBitmap(image, bitmap));
  }
  std::stable_sort(images.begin(), images.end(), smallerFirst);
  return images;
}

}  // namespace platform::resources
