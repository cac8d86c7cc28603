#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "runtime/memory/arena.h"
#include "runtime/memory/heap.h"
#include "runtime/memory/heap_check.h"
#include "runtime/memory/low_memory.h"
#include "runtime/memory/words.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime_fixture.h"

namespace {

// A heap of its own with one sub-heap of 0x1000 bytes, or of a size the test
// chooses, and a fresh cache.
class SmallHeap : public ::testing::Test {
 protected:
  void SetUp() override { Make(0x1000); }
  void Make(uint32_t firstSubHeap) {
    Drop();
    ovRunTimeCache = new ovMemCache;
    heap_ = new ovMemHeap(firstSubHeap);
  }
  void TearDown() override {
    EXPECT_EQ(ovMemHeapCheck(*heap_), "");
    Drop();
  }
  void Drop() {
    delete heap_;
    delete ovRunTimeCache;
    ovRunTimeCache = nullptr;
  }
  ovMemHeap* heap_ = nullptr;
};

}  // namespace

TEST_F(SmallHeap, RequestsRoundToSixteenByteBlocksWithAnEightByteHeader) {
  std::vector<void*> blocks;
  for (auto [request, block] : {std::pair{1u, 16u}, std::pair{8u, 16u}, std::pair{9u, 32u}}) {
    blocks.push_back(heap_->Alloc(request, 1, 0));
    EXPECT_EQ(ovMemBlock::Of(blocks.back())->size, block) << request;
    EXPECT_EQ(ovMemGetBlockSize(blocks.back()), request);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(blocks.back()) % 8, 0u);
  }
  EXPECT_EQ(ovMemGetBlockSize(nullptr), 0u);
  EXPECT_EQ(heap_->LiveCount(), 3u);
  for (void* p : blocks) heap_->Free(p);
  EXPECT_EQ(heap_->LiveCount(), 0u);
  EXPECT_EQ(heap_->AllocationCount(), 3u) << "freed allocations still count";
}

TEST_F(SmallHeap, FreedSmallBlockIsReusedFromItsBin) {
  void* a = heap_->Alloc(24, 1, 0);
  void* keep = heap_->Alloc(100, 1, 0);
  heap_->Free(a);
  EXPECT_EQ(ovRunTimeCache->bins[2].head, ovMemLinkOf(a));
  void* b = heap_->Alloc(20, 1, 0);
  EXPECT_EQ(b, a);
  EXPECT_TRUE(ovRunTimeCache->bins[2].IsEmpty());
  for (void* p : {b, keep}) heap_->Free(p);
}

TEST_F(SmallHeap, BestFitCutsALargerBlockAndKeepsTheRest) {
  Make(256);
  void* p = heap_->Alloc(100, 1, 0);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ovMemBlock::Of(p)->size, 112u);
  EXPECT_EQ(ovRunTimeCache->freeBlocks, 1u);
  EXPECT_EQ(ovRunTimeCache->freeBytes, 144u);
  ovMemBlock* rest = ovMemBlock::Of(ovMemElement::At(ovRunTimeCache->bins[0].head));
  EXPECT_EQ(rest->size, 144u);
  EXPECT_EQ(rest, ovMemBlock::Of(p)->Following());
  heap_->Free(p);
}

TEST_F(SmallHeap, ExactFitInBinZeroIsTakenBeforeASmallerLargerOne) {
  void* a = heap_->Alloc(200, 1, 0);  // 208-byte block
  void* gap1 = heap_->Alloc(8, 1, 0);
  void* b = heap_->Alloc(100, 1, 0);  // 112-byte block
  void* gap2 = heap_->Alloc(8, 1, 0);
  heap_->Free(a);
  heap_->Free(b);
  // 100 bytes fits both free blocks; the exact 112 wins over the big tail.
  EXPECT_EQ(heap_->Alloc(100, 1, 0), b);
  // 150 bytes (160) takes the smallest larger block: the 208 one.
  EXPECT_EQ(heap_->Alloc(150, 1, 0), a);
  for (void* p : {a, b, gap1, gap2}) heap_->Free(p);
}

TEST_F(SmallHeap, LargeRequestAddsASubHeapOfItsSizePlusTheDefault) {
  void* big = heap_->Alloc(0x50000, 0, 0);
  ASSERT_NE(big, nullptr);
  uint32_t sizes[2] = {};
  int count = 0;
  heap_->ForEachSubHeap([&](ovMemSubHeap* s) { sizes[count++] = s->size; });
  ASSERT_EQ(count, 2);
  EXPECT_EQ(sizes[0], 0x90000u);  // newest first
  EXPECT_EQ(sizes[1], 0x1000u);
  heap_->Free(big);
}

// The arena capped below what a new sub-heap needs: the request fails
// without a trace in the heap, and succeeds once the cap is lifted.
TEST_F(SmallHeap, ARequestTheArenaCannotSupplyAnswersNullAndLeavesTheHeapWhole) {
  uint32_t live = heap_->LiveCount();
  ovMemArenaSetLimit(1);
  EXPECT_EQ(heap_->Alloc(0x50000, 0, 0), nullptr);
  EXPECT_EQ(heap_->ReAlloc(nullptr, 0x50000), nullptr);
  ovMemArenaSetLimit(0);
  EXPECT_EQ(heap_->Alloc(ovMemMaxRequest + 1, 0, 0), nullptr);
  EXPECT_EQ(heap_->ReAlloc(nullptr, ovMemMaxRequest + 1), nullptr);
  EXPECT_EQ(heap_->LiveCount(), live);
  void* big = heap_->ReAlloc(nullptr, 0x50000);
  EXPECT_NE(big, nullptr);
  EXPECT_EQ(heap_->LiveCount(), live + 1) << "growing nothing makes a block";
  heap_->Free(big);
  heap_->Free(nullptr);
  EXPECT_EQ(ovMemDuplicate(nullptr), nullptr);
}

TEST_F(SmallHeap, MergingFreedNeighboursSatisfiesARequestNoSingleBlockCould) {
  Make(0x100);
  void* a = heap_->Alloc(56, 1, 0);  // 64
  void* b = heap_->Alloc(56, 1, 0);  // 64
  void* c = heap_->Alloc(120, 1, 0);  // 128: the sub-heap is full
  heap_->Free(a);
  heap_->Free(b);
  uint32_t subHeaps = 0;
  // 120 bytes needs 128: only the merged a+b can hold it without a new sub-heap.
  void* d = heap_->Alloc(120, 1, 0);
  heap_->ForEachSubHeap([&](ovMemSubHeap*) { ++subHeaps; });
  EXPECT_EQ(d, a);
  EXPECT_EQ(subHeaps, 1u);
  for (void* p : {c, d}) heap_->Free(p);
}

// A region a heap gave back is taken again, whole or in part, by the next
// sub-heap that fits in it.
TEST_F(SmallHeap, ARegionGivenBackIsUsedAgain) {
  auto firstRegion = [](const ovMemHeap& h) {
    ovMemSubHeap* first = nullptr;
    h.ForEachSubHeap([&](ovMemSubHeap* s) { first = s; });
    return first;
  };
  auto given = std::make_unique<ovMemHeap>(0x8000);
  ovMemSubHeap* region = firstRegion(*given);
  given.reset();
  given = std::make_unique<ovMemHeap>(0x8000);
  EXPECT_EQ(firstRegion(*given), region);
  given.reset();
  EXPECT_EQ(firstRegion(ovMemHeap(0x1000)), region);
  heap_->Optimize();  // a heap going away empties the shared cache; the failure path lists the blocks again
}

// Each kind of damage is named; the damage is undone before the next.
TEST_F(SmallHeap, TheCheckNamesWhatIsDamaged) {
  void* p = heap_->Alloc(100, 1, 0);
  ovMemBlock* used = ovMemBlock::Of(p);
  ovMemBlock* rest = used->Following();  // the free rest, in bin 0
  ovMemCache& cache = *ovRunTimeCache;
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[&] { used->size += 8; }, "block size not a multiple of 16"},
      {[&] { used->size += 0x10000; }, "blocks run past their sub-heap"},
      {[&] { used->slack = 16; }, "in-use block with slack of 16 or more"},
      {[&] { rest->size = 0; }, "blocks do not fill their sub-heap"},
      {[&] { rest->flags |= ovMemFlagInUse; }, "listed block is not a free block of the heap"},
      {[&] { std::swap(cache.bins[0], cache.bins[1]); }, "free block in the wrong bin"},
      {[&] { cache.freeBytes += 16; }, "cache totals disagree with its lists"},
      {[&] { cache = ovMemCache{}; }, "free block missing from the cache"},
  };
  for (const auto& [damage, problem] : cases) {
    const ovMemBlock usedWas = *used, restWas = *rest;
    const ovMemCache cacheWas = cache;
    damage();
    EXPECT_NE(ovMemHeapCheck(*heap_).find(problem), std::string::npos) << problem;
    *used = usedWas;
    *rest = restWas;
    cache = cacheWas;
  }
  heap_->Free(p);
}

// Shrunk and grown again in place, then moved because a block follows it.
TEST_F(SmallHeap, APlainBlockResizedKeepsItsBytesAndItsFlagsAndReadsZeroBeyondThem) {
  auto* p = static_cast<unsigned char*>(heap_->Alloc(64, 0, 0x0100));
  std::memset(p, 0xAB, 64);
  void* wall = heap_->Alloc(8, 1, 0);
  ASSERT_EQ(heap_->ReAlloc(p, 10), p);
  ASSERT_EQ(heap_->ReAlloc(p, 64), p);
  auto* q = static_cast<unsigned char*>(heap_->ReAlloc(p, 200));
  ASSERT_NE(q, p);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(q[i], i < 10 ? 0xAB : 0) << i;
  EXPECT_EQ(ovMemBlock::Of(q)->flags & 0xFF00, 0x0100);
  EXPECT_EQ(heap_->LiveCount(), 2u);
  for (void* block : {static_cast<void*>(q), wall}) heap_->Free(block);
}

TEST_F(RuntimeTest, ListGrowsInPlaceWhileTheNextBlockIsFreeElseMovesOnlyItsElements) {
  // Elements made first, so that nothing is allocated behind the list.
  ovC_object* elements[120];
  for (int i = 0; i < 120; ++i) elements[i] = ovMakeInteger(100 + i);
  ovC_list* list = ovAs<ovC_list>(ovMakeList(3));
  ovMemBlock* block = ovMemBlock::Of(list);
  EXPECT_EQ(block->size, 48u);  // 16 + 3 * 8 + header, rounded
  // The block after the list is the free rest of the sub-heap: growth stays
  // in place.
  for (int i = 0; i < 10; ++i) ovListAppend(list, elements[i], 0);
  EXPECT_EQ(block->flags & ovMemFlagListOutOfLine, 0);
  EXPECT_GE(list->Capacity(), 13u);
  EXPECT_EQ(block->size, ovMemBlockSizeFor(16 + list->Capacity() * 8));

  // A value right after the list stops in-place growth: once the room is
  // used up the elements move, the header stays, and the list says so in
  // its flags.
  ovC_object* wall = ovMakeReal(1.5);
  ASSERT_EQ(ovMemBlock::Of(wall), block->Following());
  int appended = 10;
  while (list->length < list->Capacity()) ovListAppend(list, elements[appended++], 0);
  EXPECT_EQ(block->flags & ovMemFlagListOutOfLine, 0);
  ovListAppend(list, elements[appended++], 0);
  EXPECT_NE(block->flags & ovMemFlagListOutOfLine, 0);
  EXPECT_EQ(block->size, 32u);
  ASSERT_EQ(list->length, 3u + appended);
  EXPECT_EQ(list->GetNth(3, 0), elements[0]);
  EXPECT_EQ(list->GetNth(list->length - 1, 0), elements[appended - 1]);
  // The out-of-line part grows or moves again as needed.
  for (int i = appended; i < 120; ++i) ovListAppend(list, elements[i], 0);
  for (int i = 0; i < 120; ++i) ASSERT_EQ(list->GetNth(3 + i, 0), elements[i]) << i;
  ovDecUse(list);
  ovDecUse(wall);
}

// First while the heap is biased to the thread that made it, then once
// another thread has used it.
TEST_F(RuntimeTest, HoldingTheHeapKeepsOtherThreadsOutButNotTheHolder) {
  for (int round = 0; round < 2; ++round) {
    ovRunTimeHeap->LockMutex();
    void* mine = ovRunTimeHeap->Alloc(24, 1, 0);
    ASSERT_NE(mine, nullptr);
    std::atomic<bool> otherDone{false};
    std::thread other([&] {
      ovRunTimeHeap->Free(ovRunTimeHeap->Alloc(24, 1, 0));
      otherDone = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(otherDone) << "round " << round;
    ovRunTimeHeap->Free(mine);
    ovRunTimeHeap->UnlockMutex();
    other.join();
    EXPECT_TRUE(otherDone);
  }
}

TEST(MemoryWords, CopyMoveAndSetWorkOnWholeWords) {
  uint32_t a[4] = {1, 2, 3, 4};
  uint32_t b[4] = {};
  ovMemCopy(b, a, 11);  // two whole words
  EXPECT_EQ(b[0], 1u);
  EXPECT_EQ(b[1], 2u);
  EXPECT_EQ(b[2], 0u);
  ovMemMove(a + 1, a, 12);
  EXPECT_EQ(a[1], 1u);
  EXPECT_EQ(a[3], 3u);
  ovMemSet(b, 16, 0xDEADBEEF);
  EXPECT_EQ(b[3], 0xDEADBEEFu);
}

TEST(LowMemory, BlocksAreZeroFilledAndGrowZeroFilled) {
  auto* p = static_cast<unsigned char*>(ovLowMemReAlloc(nullptr, 10));  // growing nothing makes a block
  EXPECT_EQ(ovLowMemBlockSize(p), 10u);
  EXPECT_EQ(ovLowMemBlockSize(nullptr), 0u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(p[i], 0);
  std::memset(p, 7, 10);
  p = static_cast<unsigned char*>(ovLowMemReAlloc(p, 5000));
  EXPECT_EQ(p[9], 7);
  EXPECT_EQ(p[10], 0);
  EXPECT_EQ(p[4999], 0);
  EXPECT_EQ(ovLowMemCompareBlocks(p, p, 5000), 1);
  unsigned char other[3] = {7, 7, 8};
  EXPECT_EQ(ovLowMemCompareBlocks(p, other, 3), 0);
  EXPECT_EQ(ovLowMemCopyBlock(other, p, -1), other);
  EXPECT_EQ(other[2], 8);
  ovLowMemCopyBlock(other + 1, p + 10, 2);
  EXPECT_EQ(other[2], 0);
  ovLowMemFree(p);
  ovLowMemFree(nullptr);
}

TEST(LowMemory, HandleKeepsItsIdentityWhileItsBlockMoves) {
  ovHandle h = ovHandle_New(4);
  ASSERT_NE(h, nullptr);
  std::memcpy(*h, "abc", 4);
  ASSERT_TRUE(ovHandle_SetSize(h, 100000));
  EXPECT_STREQ(static_cast<char*>(*h), "abc");
  EXPECT_EQ(ovHandle_GetSize(h), 100000u);
  EXPECT_EQ(ovHandle_GetSize(nullptr), 0u);
  EXPECT_FALSE(ovHandle_SetSize(nullptr, 4));
  ovHandle_Dispose(h);
  ovHandle_Dispose(nullptr);
}

TEST(HeapExhaustion, EndsTheProcessWithAMessage) {
  EXPECT_EXIT(
      {
        ovMemArenaSetLimit(0x80000);
        ovRunTimeStartup();
        for (;;) ovMakeList(10000);
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "out of memory");
}

TEST(HeapMisuse, FreeingABlockTwiceStopsTheProcessInsteadOfCorruptingTheHeap) {
  EXPECT_DEATH(
      {
        ovRunTimeStartup();
        void* p = ovRunTimeHeap->Alloc(24, 1, 0);
        ovRunTimeHeap->Free(p);
        ovRunTimeHeap->Free(p);
      },
      "freed twice");
}

#if defined(VELMARO_SANITIZE)
// The sanitizer build marks slack and free blocks as unaddressable, so an
// overrun inside the run-time heap is caught like one in the C library's.
TEST(HeapMisuse, SanitizerCatchesAWritePastAValue) {
  EXPECT_DEATH(
      {
        ovRunTimeStartup();
        auto* text = ovAs<ovC_text>(ovMakeText("abcdefghij"));  // 27 bytes in a 48-byte block
        volatile char* past = text->Chars() + 12;
        *past = 'x';
      },
      "use-after-poison");
}

TEST(HeapMisuse, SanitizerCatchesAReadOfAFreedValue) {
  EXPECT_DEATH(
      {
        ovRunTimeStartup();
        auto* list = ovAs<ovC_list>(ovMakeList(4));
        ovC_object** elements = list->Elements();
        ovDecUse(list);
        ovC_object* volatile stale = elements[2];
        (void)stale;
      },
      "use-after-poison");
}
#endif
