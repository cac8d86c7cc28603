// The pixel operations behind every GDI drawing call: one table entry per
// mix mode, applied along a horizontal span of surface pixels. Lines, fills,
// inversion and region painting all end here; glyphs are blended by the font.
#pragma once

#include <cstdint>

namespace platform::gdi {

// Combines colour (a surface pixel value) into count pixels.
using SpanOp = void (*)(uint32_t* pixels, int count, uint32_t color);

// The operation of a mix mode R2_BLACK .. R2_WHITE; R2_COPYPEN for others.
SpanOp spanOpForRop2(int rop2);

// One pixel under a mix mode, for tests and single-pixel drawing.
uint32_t mixPixel(int rop2, uint32_t pen, uint32_t destination);

// One pixel under a raster operation of BitBlt: bit ((P << 2) | (S << 1) | D)
// of table (bits 16 to 23 of the operation) is the result for pattern bit
// P, source bit S and destination bit D, bit by bit.
uint32_t rasterPixel(uint8_t table, uint32_t pattern, uint32_t source, uint32_t destination);

// Whether a raster operation reads the source, and the pattern.
bool usesSource(uint32_t rop);
bool usesPattern(uint32_t rop);

}  // namespace platform::gdi
