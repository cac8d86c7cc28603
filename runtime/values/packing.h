// The packed point, rectangle and colour structures of the platform
// boundary, and the functions that fill and read them.
#pragma once

#include <cstdint>

struct ovPoint {
  int32_t h;
  int32_t v;
};

struct ovRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// 0x00BBGGRR: red in bits 0-7, green 8-15, blue 16-23.
using ovRGB = uint32_t;

void ovPackPoint(ovPoint* p, int32_t h, int32_t v);
// Stores the four words in argument order.
void ovPackRect(ovRect* r, int32_t a, int32_t b, int32_t c, int32_t d);
// Keeps the low 8 bits of each component.
void ovPackRGB(ovRGB* c, uint32_t red, uint32_t green, uint32_t blue);
void ovUnpackPoint(const ovPoint* p, int32_t* h, int32_t* v);
// The words in stored order: left, top, right, bottom.
void ovUnpackRect(const ovRect* r, int32_t* a, int32_t* b, int32_t* c, int32_t* d);
void ovUnpackRGB(const ovRGB* c, uint32_t* red, uint32_t* green, uint32_t* blue);
