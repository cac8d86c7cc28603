// What the framework costs, with the program's own archive on the headless
// backend, each figure against a baseline measured in the same run:
//
// - IdlePass: what a message costs the idle program: the pass that takes it
//   and the idle pass after it (deferred commands looked at, the cursor,
//   the target's idle time), against the same message posted and read with
//   PeekMessageA alone (one read that finds it, one that finds nothing);
//   and the heap allocations the two passes make.
// - ClickGo: a click on the first row's "Go" through the whole road (input,
//   window procedure, events, the button, its behaviour, Quin1, the values
//   shown and painted), per click.
// - OpenCloseWindow: opening and closing the calculator's window (a view of
//   fourteen items) per cycle, against the live objects of the heap after
//   one cycle and after all of them (equal when nothing leaks).
// - Repaint: a full repaint of the calculator's window (every child window
//   invalidated and erased) through the framework's "Update" against the
//   same repaint of the window built with the platform layer alone
//   (platform_calculator_window.h).
//
// - StartUp: where the time to the first painted window goes on the
//   headless backend: the run-time and its tables, the archive decoded and
//   installed, the application opened (its window and items created), the
//   first paint.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

#include "framework/loop_driver.h"
#include "framework/persistents.h"
#include "platform/backends/headless/headless.h"
#include "platform/win32.h"
#include "platform_calculator_window.h"
#include "runtime/memory/heap.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/startup/init_data.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"

namespace {

const ovMethodSelector kClose("Close");
const ovMethodSelector kFindWindowItem("Find Window Item");
const ovMethodSelector kGetMainWindow("Get Main Window");
const ovMethodSelector kGetWindowRecord("Get Window Record");
const ovMethodSelector kOpen("Open");
const ovMethodSelector kRun("Run");
const ovAttributeSelector kDesktop("Desktop");
const ovAttributeSelector kMainWindow("Main Window");

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The run-time with the program's archive and its application open.
class RunningProgram {
 public:
  explicit RunningProgram(bool withMainWindow = true) {
    platform::headless::start();
    ovRunTimeStartup();
    RTHeader::Initialize();
    InitData(GetModuleHandleA(nullptr));
    app_ = gTheApplication.get();
    if (!withMainWindow) ov::set(kMainWindow, app_, ov::text(""));
    ov::tell(ov::send<0>(kOpen, app_));
    Settle();
  }
  ~RunningProgram() {
    ov::tell(ov::send<0>(kClose, app_));
    app_.reset();
    ovRunTimeShutdown();
  }

  ovC_object* app() const { return app_.get(); }
  void Settle() const { vorn::RunUntilIdle(app_.get()); }
  ovRef MainWindow() const { return ov::send(kGetMainWindow, ov::get(kDesktop, app_)).take(); }
  HWND MainWindowHandle() const { return ov::toHandle<HWND>(ov::send(kGetWindowRecord, MainWindow()).get()); }

 private:
  ovRef app_;
};

// After an idle pass the loop waits for what comes next: here, the message
// posted before each pair of passes.
void IdlePass(benchmark::State& state) {
  RunningProgram program;
  const int rounds = 20000;
  for (auto _ : state) {
    MSG msg;
    auto peekStart = Clock::now();
    for (int i = 0; i < rounds; ++i) {
      PostMessageA(nullptr, WM_NULL, 0, 0);
      benchmark::DoNotOptimize(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
      benchmark::DoNotOptimize(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    }
    double peek = secondsSince(peekStart) / rounds;
    uint64_t allocations = ovRunTimeHeap->AllocationCount();
    auto runStart = Clock::now();
    for (int i = 0; i < rounds; ++i) {
      PostMessageA(nullptr, WM_NULL, 0, 0);
      ov::tell(ov::send<0>(kRun, program.app()));
      ov::tell(ov::send<0>(kRun, program.app()));
    }
    double run = secondsSince(runStart) / rounds;
    state.counters["message_and_idle_pass_us"] = run * 1e6;
    state.counters["post_and_two_peeks_us"] = peek * 1e6;
    state.counters["ratio_to_peeks"] = run / peek;
    state.counters["allocations_per_round"] =
        static_cast<double>(ovRunTimeHeap->AllocationCount() - allocations) / rounds;
  }
}

// The centre of a window item's own platform window, in screen coordinates.
POINT centreOf(const RunningProgram& program, const char* name) {
  ovRef item = ov::send(kFindWindowItem, program.MainWindow(), {ov::text(name)}).take();
  RECT r{};
  GetWindowRect(ov::toHandle<HWND>(ov::send(kGetWindowRecord, item).get()), &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickGo(benchmark::State& state) {
  RunningProgram program;
  POINT go = centreOf(program, "Go1");
  for (auto _ : state) {
    platform::headless::click(go.x, go.y);
    program.Settle();
  }
  state.SetLabel("click on Go1 to its values painted");
}

void OpenCloseWindow(benchmark::State& state) {
  RunningProgram program(false);
  auto cycle = [&program] {
    ovRef window = ov::makeNamed(ov::text("Main Window")).take();
    ov::tell(ov::send<0>(kOpen, window, {nullptr}));
    program.Settle();
    ov::tell(ov::send<0>(kClose, window));
    program.Settle();
  };
  cycle();
  uint32_t liveAfterOne = ovRunTimeHeap->LiveCount();
  for (auto _ : state) cycle();
  state.counters["live_after_1"] = liveAfterOne;
  state.counters["live_after_all"] = ovRunTimeHeap->LiveCount();
  state.counters["cycles"] = static_cast<double>(state.iterations() + 1);
}

void repaintEverything(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

void Repaint(benchmark::State& state) {
  RunningProgram program;
  HWND framework = program.MainWindowHandle();
  HWND platformOnly = BuildPlatformCalculatorWindow();
  const int rounds = 200;
  for (auto _ : state) {
    auto platformStart = Clock::now();
    for (int i = 0; i < rounds; ++i) {
      repaintEverything(platformOnly);
      platform::headless::runUntilIdle();
    }
    double platformRepaint = secondsSince(platformStart) / rounds;
    auto frameworkStart = Clock::now();
    for (int i = 0; i < rounds; ++i) {
      repaintEverything(framework);
      program.Settle();
    }
    double frameworkRepaint = secondsSince(frameworkStart) / rounds;
    state.counters["framework_repaint_us"] = frameworkRepaint * 1e6;
    state.counters["platform_repaint_us"] = platformRepaint * 1e6;
    state.counters["ratio_to_platform"] = frameworkRepaint / platformRepaint;
  }
  DestroyWindow(platformOnly);
}

double secondsOf(const std::function<void()>& step) {
  auto start = Clock::now();
  step();
  return secondsSince(start);
}

void StartUp(benchmark::State& state) {
  platform::headless::start();
  double tables = 0, archive = 0, opening = 0, paint = 0;
  ovRef app;
  for (auto _ : state) {
    tables += secondsOf([] {
      ovRunTimeStartup();
      RTHeader::Initialize();
    });
    archive += secondsOf([] { InitData(GetModuleHandleA(nullptr)); });
    app = gTheApplication.get();
    opening += secondsOf([&app] { ov::tell(ov::send<0>(kOpen, app)); });
    paint += secondsOf([&app] { vorn::RunUntilIdle(app.get()); });
    ov::tell(ov::send<0>(kClose, app));
    app.reset();
    ovRunTimeShutdown();
  }
  auto n = static_cast<double>(state.iterations());
  state.counters["tables_ms"] = 1e3 * tables / n;
  state.counters["archive_ms"] = 1e3 * archive / n;
  state.counters["open_ms"] = 1e3 * opening / n;
  state.counters["first_paint_ms"] = 1e3 * paint / n;
}

}  // namespace

BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(IdlePass)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ClickGo)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(OpenCloseWindow)->Iterations(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Repaint)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
