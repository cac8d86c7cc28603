// Draws Velmaro's application icon: a golden rectangle on a dark rounded
// square, divided into its shrinking squares with the golden spiral running
// through them, and writes it as an .ico file of 32-bit images, or as a PNG
// of one size (what desktops take for their icon themes).
//
//   golden_spiral_icon OUTPUT.ico
//   golden_spiral_icon --png SIZE OUTPUT.png
//
// The drawing is pure arithmetic, so the same program writes the same bytes;
// a test checks that resources/velmaro.ico is what this program writes.
#include <png.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr double kPhi = 1.6180339887498949;
constexpr int kSizes[] = {16, 24, 32, 48, 64};
constexpr int kSamples = 5;  // per axis and pixel
constexpr int kSquares = 9;

struct Color {
  double r, g, b, a;
};

struct Square {
  double x, y, side;
  double cx, cy;  // centre of the quarter arc: a corner of the square
  int shade;
};

// Splits a golden rectangle into squares, turning left, top, right, bottom,
// each with the corner its arc turns around, so the arcs join into a spiral.
std::vector<Square> goldenSquares(double x, double y, double w, double h) {
  std::vector<Square> squares;
  for (int i = 0; i < kSquares; ++i) {
    switch (i % 4) {
      case 0: squares.push_back({x, y, h, x + h, y + h, i}); x += h; w -= h; break;
      case 1: squares.push_back({x, y, w, x, y + w, i}); y += w; h -= w; break;
      case 2: squares.push_back({x + w - h, y, h, x + w - h, y, i}); w -= h; break;
      default: squares.push_back({x, y + h - w, w, x + w, y + h - w, i}); h -= w; break;
    }
  }
  return squares;
}

bool inRoundedSquare(double px, double py, double inset, double radius) {
  double lo = inset + radius, hi = 1 - inset - radius;
  double dx = px < lo ? lo - px : px > hi ? px - hi : 0;
  double dy = py < lo ? lo - py : py > hi ? py - hi : 0;
  return px >= inset && px <= 1 - inset && py >= inset && py <= 1 - inset && dx * dx + dy * dy <= radius * radius;
}

// The colour of one sample point, in units of the icon's side.
Color sampleAt(double px, double py, const std::vector<Square>& squares, double line, double spiral) {
  if (!inRoundedSquare(px, py, 0.02, 0.16)) return {0, 0, 0, 0};
  Color background{0.12, 0.16, 0.27, 1};
  for (const Square& s : squares) {
    bool inside = px >= s.x && px <= s.x + s.side && py >= s.y && py <= s.y + s.side;
    if (!inside) continue;
    double radius = std::hypot(px - s.cx, py - s.cy);
    if (std::abs(radius - s.side) <= spiral / 2) return {0.25, 0.13, 0.02, 1};
    bool edge = px - s.x < line || s.x + s.side - px < line || py - s.y < line || s.y + s.side - py < line;
    if (edge) return {0.45, 0.30, 0.05, 1};
    double t = static_cast<double>(s.shade) / kSquares;
    return {0.98 - 0.20 * t, 0.80 - 0.25 * t, 0.30 - 0.22 * t, 1};
  }
  return background;
}

// Averages the samples of each pixel, colours weighted by their alpha.
std::vector<uint32_t> drawIcon(int size) {
  double width = 0.9, height = width / kPhi;
  std::vector<Square> squares = goldenSquares(0.05, (1 - height) / 2, width, height);
  double line = std::max(0.5, size / 48.0) / size, spiral = std::max(1.0, size / 20.0) / size;
  std::vector<uint32_t> pixels(static_cast<size_t>(size) * size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Color sum{0, 0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          Color c = sampleAt((x + (sx + 0.5) / kSamples) / size, (y + (sy + 0.5) / kSamples) / size, squares, line, spiral);
          sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
        }
      auto channel = [&](double v) { return static_cast<uint32_t>(std::lround(sum.a > 0 ? 255 * v / sum.a : 0)); };
      uint32_t alpha = static_cast<uint32_t>(std::lround(255 * sum.a / (kSamples * kSamples)));
      pixels[y * size + x] = alpha << 24 | channel(sum.r) << 16 | channel(sum.g) << 8 | channel(sum.b);
    }
  return pixels;
}

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// A 32-bit device-independent bitmap of doubled height (colour rows, then
// the transparency mask), rows bottom-up, as an .ico image holds it.
std::vector<uint8_t> iconBitmap(int size, const std::vector<uint32_t>& pixels) {
  std::vector<uint8_t> out;
  int maskStride = (size + 31) / 32 * 4;
  for (uint32_t v : {40u, static_cast<uint32_t>(size), static_cast<uint32_t>(size * 2)}) put32(out, v);
  put16(out, 1);
  put16(out, 32);
  for (uint32_t v : {0u, static_cast<uint32_t>(size * size * 4 + maskStride * size), 0u, 0u, 0u, 0u}) put32(out, v);
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) put32(out, pixels[y * size + x]);
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < size; ++x)
      if ((pixels[y * size + x] >> 24) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<uint8_t> icoFile() {
  std::vector<std::vector<uint8_t>> images;
  for (int size : kSizes) images.push_back(iconBitmap(size, drawIcon(size)));
  std::vector<uint8_t> out;
  put16(out, 0);
  put16(out, 1);
  put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.insert(out.end(), {static_cast<uint8_t>(kSizes[i]), static_cast<uint8_t>(kSizes[i]), 0, 0});
    put16(out, 1);
    put16(out, 32);
    put32(out, static_cast<uint32_t>(images[i].size()));
    put32(out, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

// An 8-bit RGBA PNG of the icon at one size.
bool writePng(int size, const char* path) {
  std::vector<uint32_t> pixels = drawIcon(size);
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  // Changed after setjmp, read after a longjmp: volatile, so it is not kept
  // in a register the jump restores.
  volatile bool written = false;
  if (info && !setjmp(png_jmpbuf(png))) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(size), static_cast<png_uint_32>(size), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(size) * 4);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        uint32_t p = pixels[static_cast<size_t>(y) * size + x];
        row[4 * x] = static_cast<png_byte>(p >> 16);
        row[4 * x + 1] = static_cast<png_byte>(p >> 8);
        row[4 * x + 2] = static_cast<png_byte>(p);
        row[4 * x + 3] = static_cast<png_byte>(p >> 24);
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    written = true;
  }
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--png") {
    int size = std::atoi(argv[2]);
    if (size < 1 || size > 1024) {
      std::cerr << "golden_spiral_icon: a size from 1 to 1024 is needed\n";
      return 2;
    }
    return writePng(size, argv[3]) ? 0 : 1;
  }
  if (argc != 2) {
    std::cerr << "usage: golden_spiral_icon OUTPUT.ico\n       golden_spiral_icon --png SIZE OUTPUT.png\n";
    return 2;
  }
  std::vector<uint8_t> bytes = icoFile();
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return out.good() ? 0 : 1;
}
