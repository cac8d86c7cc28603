// What an idle window costs: a loop of the framework's run-loop shape (take
// one message with PeekMessageA, or do an idle pass when there is none)
// runs for a while with nothing happening, and the CPU time it used is
// compared with the wall time. The baseline, measured in the same run, is
// the same loop waking every 10 ms on its own.
//
// VELMARO_IDLE_SECONDS sets how long each loop runs (10 by default).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "platform/backends/headless/headless.h"
#include "platform/win32.h"

namespace {

double threadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

double secondsToRun() {
  const char* text = std::getenv("VELMARO_IDLE_SECONDS");
  double seconds = text ? std::atof(text) : 10.0;
  return seconds > 0 ? seconds : 10.0;
}

// The framework's idle pass: a fresh event record, the tick count and the
// cursor position.
void idlePass() {
  auto record = std::make_unique<MSG>();
  record->time = GetTickCount();
  GetCursorPos(&record->pt);
  benchmark::DoNotOptimize(record.get());
}

// One pass of the run loop: a message, or an idle pass.
void runPass() {
  MSG msg;
  if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  } else {
    idlePass();
  }
}

// CPU time used as a share of wall time while pass() runs for the period.
template <typename Pass>
double cpuShare(double seconds, Pass pass, long& passes) {
  auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  double cpuStart = threadCpuSeconds();
  auto wallStart = std::chrono::steady_clock::now();
  passes = 0;
  while (std::chrono::steady_clock::now() < end) {
    pass();
    ++passes;
  }
  double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  return (threadCpuSeconds() - cpuStart) / wall;
}

void IdleWindow(benchmark::State& state) {
  platform::headless::start();
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "IdleBench";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "IdleBench", "Idle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 455, 193, nullptr, nullptr,
                           nullptr, nullptr);
  platform::headless::runUntilIdle();
  double seconds = secondsToRun();
  for (auto _ : state) {
    long sleeperPasses = 0, loopPasses = 0;
    double sleeper = cpuShare(seconds, [] { Sleep(10); idlePass(); }, sleeperPasses);
    double loop = cpuShare(seconds, runPass, loopPasses);
    state.counters["idle_cpu_percent"] = loop * 100;
    state.counters["wake10ms_cpu_percent"] = sleeper * 100;
    state.counters["ratio_to_wake10ms"] = loop / sleeper;
    state.counters["idle_passes_per_s"] = loopPasses / seconds;
  }
  DestroyWindow(w);
}

}  // namespace

BENCHMARK(IdleWindow)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
