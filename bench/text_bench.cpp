// Text drawing costs, each as a ratio against a baseline measured in the same
// run (the counter "x_baseline": the operation's time / the baseline's time,
// both timed again after the benchmark loop, so the ratio is like for like).
//
// - Drawing a 40-character line with cached glyphs, against filling the same
//   cell rectangle with a solid colour: what blending glyphs costs over just
//   touching the pixels.
// - Making a font afresh (face opened and sized, a line's glyphs rendered),
//   against opening the same request while it is held (shared from the
//   cache): what the font cache saves.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "platform/text/glyph_blend.h"
#include "platform/text/rendered_font.h"

using namespace platform::text;

namespace {

constexpr const char* kLine = "Golden section 0.6180499 of 1.6180499 Go";

// Seconds per call of work, timed over enough calls to take about 50 ms.
template <typename Work>
double secondsPerCall(Work work) {
  using Clock = std::chrono::steady_clock;
  for (long calls = 1;; calls *= 2) {
    auto start = Clock::now();
    for (long i = 0; i < calls; ++i) work();
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (seconds > 0.05) return seconds / calls;
  }
}

template <typename Operation, typename Baseline>
void reportRatio(benchmark::State& state, Operation operation, Baseline baseline) {
  state.counters["x_baseline"] = secondsPerCall(operation) / secondsPerCall(baseline);
}

const FontRequest kDialogFont{"MS Sans Serif", -11, 0, 400, false, false, false};

void DrawCachedLine(benchmark::State& state) {
  auto font = Font::open(kDialogFont);
  int width = font->textWidth(kLine), height = font->metrics().height;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0xFFFFFF);
  PixelTarget target{pixels.data(), width, height, width, 0, 0, width, height};
  auto draw = [&] {
    font->draw(target, 0, 0, kLine, 0);
    benchmark::DoNotOptimize(pixels.data());
  };
  auto fill = [&] {
    fillSolid(target, 0, 0, width, height, 0xFFFFFF);
    benchmark::DoNotOptimize(pixels.data());
  };
  draw();  // renders the glyphs once
  for (auto _ : state) draw();
  reportRatio(state, draw, fill);
}

void MakeFreshFont(benchmark::State& state) {
  auto held = Font::open(kDialogFont);
  auto shared = [] { benchmark::DoNotOptimize(Font::open(kDialogFont)->textWidth(kLine)); };
  auto fresh = [] { benchmark::DoNotOptimize(RenderedFont::create(kDialogFont)->textWidth(kLine)); };
  for (auto _ : state) fresh();
  reportRatio(state, fresh, shared);
}

}  // namespace

BENCHMARK(DrawCachedLine);
BENCHMARK(MakeFreshFont);
BENCHMARK_MAIN();
