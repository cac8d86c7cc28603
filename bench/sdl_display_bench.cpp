// What real windows cost a program on an X server: the demo of tests/e2e
// (the platform layer on the sdl backend) against a minimal SDL2 program that
// opens one window and draws one text (minimal_sdl_window), both measured in
// the same run with a probe (present_probe) that reports each present on the
// program's standard output. Needs a display: make bench runs it under
// scripts/with-xvfb.
//
// - start_ms: from just before exec to the first presented frame;
// - peak_MiB: peak resident memory over a run (start, one click, the frame
//   it causes);
// - click_ms: from a click injected at the X server (XTEST) to the present
//   that shows the value the click caused (the programs print the value
//   before presenting it);
// - idle_cpu_percent: CPU time of the whole process over
//   VELMARO_IDLE_SECONDS (10 by default) with nothing happening, as a share
//   of one core; idle_wakeups_per_s: how often it woke meanwhile. The
//   minimal program never wakes, so the idle figure's baseline is a thread
//   that does nothing but wake every 50 ms, as the platform's idle wait does
//   (what one wake-up costs varies with the machine's load).
//
// Medians over VELMARO_SDL_RUNS runs of each program (5 by default).
#include <benchmark/benchmark.h>

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <thread>

#include "launched_program.h"
#include "x11_peer.h"

namespace {

struct Subject {
  std::vector<std::string> command;
  std::string title;
  // Where to click, relative to the window, from the last line the program
  // wrote before its first frame.
  std::function<bool(const std::string&, int&, int&)> clickTarget;
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

// From the press of a click to the present after the value it printed.
int64_t clickToFrame(LaunchedProgram& program, x11::Peer& peer, int x, int y) {
  peer.moveTo(x, y);
  drain(program, 200);
  int64_t clicked = monotonicNanoseconds();
  peer.button(1, true);
  peer.button(1, false);
  std::string line;
  if (!readUntil(program, [](const std::string& l) { return !isPresent(l); }, line)) return -1;
  int64_t shown = nextPresent(program);
  return shown < 0 ? -1 : shown - clicked;
}

// The demo reports its Go button's centre before its first frame.
Subject demo() {
  return {{VELMARO_DEMO, "--layout"}, "Velmaro demo", [](const std::string& layout, int& x, int& y) {
            return std::sscanf(layout.c_str(), "layout field=%*d,%*d go=%d,%d", &x, &y) == 2;
          }};
}

Subject minimal() {
  return {{MINIMAL_SDL_WINDOW}, "Minimal SDL window", [](const std::string&, int& x, int& y) {
            x = 147;
            y = 57;
            return true;
          }};
}

LaunchedProgram launch(const Subject& subject) {
  return LaunchedProgram(subject.command, {"LD_PRELOAD=" PRESENT_PROBE});
}

bool measure(const Subject& subject, x11::Peer& peer, Run& run) {
  LaunchedProgram program = launch(subject);
  std::string layout, line;
  int64_t firstPresent = -1;
  while (firstPresent < 0 && readUntil(program, [](const std::string&) { return true; }, line)) {
    if (isPresent(line)) firstPresent = presentTime(line);
    else layout = line;
  }
  int x = 0, y = 0;
  if (firstPresent < 0 || !subject.clickTarget(layout, x, y)) return false;
  run.startMs = milliseconds(firstPresent - program.startedAt());
  x11::Box place = peer.placeOf(peer.windowTitled(subject.title));
  int64_t latency = clickToFrame(program, peer, place.x + x, place.y + y);
  run.clickMs = milliseconds(latency);
  run.peakMiB = static_cast<double>(program.stop()) / 1024.0;
  return latency >= 0;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

void LaunchAndClick(benchmark::State& state) {
  x11::Peer peer;
  if (!peer.connected()) return state.SkipWithError("no X display (run under scripts/with-xvfb)");
  int runs = environmentNumber("VELMARO_SDL_RUNS", 5);
  for (auto _ : state) {
    std::vector<Run> demoRuns(runs), minimalRuns(runs);
    for (int i = 0; i < runs; ++i) {
      if (!measure(minimal(), peer, minimalRuns[i]) || !measure(demo(), peer, demoRuns[i]))
        return state.SkipWithError("a program did not start, present or answer its click");
    }
    auto figure = [](const std::vector<Run>& r, double Run::*field) {
      std::vector<double> values;
      for (const Run& one : r) values.push_back(one.*field);
      return median(values);
    };
    for (auto [name, field] : {std::pair{"start_ms", &Run::startMs}, std::pair{"peak_MiB", &Run::peakMiB},
                               std::pair{"click_ms", &Run::clickMs}}) {
      double ours = figure(demoRuns, field), baseline = figure(minimalRuns, field);
      state.counters[std::string("demo_") + name] = ours;
      state.counters[std::string("minimal_") + name] = baseline;
      state.counters[std::string(name) + "_ratio"] = ours / baseline;
    }
  }
}

void idleFigures(const Subject& subject, int seconds, double& cpuPercent, double& wakeupsPerSecond) {
  LaunchedProgram program = launch(subject);
  nextPresent(program);
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
    double demoCpu = 0, demoWakeups = 0, minimalCpu = 0, minimalWakeups = 0;
    idleFigures(demo(), seconds, demoCpu, demoWakeups);
    idleFigures(minimal(), seconds, minimalCpu, minimalWakeups);
    state.counters["demo_idle_cpu_percent"] = demoCpu;
    state.counters["minimal_idle_cpu_percent"] = minimalCpu;
    state.counters["demo_idle_wakeups_per_s"] = demoWakeups;
    state.counters["minimal_idle_wakeups_per_s"] = minimalWakeups;
    double waker = bareWakeupsPercent(seconds);
    state.counters["wake20hz_cpu_percent"] = waker;
    state.counters["demo_idle_ratio_to_wake20hz"] = demoCpu / waker;
  }
}

}  // namespace

BENCHMARK(LaunchAndClick)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(Idle)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK_MAIN();
