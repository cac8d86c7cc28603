// A font for layout tests: every character is a solid box, so where text
// went can be read off exact pixels. Characters are 6 pixels wide ('W' 10);
// each box fills its advance less one column and rows 1 to 7 of the
// 10-pixel cell, leaving the underline row (9) free.
#pragma once

#include <algorithm>
#include <memory>

#include "platform/gdi/gdi_objects.h"
#include "platform/text/font.h"

class BoxFont : public platform::text::Font {
 public:
  BoxFont() {
    metrics_.height = 10;
    metrics_.ascent = 8;
    metrics_.descent = 2;
    metrics_.averageCharWidth = 6;
    metrics_.maxCharWidth = 10;
  }

  const platform::text::FontMetrics& metrics() const override { return metrics_; }
  const std::string& faceName() const override { return name_; }
  int charWidth(unsigned char c) const override { return c == 'W' ? 10 : 6; }
  int textWidth(std::string_view text) const override {
    int w = 0;
    for (char c : text) w += charWidth(static_cast<unsigned char>(c));
    return w;
  }
  void draw(platform::text::PixelTarget& t, int x, int y, std::string_view text, uint32_t color) const override {
    for (char c : text) {
      int w = charWidth(static_cast<unsigned char>(c));
      fill(t, x, y + 1, x + w - 1, y + 8, color);
      x += w;
    }
  }

  // An HFONT drawing with a BoxFont.
  static HFONT handle() {
    auto data = std::make_shared<platform::gdi::FontData>();
    data->font = std::make_shared<BoxFont>();
    return static_cast<HFONT>(platform::gdi::createObject(std::move(data)));
  }

 private:
  static void fill(platform::text::PixelTarget& t, int left, int top, int right, int bottom, uint32_t color) {
    left = std::max({left, t.clipLeft, 0});
    top = std::max({top, t.clipTop, 0});
    right = std::min({right, t.clipRight, t.width});
    bottom = std::min({bottom, t.clipBottom, t.height});
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) t.pixels[y * t.stride + x] = color;
  }

  platform::text::FontMetrics metrics_;
  std::string name_ = "Boxes";
};
