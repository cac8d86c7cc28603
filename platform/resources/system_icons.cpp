#include "platform/resources/system_icons.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/text/font.h"

namespace platform::resources {
namespace {

constexpr int kSamples = 4;  // per axis, for anti-aliased edges

// Coverage of a shape over pixel (x, y) of a size-pixel icon, the shape
// given in units of the icon's side (0..1).
using Shape = std::function<bool(double, double)>;

double coverage(const Shape& inside, int x, int y, int size) {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy)
    for (int sx = 0; sx < kSamples; ++sx)
      hits += inside((x + (sx + 0.5) / kSamples) / size, (y + (sy + 0.5) / kSamples) / size);
  return static_cast<double>(hits) / (kSamples * kSamples);
}

// Paints colour over the image through the shape, alpha included.
void paint(IconImage& image, const Shape& inside, uint32_t color) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      double a = coverage(inside, x, y, image.width);
      if (a == 0) continue;
      uint32_t& p = image.pixels[y * image.width + x];
      auto mix = [&](int shift) {
        double blended = ((color >> shift) & 0xFF) * a + ((p >> shift) & 0xFF) * (1 - a);
        return static_cast<uint32_t>(std::lround(blended)) << shift;
      };
      double alpha = std::max(a, ((p >> 24) & 0xFF) / 255.0);
      p = static_cast<uint32_t>(std::lround(alpha * 255)) << 24 | mix(16) | mix(8) | mix(0);
    }
}

Shape disc(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape box(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

// An upward triangle with its apex at the top centre.
Shape triangle(double top, double bottom, double halfBase) {
  return [=](double x, double y) {
    if (y < top || y > bottom) return false;
    return std::abs(x - 0.5) <= halfBase * (y - top) / (bottom - top);
  };
}

// A character centred on the icon in the system face, in colour.
void letter(IconImage& image, char c, uint32_t color) {
  text::FontRequest request{"System", -image.width * 3 / 4, 0, 700, false, false, false};
  auto font = text::Font::open(request);
  std::vector<uint32_t> rgb(image.pixels.size());
  std::transform(image.pixels.begin(), image.pixels.end(), rgb.begin(), [](uint32_t p) { return p & 0xFFFFFF; });
  text::PixelTarget target{rgb.data(), image.width, image.height, image.width, 0, 0, image.width, image.height};
  std::string text(1, c);
  int x = (image.width - font->textWidth(text)) / 2;
  int y = (image.height - font->metrics().height) / 2 + font->metrics().internalLeading / 2;
  font->draw(target, x, y, text, color);
  for (size_t i = 0; i < rgb.size(); ++i) image.pixels[i] = (image.pixels[i] & 0xFF000000) | rgb[i];
}

void drawWindowLogo(IconImage& image) {
  paint(image, box(0.1, 0.15, 0.9, 0.85), 0x404040);
  paint(image, box(0.14, 0.19, 0.86, 0.81), 0xFFFFFF);
  paint(image, box(0.14, 0.19, 0.86, 0.32), 0x1F4E9A);
}

void drawSymbolDisc(IconImage& image, uint32_t color, char symbol) {
  paint(image, disc(0.5, 0.5, 0.47), color);
  letter(image, symbol, 0xFFFFFF);
}

void drawWarning(IconImage& image) {
  paint(image, triangle(0.04, 0.94, 0.48), 0x5A4500);
  paint(image, triangle(0.12, 0.89, 0.40), 0xF5C400);
  letter(image, '!', 0x000000);
}

void drawShield(IconImage& image) {
  Shape shield = [](double x, double y) {
    if (y < 0.08 || y > 0.94) return false;
    double half = y < 0.55 ? 0.4 : 0.4 * std::sqrt(std::max(0.0, 1 - (y - 0.55) * (y - 0.55) / (0.39 * 0.39)));
    return std::abs(x - 0.5) <= half;
  };
  paint(image, shield, 0x1F4E9A);
  paint(image, box(0.5, 0.08, 0.9, 0.55), 0xF5C400);
}

void drawInto(IconImage& image, WORD id) {
  switch (id) {
    case 32513: return drawSymbolDisc(image, 0xC62828, 'X');  // IDI_HAND
    case 32514: return drawSymbolDisc(image, 0x1F4E9A, '?');  // IDI_QUESTION
    case 32515: return drawWarning(image);                    // IDI_EXCLAMATION
    case 32516: return drawSymbolDisc(image, 0x1F4E9A, 'i');  // IDI_ASTERISK
    case 32518: return drawShield(image);                     // IDI_SHIELD
    default: return drawWindowLogo(image);                    // IDI_APPLICATION, IDI_WINLOGO
  }
}

}  // namespace

std::vector<IconImage> drawSystemIcon(WORD id) {
  if (id < 32512 || id > 32518) return {};
  std::vector<IconImage> images;
  for (int size : {16, 32}) {
    IconImage image{size, size, 32, std::vector<uint32_t>(static_cast<size_t>(size) * size, 0)};
    drawInto(image, id);
    images.push_back(std::move(image));
  }
  return images;
}

}  // namespace platform::resources
