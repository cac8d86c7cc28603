#include "platform/gdi/region.h"

#include <algorithm>
#include <climits>

namespace platform::gdi {
namespace {

bool inResult(bool a, bool b, Region::Op op) {
  switch (op) {
    case Region::Op::And: return a && b;
    case Region::Op::Or: return a || b;
    case Region::Op::Xor: return a != b;
    case Region::Op::Diff: return a && !b;
  }
  return false;
}

template <typename Spans>
bool spansCover(const Spans* spans, int x) {
  if (!spans) return false;
  for (const auto& s : *spans)
    if (x >= s.left && x < s.right) return true;
  return false;
}

}  // namespace

Region::Region(const RECT& rect) {
  if (rect.left < rect.right && rect.top < rect.bottom)
    bands_.push_back({rect.top, rect.bottom, {{rect.left, rect.right}}});
}

int Region::kind() const {
  if (empty()) return NULLREGION;
  return isRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

RECT Region::box() const {
  if (empty()) return {0, 0, 0, 0};
  RECT r{INT_MAX, bands_.front().top, INT_MIN, bands_.back().bottom};
  for (const Band& b : bands_) {
    r.left = std::min<LONG>(r.left, b.spans.front().left);
    r.right = std::max<LONG>(r.right, b.spans.back().right);
  }
  return r;
}

const std::vector<Region::Span>* Region::spansAt(int y) const {
  for (const Band& b : bands_) {
    if (y < b.top) return nullptr;
    if (y < b.bottom) return &b.spans;
  }
  return nullptr;
}

bool Region::contains(int x, int y) const { return spansCover(spansAt(y), x); }

bool Region::overlaps(const RECT& rect) const { return !Region(*this).intersect(rect).empty(); }

std::vector<RECT> Region::rects() const {
  std::vector<RECT> out;
  for (const Band& b : bands_)
    for (const Span& s : b.spans) out.push_back({s.left, b.top, s.right, b.bottom});
  return out;
}

void Region::offset(int dx, int dy) {
  for (Band& b : bands_) {
    b.top += dy;
    b.bottom += dy;
    for (Span& s : b.spans) {
      s.left += dx;
      s.right += dx;
    }
  }
}

bool Region::operator==(const Region& other) const {
  if (bands_.size() != other.bands_.size()) return false;
  for (size_t i = 0; i < bands_.size(); ++i) {
    const Band& a = bands_[i];
    const Band& b = other.bands_[i];
    if (a.top != b.top || a.bottom != b.bottom || a.spans != b.spans) return false;
  }
  return true;
}

std::vector<Region::Span> Region::combineSpans(const std::vector<Span>* a, const std::vector<Span>* b, Op op) {
  std::vector<int> xs;
  for (const auto* spans : {a, b})
    if (spans)
      for (const Span& s : *spans) {
        xs.push_back(s.left);
        xs.push_back(s.right);
      }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::vector<Span> out;
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    if (!inResult(spansCover(a, xs[i]), spansCover(b, xs[i]), op)) continue;
    if (!out.empty() && out.back().right == xs[i]) out.back().right = xs[i + 1];
    else out.push_back({xs[i], xs[i + 1]});
  }
  return out;
}

void Region::appendBand(int top, int bottom, std::vector<Span> spans) {
  if (spans.empty()) return;
  if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
    bands_.back().bottom = bottom;
    return;
  }
  bands_.push_back({top, bottom, std::move(spans)});
}

Region Region::combined(const Region& other, Op op) const {
  std::vector<int> ys;
  for (const Region* r : {this, &other})
    for (const Band& b : r->bands_) {
      ys.push_back(b.top);
      ys.push_back(b.bottom);
    }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  Region out;
  for (size_t i = 0; i + 1 < ys.size(); ++i)
    out.appendBand(ys[i], ys[i + 1], combineSpans(spansAt(ys[i]), other.spansAt(ys[i]), op));
  return out;
}

}  // namespace platform::gdi
