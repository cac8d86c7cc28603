#include "platform/gdi/line_raster.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

namespace platform::gdi {
namespace {

long floorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// step * rise / run rounded to the nearest integer, halves rounding down.
long roundHalfDown(long step, long rise, long run) {
  // ceil(v - 1/2) for v = step * rise / run, run > 0.
  long numerator = 2 * step * rise - run;
  return -floorDiv(-numerator, 2 * run);
}

}  // namespace

std::vector<POINT> thinLinePixels(POINT from, POINT to) {
  long dx = to.x - from.x;
  long dy = to.y - from.y;
  long run = std::max(std::labs(dx), std::labs(dy));
  std::vector<POINT> pixels;
  pixels.reserve(run);
  bool flat = std::labs(dx) >= std::labs(dy);
  for (long i = 0; i < run; ++i) {
    if (flat) {
      long x = from.x + (dx > 0 ? i : -i);
      pixels.push_back({static_cast<LONG>(x), static_cast<LONG>(from.y + roundHalfDown(i, dy, run))});
    } else {
      long y = from.y + (dy > 0 ? i : -i);
      pixels.push_back({static_cast<LONG>(from.x + roundHalfDown(i, dx, run)), static_cast<LONG>(y)});
    }
  }
  return pixels;
}

std::vector<RowRun> wideLineRuns(POINT from, POINT to, int width) {
  // Odd widths centre on pixel centres, even widths between them.
  double shift = (width % 2 == 0) ? 0.5 : 0.0;
  double radius = width / 2.0;
  double ax = from.x, ay = from.y, bx = to.x, by = to.y;
  double vx = bx - ax, vy = by - ay;
  double length2 = vx * vx + vy * vy;
  int reach = width / 2 + 1;
  std::map<int, std::pair<int, int>> rows;
  for (int y = std::min(from.y, to.y) - reach; y <= std::max(from.y, to.y) + reach; ++y) {
    for (int x = std::min(from.x, to.x) - reach; x <= std::max(from.x, to.x) + reach; ++x) {
      double px = x + shift, py = y + shift;
      double t = length2 > 0 ? ((px - ax) * vx + (py - ay) * vy) / length2 : 0.0;
      t = std::fmin(1.0, std::fmax(0.0, t));
      double ex = ax + t * vx - px, ey = ay + t * vy - py;
      if (ex * ex + ey * ey > radius * radius) continue;
      auto [it, fresh] = rows.try_emplace(y, x, x + 1);
      if (!fresh) it->second.second = x + 1;
    }
  }
  std::vector<RowRun> runs;
  for (const auto& [y, span] : rows) runs.push_back({y, span.first, span.second});
  return runs;
}

}  // namespace platform::gdi
