#include "platform/gdi/pixel_ops.h"

#include "platform/win32.h"

namespace platform::gdi {
namespace {

// A mix mode less one is a truth table: bit ((P << 1) | D) of it gives the
// result for pen bit P and destination bit D. Spelled out over whole words.
template <int Table>
constexpr uint32_t mix(uint32_t p, uint32_t d) {
  uint32_t r = 0;
  if (Table & 8) r |= p & d;
  if (Table & 4) r |= p & ~d;
  if (Table & 2) r |= ~p & d;
  if (Table & 1) r |= ~p & ~d;
  return r & 0x00FFFFFFu;
}

template <int Table>
void mixSpan(uint32_t* pixels, int count, uint32_t color) {
  for (int i = 0; i < count; ++i) pixels[i] = mix<Table>(color, pixels[i]);
}

// The two operations that do not read the destination are plain stores.
template <uint32_t Value>
void storeConstant(uint32_t* pixels, int count, uint32_t) {
  for (int i = 0; i < count; ++i) pixels[i] = Value;
}

void storeColor(uint32_t* pixels, int count, uint32_t color) {
  for (int i = 0; i < count; ++i) pixels[i] = color;
}

void leaveAlone(uint32_t*, int, uint32_t) {}

constexpr SpanOp kOps[16] = {
    storeConstant<0>, mixSpan<1>, mixSpan<2>,  mixSpan<3>,  mixSpan<4>,  mixSpan<5>, mixSpan<6>,
    mixSpan<7>,       mixSpan<8>, mixSpan<9>,  leaveAlone,  mixSpan<11>, storeColor, mixSpan<13>,
    mixSpan<14>,      storeConstant<0x00FFFFFFu>,
};

}  // namespace

SpanOp spanOpForRop2(int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) rop2 = R2_COPYPEN;
  return kOps[rop2 - 1];
}

uint32_t mixPixel(int rop2, uint32_t pen, uint32_t destination) {
  spanOpForRop2(rop2)(&destination, 1, pen);
  return destination;
}

uint32_t rasterPixel(uint8_t table, uint32_t pattern, uint32_t source, uint32_t destination) {
  uint32_t result = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((table >> i) & 1)) continue;
    uint32_t p = (i & 4) ? pattern : ~pattern;
    uint32_t s = (i & 2) ? source : ~source;
    uint32_t d = (i & 1) ? destination : ~destination;
    result |= p & s & d;
  }
  return result & 0x00FFFFFFu;
}

// The result depends on S when the table differs between S = 0 and S = 1
// (bits 2, 3, 6, 7 against 0, 1, 4, 5), on P likewise (4 to 7 against 0 to 3).
bool usesSource(uint32_t rop) { return (((rop >> 2) ^ rop) & 0x00330000u) != 0; }
bool usesPattern(uint32_t rop) { return (((rop >> 4) ^ rop) & 0x000F0000u) != 0; }

}  // namespace platform::gdi
