// The font used when no face can be opened at all (no fonts installed): it
// keeps the metrics a face of the requested size would have and draws each
// visible character as an outlined box, so text stays placed and visible.
#pragma once

#include "platform/text/font.h"
#include "platform/text/font_size.h"

namespace platform::text {

class MissingFaceFont final : public Font {
 public:
  explicit MissingFaceFont(const FontRequest& request);

  const FontMetrics& metrics() const override { return metrics_; }
  const std::string& faceName() const override { return faceName_; }
  int charWidth(unsigned char c) const override;
  int textWidth(std::string_view text) const override;
  void draw(PixelTarget& target, int x, int y, std::string_view text, uint32_t color) const override;

 private:
  std::string faceName_;
  FontMetrics metrics_;
};

}  // namespace platform::text
