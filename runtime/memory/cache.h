// The free-block cache shared by every heap.
//
// Bins 1, 2 and 3 hold free blocks of exactly 16, 32 and 48 bytes, so small
// requests are served in constant time; bin 0 holds every other free block
// and is searched for a best fit. Freeing never merges neighbours: merging
// happens when a block grows into the free blocks after it, and on the
// heap's failure path (Optimize), which keeps Free constant time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/memory/block.h"

struct ovMemCache {
  ovMemList bins[4];
  size_t freeBytes = 0;
  uint32_t freeBlocks = 0;
  // Blocks given back since free blocks were last merged. Only these can
  // have a free neighbour to merge with: what is left of a block cut for an
  // allocation follows a block in use and precedes one. The heap skips the
  // merge when there are none.
  uint32_t releasesSinceMerge = 0;

  // size bytes (zero-filled when zero is set), or nullptr when no free block
  // fits. The caller's heap retries after merging or growing.
  void* Alloc(uint32_t size, int zero);
  // Resizes p (see the heap); nullptr when no free block fits, p unchanged.
  void* ReAlloc(void* p, uint32_t size);
  void Free(void* p);

  void Add(ovMemBlock* block);
  // Adds a block that was in use, or the part a shrinking block gave up.
  void Release(ovMemBlock* block);
  void Remove(ovMemBlock* block);
  // Merges every free block that directly follows block into it.
  void Optimize(ovMemBlock* block);
  ovMemBlock* BestFitBin0(uint32_t need);
  // Forgets every free block (the heap relists them from its sub-heaps).
  void Empty();
  // The next free block in the same bin, or nullptr.
  ovMemBlock* NextBlock(ovMemBlock* block);

  static int WhichCache(uint32_t blockSize) {
    uint32_t bin = blockSize / 16;
    return bin >= 1 && bin <= 3 ? static_cast<int>(bin) : 0;
  }

 private:
  ovMemBlock* TakeExact(uint32_t need);
  [[gnu::noinline]] ovMemBlock* TakeBestFit(uint32_t need);
  void* ResizeInPlace(ovMemBlock* block, uint32_t size);
  void* MoveVariablePart(void* object, uint32_t size);
  void* MoveBlock(void* p, uint32_t size);
};
