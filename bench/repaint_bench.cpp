// Full repaints of a window in the calculator's shape built with the
// platform layer alone (platform_calculator_window.h), through the headless
// backend: invalidate everything, then let the queue deliver WM_PAINT to the
// window and each child. The baseline, measured in the same run, is one
// FillRect over the whole client area.
#include <benchmark/benchmark.h>

#include <chrono>

#include "platform/backends/headless/headless.h"
#include "platform/win32.h"
#include "platform_calculator_window.h"

namespace {
double fillSeconds(HWND main, int rounds) {
  HDC dc = GetDC(main);
  RECT r;
  GetClientRect(main, &r);
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) FillRect(dc, &r, reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1 + (i & 1))));
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ReleaseDC(main, dc);
  return seconds / rounds;
}

void FullRepaint(benchmark::State& state) {
  platform::headless::start();
  HWND main = BuildPlatformCalculatorWindow();
  double baseline = fillSeconds(main, 2000);
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    InvalidateRect(main, nullptr, TRUE);
    platform::headless::runUntilIdle();
  }
  double perRepaint = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                      static_cast<double>(state.iterations());
  state.counters["repaints_per_s"] = 1.0 / perRepaint;
  state.counters["baseline_fill_us"] = baseline * 1e6;
  state.counters["ratio_to_fill"] = perRepaint / baseline;
  state.SetLabel("14 children");
  DestroyWindow(main);
}

}  // namespace

BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);
