// What an idle window costs: a loop of the framework's run-loop shape (take
// one message with PeekMessageA, or do an idle pass when there is none, and
// after an idle pass wait with MsgWaitForMultipleObjectsEx for what comes
// next) runs for a while with nothing happening, and the CPU time it used
// is compared with the wall time. The baseline, measured in the same run,
// is the same idle pass waking every 10 ms on its own.
//
// VELMARO_IDLE_SECONDS sets how long each loop runs (10 by default).
#include <benchmark/benchmark.h>

#include <algorithm>
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

using Clock = std::chrono::steady_clock;

// One pass of the run loop: a message, or an idle pass and then a wait, for
// no longer than until the end of the measurement.
void runPass(Clock::time_point end) {
  MSG msg;
  if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return;
  }
  idlePass();
  auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::max<long>(left, 0)), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

// CPU time used as a share of wall time while pass(end) runs for the period.
template <typename Pass>
double cpuShare(double seconds, Pass pass, long& passes) {
  auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  double cpuStart = threadCpuSeconds();
  auto wallStart = Clock::now();
  passes = 0;
  while (Clock::now() < end) {
    pass(end);
    ++passes;
  }
  double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
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
    double sleeper = cpuShare(
        seconds,
        [](Clock::time_point) {
          Sleep(10);
          idlePass();
        },
        sleeperPasses);
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
