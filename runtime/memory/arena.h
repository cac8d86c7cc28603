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

// Link <-> address conversion for addresses inside the arena.
ovMemLink ovMemLinkOf(const void* p);
void* ovMemAddressOf(ovMemLink link);
