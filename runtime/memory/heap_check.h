// A consistency check of the heap and the cache, for tests and debugging.
#pragma once

#include <string>

class ovMemHeap;

// Walks every sub-heap and every cache bin. Verifies that blocks tile each
// sub-heap exactly up to its end marker with sizes that are multiples of 16,
// that in-use blocks have a slack below 16, that every free block listed in
// the cache lies in a sub-heap, is free and sits in the bin for its size,
// that every free block is listed exactly once, and that the cache's totals
// match its lists. The cache is shared, so this holds while the heap is the
// only one. Returns an empty text when all holds, else what failed first.
std::string ovMemHeapCheck(const ovMemHeap& heap);
