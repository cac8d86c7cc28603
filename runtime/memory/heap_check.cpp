#include "runtime/memory/heap_check.h"

#include <cstdio>
#include <set>

#include "runtime/memory/heap.h"

namespace {

std::string describe(const char* what, const void* where) {
  char text[160];
  std::snprintf(text, sizeof text, "%s at %p", what, where);
  return text;
}

// Walks one sub-heap; collects its blocks' addresses.
std::string checkSubHeap(ovMemSubHeap* subHeap, std::set<const ovMemBlock*>& freeBlocks) {
  uint64_t covered = 0;
  ovMemBlock* block = subHeap->FirstBlock();
  for (; !block->IsEnd(); block = block->Following()) {
    if (block->size % 16 != 0) return describe("block size not a multiple of 16", block);
    covered += block->size;
    if (covered > subHeap->size) return describe("blocks run past their sub-heap", block);
    if (block->InUse() && block->slack >= 16) return describe("in-use block with slack of 16 or more", block);
    if (!block->InUse()) freeBlocks.insert(block);
  }
  if (covered != subHeap->size) return describe("blocks do not fill their sub-heap", subHeap);
  return {};
}

std::string checkCache(const ovMemCache& cache, std::set<const ovMemBlock*>& freeBlocks) {
  size_t bytes = 0;
  uint32_t count = 0;
  for (int bin = 0; bin < 4; ++bin) {
    for (ovMemLink link = cache.bins[bin].head; link; link = ovMemElement::At(link)->next) {
      const ovMemBlock* block = ovMemBlock::Of(ovMemElement::At(link));
      if (freeBlocks.erase(block) != 1) return describe("listed block is not a free block of the heap", block);
      if (ovMemCache::WhichCache(block->size) != bin) return describe("free block in the wrong bin", block);
      bytes += block->size;
      ++count;
    }
  }
  if (bytes != cache.freeBytes || count != cache.freeBlocks) return "cache totals disagree with its lists";
  return {};
}

}  // namespace

std::string ovMemHeapCheck(const ovMemHeap& heap) {
  std::set<const ovMemBlock*> freeBlocks;
  std::string problem;
  heap.ForEachSubHeap([&](ovMemSubHeap* subHeap) {
    if (problem.empty()) problem = checkSubHeap(subHeap, freeBlocks);
  });
  if (problem.empty()) problem = checkCache(*ovRunTimeCache, freeBlocks);
  if (problem.empty() && !freeBlocks.empty()) problem = describe("free block missing from the cache", *freeBlocks.begin());
  return problem;
}
