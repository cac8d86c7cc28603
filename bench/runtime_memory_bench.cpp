// The run-time heap against the C library's allocator, and list growth.
//
// HeapVsMalloc times both allocators on the same pattern in the same run
// and reports heap time / malloc time as "ratio". ListAppend reports the
// time per append and the heap's committed bytes (sub-heaps) after the
// appends, so that the growth of both is visible between the two sizes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "runtime/memory/heap.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBatch = 1000;

// Allocates a batch of blocks, then frees them in the order they came.
template <typename Alloc, typename Free>
double timeBatch(Alloc alloc, Free release) {
  void* blocks[kBatch];
  auto start = Clock::now();
  for (void*& b : blocks) b = alloc();
  for (void* b : blocks) release(b);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void HeapVsMalloc(benchmark::State& state) {
  auto size = static_cast<uint32_t>(state.range(0));
  auto heapAlloc = [&] { return ovRunTimeHeap->Alloc(size, 1, ovMemFlagValue); };
  auto heapFree = [](void* p) { ovRunTimeHeap->Free(p); };
  auto libcAlloc = [&] {
    void* p = std::malloc(size);
    benchmark::DoNotOptimize(p);
    return p;
  };
  auto libcFree = [](void* p) { std::free(p); };
  ovRunTimeStartup();
  // One untimed batch each first, so that both are measured in steady state
  // with their free lists filled.
  timeBatch(heapAlloc, heapFree);
  timeBatch(libcAlloc, libcFree);
  double heapSeconds = 0, mallocSeconds = 0;
  for (auto _ : state) {
    double heap = timeBatch(heapAlloc, heapFree);
    double libc = timeBatch(libcAlloc, libcFree);
    heapSeconds += heap;
    mallocSeconds += libc;
    state.SetIterationTime(heap);
  }
  ovRunTimeShutdown();
  double pairs = static_cast<double>(state.iterations()) * kBatch;
  state.counters["heap_ns"] = heapSeconds / pairs * 1e9;
  state.counters["malloc_ns"] = mallocSeconds / pairs * 1e9;
  state.counters["ratio"] = heapSeconds / mallocSeconds;
}
BENCHMARK(HeapVsMalloc)->Arg(16)->Arg(32)->Arg(48)->UseManualTime();

uint64_t committedBytes() {
  uint64_t total = 0;
  ovRunTimeHeap->ForEachSubHeap([&](ovMemSubHeap* s) { total += s->size; });
  return total;
}

// Appends count elements to one list, one Insert at a time. With fresh
// integers each new element is allocated right behind the list's elements,
// which then cannot grow in place; with one shared value nothing is.
void ListAppend(benchmark::State& state, bool freshIntegers) {
  auto count = static_cast<int>(state.range(0));
  uint64_t committed = 0;
  double appendSeconds = 0;
  for (auto _ : state) {
    ovRunTimeStartup();
    ovC_object* list = ovMakeList(0);
    auto start = Clock::now();
    for (int i = 0; i < count; ++i) ovListAppend(list, freshIntegers ? ovMakeInteger(i + 2) : ovMakeInteger(1), 0);
    appendSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    committed = committedBytes();
    ovDecUse(list);
    ovRunTimeShutdown();
  }
  state.counters["ns_per_append"] = appendSeconds / (static_cast<double>(state.iterations()) * count) * 1e9;
  state.counters["heap_bytes"] = static_cast<double>(committed);
}
BENCHMARK_CAPTURE(ListAppend, fresh_integers, true)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListAppend, one_shared_value, false)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
