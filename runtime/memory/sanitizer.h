// Marks heap bytes as addressable or not for AddressSanitizer, so that the
// sanitizer build catches reads and writes past a block's requested size and
// into free blocks, although the run-time heap carves blocks out of its own
// sub-heaps. The calls vanish in other builds.
#pragma once

#include <cstddef>

#if defined(VELMARO_SANITIZE)
#include <sanitizer/asan_interface.h>
inline void ovMemPoison(const void* p, size_t n) { ASAN_POISON_MEMORY_REGION(p, n); }
inline void ovMemUnpoison(const void* p, size_t n) { ASAN_UNPOISON_MEMORY_REGION(p, n); }
#else
inline void ovMemPoison(const void*, size_t) {}
inline void ovMemUnpoison(const void*, size_t) {}
#endif
