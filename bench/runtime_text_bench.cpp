// Throughput of the value text parser and printer on generated value texts
// of 1 MB and 10 MB, and the cost of cloning a large list with shared
// sub-lists.
//
// Each parse and print benchmark also times the same operation on the 1 MB
// text in the same run and reports the ratio (linear scaling gives 10 for
// the 10 MB text) of the best times once the heap has grown (vs_1MB) and of
// the very first runs on a new run-time (first_vs_1MB), which include the
// heap's growth. The clone benchmark reports its best time against that of
// a shallow copy of the same list (vs_copy).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "runtime/parser/from_string.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/copy.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/unparse.h"
#include "runtime/values/value_ref.h"

namespace {

constexpr size_t kMegabyte = 1 << 20;

// Appends one random element: an integer, a real, a text, a point, or a list
// of such elements nested at most depth deep.
void appendElement(std::string& out, std::mt19937& random, int depth) {
  switch (random() % (depth > 0 ? 6 : 5)) {
    case 0:
    case 1: out += std::to_string(static_cast<int32_t>(random() % 2000000) - 1000000); break;
    case 2: out += std::to_string(random() % 100000) + "." + std::to_string(random() % 1000 + 1); break;
    case 3: out += random() % 4 ? "\"word " + std::to_string(random() % 1000) + "\"" : "\"say \"\"hi\"\"\""; break;
    case 4: out += "{ " + std::to_string(random() % 1000) + " " + std::to_string(random() % 1000) + " }"; break;
    default:
      out += "(";
      for (uint32_t n = random() % 6; n > 0; --n) {
        out += ' ';
        appendElement(out, random, depth - 1);
      }
      out += " )";
  }
}

// A list of random elements, size bytes long or a little more: a list of
// lists of a thousand elements each, so that no single list grows huge.
std::string valueText(size_t size) {
  std::mt19937 random(static_cast<uint32_t>(size));
  std::string text = "(";
  while (text.size() < size) {
    text += " (";
    for (int n = 0; n < 1000 && text.size() < size; ++n) {
      text += ' ';
      appendElement(text, random, 4);
    }
    text += " )";
  }
  return text + " )";
}

const std::string& textOf(int64_t megabytes) {
  static const std::string one = valueText(kMegabyte);
  static const std::string ten = valueText(10 * kMegabyte);
  return megabytes == 1 ? one : ten;
}

// Each benchmark runs on a run-time of its own, so that what one leaves in
// the heap does not weigh on the next.
class RunTimeSession {
 public:
  RunTimeSession() { ovRunTimeStartup(); }
  ~RunTimeSession() { ovRunTimeShutdown(); }
  RunTimeSession(const RunTimeSession&) = delete;
  RunTimeSession& operator=(const RunTimeSession&) = delete;
};

ovRef textValue(const std::string& source) {
  return ovRef::adopt(ovMakeTextFromString(source.data(), static_cast<uint32_t>(source.size())));
}

ovRef parse(ovC_object* text) {
  ovC_object* value = nullptr;
  uint32_t errorOffset = 0;
  if (ovFromString(text, &value, &errorOffset)) std::abort();
  return ovRef::adopt(value);
}

ovRef print(ovC_object* value) {
  ovC_object* out = nullptr;
  ovUnparse(value, &out);
  return ovRef::adopt(out);
}

// Seconds that operation takes to make its result; releasing the result is
// not timed.
template <typename Operation>
double secondsFor(Operation operation) {
  auto start = std::chrono::steady_clock::now();
  ovRef result = operation();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  benchmark::DoNotOptimize(result.get());
  return seconds;
}

// The best of five timings, as the same-run baseline.
template <typename Operation>
double bestOfFive(Operation operation) {
  double best = secondsFor(operation);
  for (int i = 0; i < 4; ++i) best = std::min(best, secondsFor(operation));
  return best;
}

// The time of the very first run of the operation that prepare(megabytes)
// gives, on a run-time of its own: the heap still has to grow.
template <typename Prepare>
double firstRunSeconds(Prepare prepare, int64_t megabytes) {
  RunTimeSession session;
  auto operation = prepare(megabytes);
  return secondsFor(operation);
}

// Times the operation on the text of state's size against the same
// operation on the 1 MB text: the best of the runs once the heap has grown
// to the working size (vs_1MB), and the very first runs (first_vs_1MB).
template <typename Prepare>
void timeAgainstOneMegabyte(benchmark::State& state, Prepare prepare) {
  int64_t megabytes = state.range(0);
  double firstRatio = firstRunSeconds(prepare, megabytes) / firstRunSeconds(prepare, 1);
  RunTimeSession session;
  auto small = prepare(1);
  auto large = prepare(megabytes);
  secondsFor(large);
  double baseline = bestOfFive(small);
  double best = 1e9;
  for (auto _ : state) {
    double seconds = secondsFor(large);
    state.SetIterationTime(seconds);
    best = std::min(best, seconds);
  }
  state.counters["vs_1MB"] = best / baseline;
  state.counters["first_vs_1MB"] = firstRatio;
  state.counters["MB/s"] = static_cast<double>(textOf(megabytes).size()) / 1e6 / best;
}

void BM_Parse(benchmark::State& state) {
  timeAgainstOneMegabyte(state, [](int64_t megabytes) {
    ovRef text = textValue(textOf(megabytes));
    return [text] { return parse(text.get()); };
  });
}

void BM_Print(benchmark::State& state) {
  timeAgainstOneMegabyte(state, [](int64_t megabytes) {
    ovRef value = parse(textValue(textOf(megabytes)).get());
    return [value] { return print(value.get()); };
  });
}

// 100 000 elements: integers and 1 000 sub-lists of ten integers each, every
// sub-list held fifty times.
ovRef listWithSharedSubLists() {
  std::vector<ovRef> subLists;
  for (int i = 0; i < 1000; ++i) {
    ovRef sub = ovRef::adopt(ovMakeList(0));
    for (int k = 0; k < 10; ++k) ovListAppend(sub.get(), ovMakeInteger(i * 10 + k), 0);
    subLists.push_back(std::move(sub));
  }
  ovRef list = ovRef::adopt(ovMakeList(100000));
  for (uint32_t i = 0; i < 100000; ++i) {
    ovC_object* element = i % 2 ? ovIncUse(subLists[(i / 2) % 1000].get()) : ovMakeInteger(static_cast<int32_t>(i));
    ovListSetSlot(list.get(), i, 0, 0, element);
  }
  return list;
}

void BM_CloneSharedSubLists(benchmark::State& state) {
  RunTimeSession session;
  ovRef list = listWithSharedSubLists();
  double baseline = bestOfFive([&] { return ovRef::adopt(ovCopyObject(list.get())); });
  double best = 1e9;
  for (auto _ : state) {
    double seconds = secondsFor([&] { return ovRef::adopt(ovCloneObject(list.get())); });
    state.SetIterationTime(seconds);
    best = std::min(best, seconds);
  }
  state.counters["ms"] = best * 1e3;
  state.counters["vs_copy"] = best / baseline;
}

}  // namespace

BENCHMARK(BM_Parse)->Arg(1)->Arg(10)->ArgName("MB")->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Print)->Arg(1)->Arg(10)->ArgName("MB")->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_CloneSharedSubLists)->Unit(benchmark::kMillisecond)->UseManualTime();

BENCHMARK_MAIN();
