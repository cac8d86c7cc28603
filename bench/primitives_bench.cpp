// The bridges of a method into and out of the platform, each against a
// direct call of the same routine measured in the same run ("ratio" is
// bridge time / direct time):
//  - a window message through a callback entry, which makes four integer
//    values and converts the output, against the routine called with four
//    integers made beforehand;
//  - a call by name (call_prim_internal: name parsed and looked up, inputs
//    laid out, outputs gathered in a list) against the routine called with
//    the same inputs.
#include <benchmark/benchmark.h>

#include <chrono>

#include "runtime/externals/call_by_name.h"
#include "runtime/externals/callback.h"
#include "runtime/methods/kit.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBatch = 10000;

// A window procedure's typical work for a message it does not handle: read
// the message number, answer an integer.
ovStatus windowProcedure(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeInteger(ovGetInteger(a[1]) == WM_PAINT ? 1 : 0)));
  return ovSuccess;
}

ovStatus echo(const ov::Args& a) {
  for (uint32_t i = 0; i < a.outputCount(); ++i) a.put(i, a[i]);
  return ovSuccess;
}

const ovUniversalDeclaration kWindowProcedure("Bench Window Procedure", ov::routine<windowProcedure>);
const ovUniversalDeclaration kEcho("Bench Echo", ov::routine<echo>);

template <typename F>
double secondsFor(F f) {
  auto start = Clock::now();
  for (int i = 0; i < kBatch; ++i) f();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void report(benchmark::State& state, double bridgeSeconds, double directSeconds) {
  double calls = static_cast<double>(state.iterations()) * kBatch;
  state.counters["bridge_ns"] = bridgeSeconds / calls * 1e9;
  state.counters["direct_ns"] = directSeconds / calls * 1e9;
  state.counters["ratio"] = bridgeSeconds / directSeconds;
}

void CallbackVsDirectCall(benchmark::State& state) {
  ovRunTimeStartup();
  RTHeader::Initialize();
  ovC_object* entryPointer = nullptr;
  CallBack(ovRef::adopt(ovMakeText("Bench Window Procedure")).get(), &entryPointer);
  auto entry = reinterpret_cast<WNDPROC>(ovAs<ovC_pointer>(entryPointer)->address);
  ovRoutine routine = ov::routine<windowProcedure>;
  ovRef inputs[] = {ovRef::adopt(ovMakeInteger(0x10002)), ovRef::adopt(ovMakeInteger(WM_MOUSEMOVE)),
                    ovRef::adopt(ovMakeInteger(1)), ovRef::adopt(ovMakeInteger(0x00200030))};
  ovC_object* in[] = {inputs[0].get(), inputs[1].get(), inputs[2].get(), inputs[3].get()};
  double bridge = 0, direct = 0;
  for (auto _ : state) {
    bridge += secondsFor([&] {
      benchmark::DoNotOptimize(entry(reinterpret_cast<HWND>(uintptr_t{0x10002}), WM_MOUSEMOVE, 1, 0x00200030));
    });
    direct += secondsFor([&] {
      ovC_object* output = nullptr;
      ovC_object** out[] = {&output};
      benchmark::DoNotOptimize(routine(4, 1, in, out));
      ovDecUse(output);
    });
  }
  for (ovRef& v : inputs) v.reset();
  ovDecUse(entryPointer);
  RTHeader::Release();
  ovRunTimeShutdown();
  report(state, bridge, direct);
}
BENCHMARK(CallbackVsDirectCall);

void CallByNameVsDirectCall(benchmark::State& state) {
  ovRunTimeStartup();
  RTHeader::Initialize();
  ovRef name = ovRef::adopt(ovMakeText("Bench Echo"));
  ovRef list = ovRef::adopt(ovMakeList(0));
  ovListAppend(list.get(), ovMakeInteger(5), 0);
  ovListAppend(list.get(), ovMakeText("five"), 0);
  ovRef outputs = ovRef::adopt(ovMakeInteger(1));
  ovC_object* byName[] = {name.get(), list.get(), outputs.get()};
  ovC_object* direct[] = {ovListGetSlot(list.get(), 0, 0), ovListGetSlot(list.get(), 1, 0)};
  ovRoutine routine = ov::routine<echo>;
  double bridgeSeconds = 0, directSeconds = 0;
  for (auto _ : state) {
    bridgeSeconds += secondsFor([&] {
      ovC_object* result = nullptr;
      ovC_object** out[] = {&result};
      benchmark::DoNotOptimize(call_prim_internal(nullptr, 3, 1, byName, out));
      ovDecUse(result);
    });
    directSeconds += secondsFor([&] {
      ovC_object* result = nullptr;
      ovC_object** out[] = {&result};
      benchmark::DoNotOptimize(routine(2, 1, direct, out));
      ovDecUse(result);
    });
  }
  name.reset();
  list.reset();
  outputs.reset();
  RTHeader::Release();
  ovRunTimeShutdown();
  report(state, bridgeSeconds, directSeconds);
}
BENCHMARK(CallByNameVsDirectCall);

}  // namespace

BENCHMARK_MAIN();
