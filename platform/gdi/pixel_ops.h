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

}  // namespace platform::gdi
