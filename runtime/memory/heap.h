// The run-time heap: 16-byte-granular blocks carved from large sub-heaps,
// with freed blocks kept in the shared cache (cache.h). Its particular duty is
// growing texts, lists, externals and instances without moving their headers:
// when one cannot grow in place, only its variable part moves to a block of
// its own.
//
// Alloc, ReAlloc and Free hold the heap's lock (heap_lock.h) for their whole
// duration once the process has threads; the cache is only touched under
// it. The heap also owns a named platform mutex, "ovMemHeap::hSerializeMutex":
// LockMutex takes it and then the heap's lock, so a caller that holds the
// heap keeps out every other holder and every other thread's heap call, and
// may still call the heap itself.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/memory/block.h"
#include "runtime/memory/cache.h"
#include "runtime/memory/heap_lock.h"

// A sub-heap: its link in the heap's list, its size, then its blocks and an
// 8-byte zero end marker.
struct ovMemSubHeap {
  ovMemElement link;
  uint32_t size;
  uint32_t reserved;

  ovMemBlock* FirstBlock() { return reinterpret_cast<ovMemBlock*>(this + 1); }
  // One free block of size bytes (a multiple of 16) and the end marker;
  // nullptr when no memory is left.
  static ovMemSubHeap* Alloc(uint32_t size);
  static void Release(ovMemSubHeap* subHeap);
  // Merges runs of free blocks and lists each run in the cache, which the
  // caller has emptied.
  void Optimize(ovMemCache& cache);
};
static_assert(sizeof(ovMemSubHeap) == 16);

constexpr uint32_t ovMemDefaultSubHeapSize = 0x40000;

class ovMemHeap {
 public:
  // A heap with one sub-heap of firstSubHeap bytes, its lock (biased to the
  // calling thread) and its named mutex.
  explicit ovMemHeap(uint32_t firstSubHeap = ovMemDefaultSubHeapSize);
  ~ovMemHeap();
  ovMemHeap(const ovMemHeap&) = delete;
  ovMemHeap& operator=(const ovMemHeap&) = delete;

  // size bytes, zero-filled when zero is set, with ownerFlags in the high
  // byte of the block's flags; nullptr only when no memory is left.
  void* Alloc(uint32_t size, int zero, uint16_t ownerFlags);
  // Resizes in place, by moving a value's variable part, or by moving the
  // block; the (possibly new) address, or nullptr with p unchanged.
  void* ReAlloc(void* p, uint32_t size);
  // Frees p (and a value's out-of-line variable part with it); null-safe.
  void Free(void* p);

  bool AllocateSubHeap(uint32_t size);
  // Merges the free blocks of every sub-heap and relists them in the cache.
  void Optimize();
  void LockMutex();
  void UnlockMutex();

  // Allocations not yet freed.
  uint32_t LiveCount() const { return liveCount; }
  // Allocations made since the heap was made, freed or not.
  uint64_t AllocationCount() const { return allocationCount; }

  // Calls visit(ovMemSubHeap*) for every sub-heap, newest first.
  template <typename Visit>
  void ForEachSubHeap(Visit visit) const {
    for (ovMemLink link = subHeaps.head; link; link = ovMemElement::At(link)->next)
      visit(reinterpret_cast<ovMemSubHeap*>(ovMemElement::At(link)));
  }

 private:
  class Hold;

  template <typename Attempt>
  void* WithRetries(uint32_t size, Attempt attempt);
  template <typename Attempt>
  void* RetryAfterMerging(uint32_t size, Attempt attempt);
  // The failure path of Alloc, out of line to keep the hot path short.
  [[gnu::noinline]] void* AllocAfterMerging(uint32_t size, int zero);

  ovMemList subHeaps;
  uint32_t liveCount = 0;
  uint64_t allocationCount = 0;
  HANDLE mutex = nullptr;
  ovMemHeapLock lock;
};

extern ovMemCache* ovRunTimeCache;
extern ovMemHeap* ovRunTimeHeap;

// Ends the process with a message on stderr: the heap could not supply size
// bytes. Used wherever a caller has no way to go on without the memory.
[[noreturn]] void ovMemExhausted(uint32_t size);

// Ends the process with a message on stderr: a caller misused the heap in a
// way that would corrupt it (for example freeing a block twice).
[[noreturn]] void ovMemCorrupted(const char* what, const void* where);

// Size last asked for of a heap block (0 for nullptr).
uint32_t ovMemGetBlockSize(const void* p);
