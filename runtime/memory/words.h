// Word-wise copying and filling, and duplication of heap value objects.
#pragma once

#include <cstdint>

// Copies n / 4 32-bit words forward (n is rounded down to whole words).
void ovMemCopy(void* dst, const void* src, uint32_t n);
// The same, safe for overlapping ranges.
void ovMemMove(void* dst, const void* src, uint32_t n);
// Fills n / 4 words with value.
void ovMemSet(void* p, uint32_t n, uint32_t value);

// A copy of a value object in one new block of the run-time heap, its
// variable part brought back inline; owner flags 0x0200 only. nullptr for
// nullptr. The copy's use count and visit mark are the original's: callers
// reset them.
void* ovMemDuplicate(const void* p);
