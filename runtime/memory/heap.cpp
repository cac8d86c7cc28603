#include "runtime/memory/heap.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/memory/sanitizer.h"
#include "runtime/memory/thread_sync.h"
#include "runtime/values/layout.h"

ovMemCache* ovRunTimeCache = nullptr;
ovMemHeap* ovRunTimeHeap = nullptr;

namespace {

constexpr uint32_t kLargeRequest = 0x3FFE0;
constexpr size_t kEndMarkerSize = 8;

size_t subHeapBytes(uint32_t size) { return sizeof(ovMemSubHeap) + size + kEndMarkerSize; }

ovMemSubHeap* subHeapAt(ovMemLink link) {
  return reinterpret_cast<ovMemSubHeap*>(ovMemElement::At(link));
}

}  // namespace

// RAII hold of the heap's lock for one operation. While the process has a
// single thread nothing can contend for the heap, and that thread cannot
// start another in the middle of a heap operation, so the lock is taken only
// once a second thread exists -- as the C library's allocator does.
class ovMemHeap::Hold {
 public:
  explicit Hold(ovMemHeap& heap) : lock_(ovProcessIsSingleThreaded() ? nullptr : &heap.lock) {
    if (lock_) lock_->Lock();
  }
  ~Hold() {
    if (lock_) lock_->Unlock();
  }
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;

 private:
  ovMemHeapLock* lock_;
};

ovMemSubHeap* ovMemSubHeap::Alloc(uint32_t size) {
  auto* subHeap = static_cast<ovMemSubHeap*>(ovMemArenaCommit(subHeapBytes(size)));
  if (!subHeap) return nullptr;
  subHeap->size = size;
  ovMemBlock* block = subHeap->FirstBlock();
  block->size = size;  // the end marker after it is zero already
  return subHeap;
}

void ovMemSubHeap::Release(ovMemSubHeap* subHeap) {
  size_t bytes = subHeapBytes(subHeap->size);
  ovMemUnpoison(subHeap, bytes);
  ovMemArenaRelease(subHeap, bytes);
}

void ovMemSubHeap::Optimize(ovMemCache& cache) {
  for (ovMemBlock* block = FirstBlock(); !block->IsEnd(); block = block->Following()) {
    if (block->InUse()) continue;
    for (ovMemBlock* next = block->Following(); !next->IsEnd() && !next->InUse(); next = block->Following())
      block->size += next->size;
    cache.Add(block);
  }
}

ovMemHeap::ovMemHeap(uint32_t firstSubHeap) {
  if (!AllocateSubHeap(firstSubHeap)) ovMemExhausted(firstSubHeap);
  mutex = CreateMutexA(nullptr, FALSE, "ovMemHeap::hSerializeMutex");
}

ovMemHeap::~ovMemHeap() {
  LockMutex();
  UnlockMutex();
  CloseHandle(mutex);
  // The cache is shared: forget every listed block before the sub-heaps go.
  // Another heap's free blocks come back on its next failure path.
  if (ovRunTimeCache) ovRunTimeCache->Empty();
  while (!subHeaps.IsEmpty()) {
    ovMemSubHeap* subHeap = subHeapAt(subHeaps.head);
    subHeaps.Remove(&subHeap->link);
    ovMemSubHeap::Release(subHeap);
  }
}

void ovMemHeap::LockMutex() {
  WaitForSingleObject(mutex, INFINITE);
  lock.Lock();
}

void ovMemHeap::UnlockMutex() {
  lock.Unlock();
  ReleaseMutex(mutex);
}

bool ovMemHeap::AllocateSubHeap(uint32_t size) {
  ovMemSubHeap* subHeap = ovMemSubHeap::Alloc(size);
  if (!subHeap) return false;
  subHeaps.Add(&subHeap->link);
  ovRunTimeCache->Add(subHeap->FirstBlock());
  return true;
}

void ovMemHeap::Optimize() {
  ForEachSubHeap([](ovMemSubHeap* subHeap) { subHeap->Optimize(*ovRunTimeCache); });
}

// Tries attempt; then again after merging every free block; then again after
// adding a sub-heap big enough for size.
template <typename Attempt>
void* ovMemHeap::WithRetries(uint32_t size, Attempt attempt) {
  if (void* p = attempt()) return p;
  return RetryAfterMerging(size, attempt);
}

template <typename Attempt>
void* ovMemHeap::RetryAfterMerging(uint32_t size, Attempt attempt) {
  // Merging walks every block of every sub-heap; when no block was given
  // back since the last merge it cannot find anything new.
  if (ovRunTimeCache->releasesSinceMerge != 0) {
    ovRunTimeCache->Empty();
    Optimize();
    ovRunTimeCache->releasesSinceMerge = 0;
    if (void* p = attempt()) return p;
  }
  if (size > ovMemMaxRequest) return nullptr;
  uint32_t subHeapSize = ovMemDefaultSubHeapSize;
  if (size > kLargeRequest) subHeapSize = ((size + 15u) & ~15u) + ovMemDefaultSubHeapSize;
  if (!AllocateSubHeap(subHeapSize)) return nullptr;
  return attempt();
}

void* ovMemHeap::AllocAfterMerging(uint32_t size, int zero) {
  return RetryAfterMerging(size, [&] { return ovRunTimeCache->Alloc(size, zero); });
}

void* ovMemHeap::Alloc(uint32_t size, int zero, uint16_t ownerFlags) {
  Hold hold(*this);
  void* p = ovRunTimeCache->Alloc(size, zero);
  if (!p) p = AllocAfterMerging(size, zero);
  if (!p) return nullptr;
  ++liveCount;
  ++allocationCount;
  ovMemBlock* block = ovMemBlock::Of(p);
  block->flags = static_cast<uint16_t>(block->flags | (ownerFlags & 0xFF00));
  return p;
}

void* ovMemHeap::ReAlloc(void* p, uint32_t size) {
  Hold hold(*this);
  void* result = WithRetries(size, [&] { return ovRunTimeCache->ReAlloc(p, size); });
  if (result && !p) {
    ++liveCount;
    ++allocationCount;
  }
  return result;
}

void ovMemHeap::Free(void* p) {
  if (!p) return;
  Hold hold(*this);
  ovMemBlock* block = ovMemBlock::Of(p);
  if (!block->InUse()) ovMemCorrupted("a block was freed twice", p);
  if ((block->flags & ovMemFlagValue) && (block->flags & ovOutOfLineFlag(ovKindAt(p))))
    ovRunTimeCache->Free(ovVariablePart(p));
  ovRunTimeCache->Free(p);
  --liveCount;
}

void ovMemExhausted(uint32_t size) {
  std::fprintf(stderr, "velmaro: out of memory: the run-time heap cannot supply %u more bytes\n", size);
  std::_Exit(EXIT_FAILURE);
}

void ovMemCorrupted(const char* what, const void* where) {
  std::fprintf(stderr, "velmaro: run-time heap corrupted: %s (%p)\n", what, where);
  std::abort();
}

uint32_t ovMemGetBlockSize(const void* p) { return p ? ovMemBlock::Of(p)->Requested() : 0; }
