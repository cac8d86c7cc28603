// A message send against a C++ virtual call, both reaching a method defined
// two classes above the receiver's class, in the same run ("ratio" is send
// time / virtual call time); with and without the method cache. And the
// time RTHeader::Initialize takes to build the tables from the program's
// declarations.
#include <benchmark/benchmark.h>

#include <chrono>
#include <deque>
#include <string>
#include <vector>

#include "runtime/dispatch/dispatch.h"
#include "runtime/methods/kit.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"
#include "runtime/tables/method_cache.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"

namespace {

using Clock = std::chrono::steady_clock;

// Three classes of forty methods each, as framework classes have dozens;
// "Target" is defined only by the root.
constexpr int kMethodsPerClass = 40;

ovStatus answer(uint32_t, uint32_t nout, ovC_object* const*, ovC_object** const* out) {
  if (nout > 0) *out[0] = nullptr;
  return ovSuccess;
}

std::vector<ovMethodDeclaration> methodsNamed(const char* prefix, bool withTarget) {
  static std::deque<std::string> names;  // the declarations keep pointers
  std::vector<ovMethodDeclaration> methods;
  for (int i = 0; i < kMethodsPerClass; ++i) {
    names.push_back(std::string(prefix) + " method " + std::to_string(i));
    methods.push_back({names.back().c_str(), answer});
  }
  if (withTarget) methods.push_back({"Target", answer});
  return methods;
}

const ovClassDeclaration kRoot({.name = "Bench Root", .methods = methodsNamed("Root", true)});
const ovClassDeclaration kMiddle({.name = "Bench Middle", .superclass = "Bench Root", .methods = methodsNamed("Middle", false)});
const ovClassDeclaration kLeaf({.name = "Bench Leaf", .superclass = "Bench Middle", .methods = methodsNamed("Leaf", false)});
const ovMethodSelector kTarget("Target");
const ovClassName kLeafClass("Bench Leaf");

// The baseline: a virtual call the compiler cannot inline or guess. Base
// defines the method, Leaf inherits it two levels down, and another class
// overrides it so that the call stays indirect.
struct Base {
  virtual ~Base() = default;
  [[gnu::noinline]] virtual int target(int x) { return x + 1; }
};
struct Middle : Base {};
struct Leaf : Middle {};
struct Other : Base {
  [[gnu::noinline]] int target(int x) override { return x - 1; }
};

template <typename F>
double secondsFor(int count, F f) {
  auto start = Clock::now();
  for (int i = 0; i < count; ++i) f();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void SendVsVirtualCall(benchmark::State& state) {
  ovMethodCacheEnable(state.range(0) != 0);
  ovRunTimeStartup();
  RTHeader::Initialize();
  ovRef leaf = ovRef::adopt(ovMakeEmptyInstance(kLeafClass.record()));
  Leaf cppLeaf;
  Other other;
  Base* base = state.range(0) >= 0 ? static_cast<Base*>(&cppLeaf) : &other;
  benchmark::DoNotOptimize(base);
  constexpr int kBatch = 10000;
  double sendSeconds = 0, virtualSeconds = 0;
  for (auto _ : state) {
    sendSeconds += secondsFor(kBatch, [&] {
      ovC_object* in[] = {leaf.get()};
      ovC_object* result = nullptr;
      ovC_object** out[] = {&result};
      ovRoutine routine = UCLookupMethod(kTarget.number(), leaf.get());
      benchmark::DoNotOptimize(routine(1, 1, in, out));
    });
    virtualSeconds += secondsFor(kBatch, [&] {
      benchmark::DoNotOptimize(base);
      benchmark::DoNotOptimize(base->target(1));
    });
  }
  leaf.reset();
  RTHeader::Release();
  ovRunTimeShutdown();
  ovMethodCacheEnable(true);
  double calls = static_cast<double>(state.iterations()) * kBatch;
  state.counters["send_ns"] = sendSeconds / calls * 1e9;
  state.counters["virtual_ns"] = virtualSeconds / calls * 1e9;
  state.counters["ratio"] = sendSeconds / virtualSeconds;
}
BENCHMARK(SendVsVirtualCall)->ArgName("cache")->Arg(1)->Arg(0);

// The same send through the kit: inputs gathered, outputs owned.
void KitSend(benchmark::State& state) {
  ovRunTimeStartup();
  RTHeader::Initialize();
  ovRef leaf = ovRef::adopt(ovMakeEmptyInstance(kLeafClass.record()));
  for (auto _ : state) benchmark::DoNotOptimize(ov::send(kTarget, leaf).status);
  leaf.reset();
  RTHeader::Release();
  ovRunTimeShutdown();
}
BENCHMARK(KitSend);

void InitializeTables(benchmark::State& state) {
  ovRunTimeStartup();
  for (auto _ : state) RTHeader::Initialize();
  state.counters["classes"] = RTHeader::GetClassTable()->Count();
  state.counters["method_selectors"] = RTHeader::GetMethodSelectorTable()->Count();
  RTHeader::Release();
  ovRunTimeShutdown();
}
BENCHMARK(InitializeTables)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
