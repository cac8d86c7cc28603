// What a sent message costs: SendMessageA to a window whose procedure
// answers at once, with the message trace off, and the same message
// handed on by the window procedure to DefWindowProcA. The baseline,
// measured in the same run, is the procedure called directly through
// CallWindowProcA, which looks nothing up.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "platform/backends/headless/headless.h"
#include "platform/win32.h"

namespace {

LRESULT CALLBACK answerAtOnce(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) return static_cast<LRESULT>(wParam + lParam);
  return DefWindowProcA(w, message, wParam, lParam);
}

HWND makeWindow() {
  platform::headless::start();
  WNDCLASSA wc{};
  wc.lpfnWndProc = answerAtOnce;
  wc.lpszClassName = "SendBench";
  RegisterClassA(&wc);
  return CreateWindowExA(0, "SendBench", "send", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

double threadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

// The quickest of several timed stretches of calls, in thread CPU time, so
// that a stretch the machine's other work interrupted does not count.
template <typename Call>
double secondsPerCall(Call call) {
  constexpr int kStretches = 15, kCalls = 1 << 16;
  double best = 1e9;
  for (int s = 0; s < kStretches; ++s) {
    double start = threadCpuSeconds();
    for (int i = 0; i < kCalls; ++i) benchmark::DoNotOptimize(call(i));
    best = std::min(best, (threadCpuSeconds() - start) / kCalls);
  }
  return best;
}

void SendMessage(benchmark::State& state) {
  HWND w = makeWindow();
  UINT message = static_cast<UINT>(state.range(0));
  // Read at each call, so that the direct call stays a call.
  WNDPROC volatile procedure = answerAtOnce;
  double direct = 0, sent = 0;
  for (auto _ : state) {
    direct = secondsPerCall([&](int i) { return CallWindowProcA(procedure, w, message, i, 1); });
    sent = secondsPerCall([&](int i) { return SendMessageA(w, message, i, 1); });
  }
  state.counters["send_ns"] = sent * 1e9;
  state.counters["direct_call_ns"] = direct * 1e9;
  state.counters["ratio_to_direct_call"] = sent / direct;
  state.SetLabel(message == WM_USER ? "answered by the procedure" : "handed to DefWindowProcA");
  DestroyWindow(w);
}

}  // namespace

BENCHMARK(SendMessage)->Arg(WM_USER)->Arg(WM_NULL)->Iterations(3)->Unit(benchmark::kMillisecond);
