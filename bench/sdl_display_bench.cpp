// What real windows cost the calculator on an X server: velmaro on the sdl
// backend against a minimal SDL2 program that opens one window and draws one
// text (minimal_sdl_window), both measured in the same run with a probe
// (present_probe) that reports each present on the program's standard
// output. Needs a display: make bench runs it under scripts/with-xvfb.
//
// - start_ms: from just before exec to the first presented frame;
// - peak_MiB: peak resident memory over a run (start, one click, the frame
//   it causes);
// - click_ms: from a click injected at the X server (XTEST) on "Go" (the
//   minimal program's window) to the present that shows what the click
//   caused: the last of the presents that follow it before the program falls
//   quiet;
// - idle_cpu_percent: CPU time of the whole process over
//   VELMARO_IDLE_SECONDS (10 by default) with nothing happening, as a share
//   of one core; idle_wakeups_per_s: how often it woke meanwhile. Neither
//   program should wake at all, but the calculator starts with the focus in
//   an edit field, whose caret blinks until the caret timeout (5 s) has
//   passed without input; velmaro_idle_no_caret_* measures it again after a
//   click on "Go" has taken the focus there. As a
//   scale for the CPU figure, a thread that does nothing but wake every
//   50 ms is measured too (what one wake-up costs varies with the machine's
//   load).
// - Scale: velmaro's start_ms, click_ms and idle figures at VELMARO_SCALE=2
//   against VELMARO_SCALE=1 in the same run, the launches taking turns;
//   three clicks a launch; beside the medians, the least of each (what the
//   machine's other work did not lengthen), since a click costs about 2 ms
//   at either scale and waiting for the X server varies that by half.
//
// Medians over VELMARO_SDL_RUNS runs of each program (5 by default, 21 for
// Scale).
#include <benchmark/benchmark.h>

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <thread>

#include "launched_program.h"
#include "platform/win32.h"
#include "x11_peer.h"

namespace {

struct Subject {
  std::vector<std::string> command;
  std::string title;
  POINT click;  // where to click, relative to the window
  std::vector<std::string> environment = {};
};

struct Run {
  double startMs = 0;
  double clickMs = 0;
  double peakMiB = 0;
};

int environmentNumber(const char* name, int fallback) {
  const char* text = std::getenv(name);
  int value = text ? std::atoi(text) : 0;
  return value > 0 ? value : fallback;
}

double milliseconds(int64_t nanoseconds) { return static_cast<double>(nanoseconds) / 1e6; }

bool isPresent(const std::string& line) { return line.rfind("present ", 0) == 0; }
int64_t presentTime(const std::string& line) { return std::stoll(line.substr(8)); }

// Reads lines until one satisfies found (answered in line), for at most
// five seconds in all.
bool readUntil(LaunchedProgram& program, const std::function<bool(const std::string&)>& found, std::string& line) {
  int64_t end = monotonicNanoseconds() + 5000000000;
  while (monotonicNanoseconds() < end)
    if (program.nextLine(line, 100) && found(line)) return true;
  return false;
}

// The time of the next present; -1 when none comes.
int64_t nextPresent(LaunchedProgram& program) {
  std::string line;
  return readUntil(program, isPresent, line) ? presentTime(line) : -1;
}

// Reads whatever the program writes for a while.
void drain(LaunchedProgram& program, int milliseconds) {
  int64_t end = monotonicNanoseconds() + int64_t{milliseconds} * 1000000;
  std::string line;
  while (monotonicNanoseconds() < end) program.nextLine(line, 10);
}

// The last present before the program has been quiet for 300 ms; -1 when
// none comes.
int64_t lastPresentOfBurst(LaunchedProgram& program) {
  int64_t last = nextPresent(program);
  std::string line;
  while (last >= 0 && program.nextLine(line, 300))
    if (isPresent(line)) last = presentTime(line);
  return last;
}

// From the press of a click to the frame that shows what it caused.
int64_t clickToFrame(LaunchedProgram& program, x11::Peer& peer, int x, int y) {
  peer.moveTo(x, y);
  drain(program, 200);
  int64_t clicked = monotonicNanoseconds();
  peer.button(1, true);
  peer.button(1, false);
  int64_t shown = lastPresentOfBurst(program);
  return shown < 0 ? -1 : shown - clicked;
}

// The first row's "Go": its centre in the client area, below the menu bar.
Subject calculator(int scale = 1) {
  return {{VELMARO_PROGRAM}, "Velmaro", {399 * scale, (37 + 19) * scale}, {"VELMARO_SCALE=" + std::to_string(scale)}};
}

Subject minimal() { return {{MINIMAL_SDL_WINDOW}, "Minimal SDL window", {147, 57}}; }

LaunchedProgram launch(const Subject& subject) {
  std::vector<std::string> environment = subject.environment;
  environment.push_back("LD_PRELOAD=" PRESENT_PROBE);
  return LaunchedProgram(subject.command, environment);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// A launch and its first present, then clicks one after another: the
// launch's click figure is their median.
bool measure(const Subject& subject, x11::Peer& peer, Run& run, int clicks = 1) {
  LaunchedProgram program = launch(subject);
  int64_t firstPresent = nextPresent(program);
  if (firstPresent < 0) return false;
  run.startMs = milliseconds(firstPresent - program.startedAt());
  x11::Box place = peer.placeOf(peer.windowTitled(subject.title));
  std::vector<double> latencies;
  for (int i = 0; i < clicks; ++i) {
    int64_t latency = clickToFrame(program, peer, place.x + subject.click.x, place.y + subject.click.y);
    if (latency < 0) return false;
    latencies.push_back(milliseconds(latency));
  }
  run.clickMs = median(latencies);
  run.peakMiB = static_cast<double>(program.stop()) / 1024.0;
  return true;
}

void LaunchAndClick(benchmark::State& state) {
  x11::Peer peer;
  if (!peer.connected()) return state.SkipWithError("no X display (run under scripts/with-xvfb)");
  int runs = environmentNumber("VELMARO_SDL_RUNS", 5);
  for (auto _ : state) {
    std::vector<Run> velmaroRuns(runs), minimalRuns(runs);
    for (int i = 0; i < runs; ++i) {
      if (!measure(minimal(), peer, minimalRuns[i]) || !measure(calculator(), peer, velmaroRuns[i]))
        return state.SkipWithError("a program did not start, present or answer its click");
    }
    auto figure = [](const std::vector<Run>& r, double Run::*field) {
      std::vector<double> values;
      for (const Run& one : r) values.push_back(one.*field);
      return median(values);
    };
    for (auto [name, field] : {std::pair{"start_ms", &Run::startMs}, std::pair{"peak_MiB", &Run::peakMiB},
                               std::pair{"click_ms", &Run::clickMs}}) {
      double ours = figure(velmaroRuns, field), baseline = figure(minimalRuns, field);
      state.counters[std::string("velmaro_") + name] = ours;
      state.counters[std::string("minimal_") + name] = baseline;
      state.counters[std::string(name) + "_ratio"] = ours / baseline;
    }
  }
}

// With a peer, a click on the subject's click point comes first.
void idleFigures(const Subject& subject, x11::Peer* clicker, int seconds, double& cpuPercent,
                 double& wakeupsPerSecond) {
  LaunchedProgram program = launch(subject);
  nextPresent(program);
  if (clicker) {
    x11::Box place = clicker->placeOf(clicker->windowTitled(subject.title));
    clicker->click(place.x + subject.click.x, place.y + subject.click.y);
  }
  drain(program, 1000);
  int64_t cpu = program.cpuNanoseconds();
  long switches = program.voluntarySwitches();
  int64_t start = monotonicNanoseconds();
  drain(program, seconds * 1000);
  double wall = static_cast<double>(monotonicNanoseconds() - start);
  cpuPercent = 100.0 * static_cast<double>(program.cpuNanoseconds() - cpu) / wall;
  wakeupsPerSecond = static_cast<double>(program.voluntarySwitches() - switches) / (wall / 1e9);
}

double threadCpuNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// CPU share of a thread that only sleeps 50 ms at a time.
double bareWakeupsPercent(int seconds) {
  double cpu = threadCpuNanoseconds();
  int64_t start = monotonicNanoseconds(), end = start + int64_t{seconds} * 1000000000;
  while (monotonicNanoseconds() < end) poll(nullptr, 0, 50);
  return 100.0 * (threadCpuNanoseconds() - cpu) / static_cast<double>(monotonicNanoseconds() - start);
}

void Idle(benchmark::State& state) {
  x11::Peer peer;
  if (!peer.connected()) return state.SkipWithError("no X display (run under scripts/with-xvfb)");
  int seconds = environmentNumber("VELMARO_IDLE_SECONDS", 10);
  for (auto _ : state) {
    double ourCpu = 0, ourWakeups = 0, noCaretCpu = 0, noCaretWakeups = 0, minimalCpu = 0, minimalWakeups = 0;
    idleFigures(calculator(), nullptr, seconds, ourCpu, ourWakeups);
    idleFigures(calculator(), &peer, seconds, noCaretCpu, noCaretWakeups);
    idleFigures(minimal(), nullptr, seconds, minimalCpu, minimalWakeups);
    state.counters["velmaro_idle_cpu_percent"] = ourCpu;
    state.counters["velmaro_idle_no_caret_cpu_percent"] = noCaretCpu;
    state.counters["minimal_idle_cpu_percent"] = minimalCpu;
    state.counters["velmaro_idle_wakeups_per_s"] = ourWakeups;
    state.counters["velmaro_idle_no_caret_wakeups_per_s"] = noCaretWakeups;
    state.counters["minimal_idle_wakeups_per_s"] = minimalWakeups;
    double waker = bareWakeupsPercent(seconds);
    state.counters["wake20hz_cpu_percent"] = waker;
    state.counters["velmaro_idle_ratio_to_wake20hz"] = ourCpu / waker;
  }
}

void Scale(benchmark::State& state) {
  constexpr int kClicksPerLaunch = 3;
  x11::Peer peer;
  if (!peer.connected()) return state.SkipWithError("no X display (run under scripts/with-xvfb)");
  int runs = environmentNumber("VELMARO_SDL_RUNS", 21);
  int seconds = environmentNumber("VELMARO_IDLE_SECONDS", 10);
  for (auto _ : state) {
    // The scales take turns, so that a change in the machine's load falls on
    // both alike.
    std::vector<double> starts[2], clicks[2];
    for (int i = 0; i < runs; ++i) {
      for (int scale : {1, 2}) {
        Run run;
        if (!measure(calculator(scale), peer, run, kClicksPerLaunch))
          return state.SkipWithError("velmaro did not start or answer");
        starts[scale - 1].push_back(run.startMs);
        clicks[scale - 1].push_back(run.clickMs);
      }
    }
    for (int scale : {1, 2}) {
      double cpu = 0, wakeups = 0;
      idleFigures(calculator(scale), nullptr, seconds, cpu, wakeups);
      std::string prefix = "scale" + std::to_string(scale) + "_";
      for (auto [figure, values] : {std::pair{"start", &starts[scale - 1]}, std::pair{"click", &clicks[scale - 1]}}) {
        state.counters[prefix + figure + "_ms"] = median(*values);
        state.counters[prefix + figure + "_least_ms"] = *std::min_element(values->begin(), values->end());
      }
      state.counters[prefix + "idle_cpu_percent"] = cpu;
      state.counters[prefix + "idle_wakeups_per_s"] = wakeups;
    }
    for (std::string figure : {"start", "click", "start_least", "click_least"})
      state.counters[figure + "_ratio_2_to_1"] =
          state.counters["scale2_" + figure + "_ms"] / state.counters["scale1_" + figure + "_ms"];
  }
}

}  // namespace

BENCHMARK(LaunchAndClick)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(Idle)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(Scale)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK_MAIN();
