// The address range that holds every sub-heap of the run-time heap.
//
// Free blocks link themselves into the cache through two link words stored in
// their first data bytes. The smallest block has only eight data bytes, so on
// a 64-bit machine a link cannot be an address: it is the distance from the
// arena's base in 8-byte units, which fits in 32 bits. All sub-heaps are
// therefore carved from one range reserved (not committed) at first use;
// pages are committed when a sub-heap is made and decommitted when it goes.
#pragma once

#include <cstddef>
#include <cstdint>

using ovMemLink = uint32_t;  // 0 is the null link

// Commits a zero-filled region of at least bytes (a multiple of 16); nullptr
// when the arena has no room left.
void* ovMemArenaCommit(size_t bytes);

// Returns a region from ovMemArenaCommit; its pages go back to the system.
void ovMemArenaRelease(void* region, size_t bytes);

// Caps the bytes that may be committed at once (tests use it to reach heap
// exhaustion); 0 restores the full reservation.
void ovMemArenaSetLimit(size_t bytes);

// The start of the reserved range (nullptr until the first commit).
extern char* ovMemArenaBase;

// Link <-> address conversion for addresses inside the arena. Link 1 is the
// arena's first byte, so no address has link 0.
inline ovMemLink ovMemLinkOf(const void* p) {
  if (!p) return 0;
  return static_cast<ovMemLink>((static_cast<const char*>(p) - ovMemArenaBase) / 8 + 1);
}

inline void* ovMemAddressOf(ovMemLink link) { return link ? ovMemArenaBase + size_t{link - 1} * 8 : nullptr; }
