// The run-time heap against the C library's allocator, and list growth.
//
// HeapVsMalloc times both allocators on the same pattern in the same run
// and reports heap time / malloc time as "ratio", in three states of the
// process: with a single thread; once another thread has existed, as in the
// real program (SDL starts threads that never touch the heap); and once
// another thread has used the heap too. The C library clears its
// single-thread flag for good when the first thread starts; from then on
// the heap and malloc both take their locks, the heap's biased to the
// thread that made it until another thread uses the heap. The threaded
// state cannot be left, so those benchmarks are registered last.
//
// ListAppend appends 10,000 and 100,000 elements one at a time in the same
// run and reports the cost per append at each size, their ratio, and the
// heap committed after the larger run against the live data: the bytes the
// list and its fresh elements ask for at their exact sizes.
//
// Times are the thread's CPU time, so that other work on a shared machine
// does not count.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <thread>

#include "runtime/memory/heap.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"

namespace {

constexpr int kBatch = 1000;
// Batches timed between two readings of the CPU clock, a system call that
// would otherwise weigh on the figures.
constexpr int kBatchesPerTiming = 20;

double threadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Allocates a batch of blocks, then frees them in the order they came, for
// kBatchesPerTiming batches.
template <typename Alloc, typename Free>
double timeBatches(Alloc alloc, Free release) {
  void* blocks[kBatch];
  double start = threadSeconds();
  for (int batch = 0; batch < kBatchesPerTiming; ++batch) {
    for (void*& b : blocks) b = alloc();
    for (void* b : blocks) release(b);
  }
  return threadSeconds() - start;
}

enum class Threads { None, Started, UsedTheHeap };

void HeapVsMalloc(benchmark::State& state, Threads threads) {
  if (threads != Threads::None) std::thread([] {}).join();
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
  if (threads == Threads::UsedTheHeap) std::thread([] { ovRunTimeHeap->Free(ovRunTimeHeap->Alloc(16, 1, 0)); }).join();
  // One untimed round each first, so that both are measured in steady state
  // with their free lists filled.
  timeBatches(heapAlloc, heapFree);
  timeBatches(libcAlloc, libcFree);
  double heapSeconds = 0, mallocSeconds = 0;
  for (auto _ : state) {
    double heap = timeBatches(heapAlloc, heapFree);
    double libc = timeBatches(libcAlloc, libcFree);
    heapSeconds += heap;
    mallocSeconds += libc;
    state.SetIterationTime(heap);
  }
  ovRunTimeShutdown();
  double pairs = static_cast<double>(state.iterations()) * kBatch * kBatchesPerTiming;
  state.counters["heap_ns"] = heapSeconds / pairs * 1e9;
  state.counters["malloc_ns"] = mallocSeconds / pairs * 1e9;
  state.counters["ratio"] = heapSeconds / mallocSeconds;
}

uint64_t committedBytes() {
  uint64_t total = 0;
  ovRunTimeHeap->ForEachSubHeap([&](ovMemSubHeap* s) { total += s->size; });
  return total;
}

struct AppendRun {
  double seconds;
  uint64_t committed;  // sub-heap bytes after the appends
  uint64_t live;       // bytes of the list and its fresh elements at exact size
};

// Appends count elements to one list on a run-time of its own, one Insert at
// a time. Each fresh integer is allocated right behind the list's elements;
// the shared value allocates nothing.
AppendRun appendElements(int count, bool freshIntegers) {
  ovRunTimeStartup();
  ovC_object* list = ovMakeList(0);
  double start = threadSeconds();
  for (int i = 0; i < count; ++i) ovListAppend(list, freshIntegers ? ovMakeInteger(i + 2) : ovMakeInteger(1), 0);
  AppendRun run{threadSeconds() - start, committedBytes(), 0};
  run.live = ovVariablePartOffset(ovKindList) + uint64_t{ovListGetLength(list)} * sizeof(ovC_object*);
  if (freshIntegers) run.live += uint64_t{ovMemGetBlockSize(ovListGetSlot(list, 0, 0))} * ovListGetLength(list);
  ovDecUse(list);
  ovRunTimeShutdown();
  return run;
}

void ListAppend(benchmark::State& state, bool freshIntegers) {
  constexpr int kSmall = 10000, kLarge = 100000;
  double smallSeconds = 0, largeSeconds = 0;
  AppendRun large{};
  for (auto _ : state) {
    // As many small runs as make up one large one, so that both sizes are
    // measured over the same stretch of time.
    double small = 0;
    for (int k = 0; k < kLarge / kSmall; ++k) small += appendElements(kSmall, freshIntegers).seconds;
    large = appendElements(kLarge, freshIntegers);
    smallSeconds += small;
    largeSeconds += large.seconds;
    state.SetIterationTime(large.seconds);
  }
  double runs = static_cast<double>(state.iterations()) * kLarge;
  state.counters["ns_per_append_10k"] = smallSeconds / runs * 1e9;
  state.counters["ns_per_append_100k"] = largeSeconds / runs * 1e9;
  state.counters["100k_vs_10k"] = largeSeconds / smallSeconds;
  state.counters["heap_bytes_100k"] = static_cast<double>(large.committed);
  state.counters["live_bytes_100k"] = static_cast<double>(large.live);
  state.counters["heap_vs_live"] = static_cast<double>(large.committed) / static_cast<double>(large.live);
}

}  // namespace

BENCHMARK_CAPTURE(HeapVsMalloc, single_thread, Threads::None)->Arg(16)->Arg(32)->Arg(48)->UseManualTime();
BENCHMARK_CAPTURE(ListAppend, fresh_integers, true)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(ListAppend, one_shared_value, false)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(HeapVsMalloc, threads_started, Threads::Started)->Arg(16)->Arg(32)->Arg(48)->UseManualTime();
BENCHMARK_CAPTURE(HeapVsMalloc, heap_shared, Threads::UsedTheHeap)->Arg(16)->Arg(32)->Arg(48)->UseManualTime();

BENCHMARK_MAIN();
