// The archive on a block shaped like the program's: about 550 items and
// 12 KB of instances, texts, lists, integers, points, colours and rects.
// Decoding (DBFromBytes, then releasing the graph), encoding (DBToBytes) and
// dumping to the text form (ovDumpArchive) are each timed against a deep
// clone of the same graph in the same run (vs_clone), which makes about as
// many objects as a decode.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/archive/from_bytes.h"
#include "runtime/archive/record_reader.h"
#include "runtime/archive/to_bytes.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"
#include "runtime/values/copy.h"
#include "runtime/values/instance.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"
#include "tools/archive/archive_text.h"

namespace {

class Session {
 public:
  Session() {
    ovRunTimeStartup();
    RTHeader::Initialize();
  }
  ~Session() {
    RTHeader::Release();
    ovRunTimeShutdown();
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
};

ovRef text(const std::string& s) {
  return ovRef::adopt(ovMakeTextFromString(s.data(), static_cast<uint32_t>(s.size())));
}

ovRef instance(const char* className, std::initializer_list<std::pair<uint32_t, ovRef>> slots) {
  RTClass* cls = nullptr;
  RTHeader::GetClassTable()->FindClassByName(text(className).get(), &cls);
  ovRef made = ovRef::adopt(ovMakeEmptyInstance(cls));
  for (const auto& [slot, value] : slots) ovInstanceSetSlot(made.get(), slot, 0, 1, value.get());
  return made;
}

ovRef integer(int32_t n) { return ovRef::adopt(ovMakeInteger(n)); }
ovRef colour(int n) { return ovRef::adopt(ovMakeRGB(static_cast<uint16_t>(n * 257), 0, 65535)); }

// One item of a window, in 18 archive items: a graphic item with its name,
// frame, number and flags, a border with its pen, and a text graphic with
// its font.
ovRef windowItem(int n) {
  std::string name = "Item " + std::to_string(n);
  ovRef pen =
      instance("Pen", {{1, ovRef::adopt(ovMakePointWin(1, 1))}, {3, integer(13)}, {4, colour(n)}, {5, colour(255)}});
  ovRef border = instance("Regular Border", {{1, pen}});
  ovRef style = ovRef::adopt(ovMakeList(0));
  ovListAppend(style.get(), integer(400).get(), 1);
  ovRef font = instance("Font", {{1, text("MS Sans Serif")}, {3, integer(8)}, {4, style}, {5, colour(0)}});
  ovRef graphic = instance("Text", {{1, font}, {2, text(std::to_string(n * 61))}});
  return instance("Graphic Item", {{1, text(name)},
                                   {2, ovRef::adopt(ovMakeRectMac(n, 2 * n, n + 20, 2 * n + 60))},
                                   {3, ovRef::adopt(ovMakeBoolean(1))},
                                   {6, border},
                                   {11, integer(76 + n)},
                                   {13, graphic}});
}

ovRef programLikeGraph() {
  ovRef items = ovRef::adopt(ovMakeList(0));
  for (int n = 0; n < 30; ++n) ovListAppend(items.get(), windowItem(n).get(), 1);
  ovRef root = ovRef::adopt(ovMakeList(0));
  ovListAppend(root.get(), items.get(), 1);
  return root;
}

template <typename Operation>
double secondsFor(Operation operation) {
  auto start = std::chrono::steady_clock::now();
  operation();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename Operation>
double bestOf(int runs, Operation operation) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) best = std::min(best, secondsFor(operation));
  return best;
}

// Times operation, reports microseconds per run and the ratio to the best
// clone of the graph.
template <typename Operation>
void timeAgainstClone(benchmark::State& state, ovC_object* graph, const std::vector<unsigned char>& block,
                      Operation operation) {
  double clone = bestOf(200, [&] { ovDecUse(ovCloneObject(graph)); });
  double best = 1e9;
  for (auto _ : state) {
    double seconds = secondsFor(operation);
    state.SetIterationTime(seconds);
    best = std::min(best, seconds);
  }
  state.counters["us"] = best * 1e6;
  state.counters["vs_clone"] = best / clone;
  state.counters["bytes"] = static_cast<double>(block.size());
  state.counters["items"] = DBRecordReader(block.data(), block.size()).ItemCount();
}

struct Fixture {
  Session session;
  ovRef graph = programLikeGraph();
  std::vector<unsigned char> block;
  Fixture() {
    if (DBToBytes(graph.get(), 0, &block) != DBEncoded) std::abort();
  }
};

void BM_Decode(benchmark::State& state) {
  Fixture f;
  timeAgainstClone(state, f.graph.get(), f.block, [&] {
    ovC_object* root = nullptr;
    DBFromBytes(f.block.data(), f.block.size(), &root);
    ovDecUse(root);
  });
}

void BM_Encode(benchmark::State& state) {
  Fixture f;
  std::vector<unsigned char> out;
  timeAgainstClone(state, f.graph.get(), f.block, [&] { DBToBytes(f.graph.get(), 0, &out); });
}

void BM_Dump(benchmark::State& state) {
  Fixture f;
  std::string text, error;
  timeAgainstClone(state, f.graph.get(), f.block,
                   [&] { ovDumpArchive(f.block.data(), f.block.size(), &text, &error); });
}

}  // namespace

BENCHMARK(BM_Decode)->Unit(benchmark::kMicrosecond)->UseManualTime();
BENCHMARK(BM_Encode)->Unit(benchmark::kMicrosecond)->UseManualTime();
BENCHMARK(BM_Dump)->Unit(benchmark::kMicrosecond)->UseManualTime();
BENCHMARK_MAIN();
