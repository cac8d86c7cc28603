// A region: a set of pixels kept as horizontal bands of disjoint spans.
//
// The form is canonical: bands are sorted top to bottom and never overlap,
// each band's spans are sorted, disjoint and not touching, no band is empty,
// and two bands that touch vertically never hold the same spans (they would
// have been merged). So two regions holding the same pixels compare equal,
// and a region is a simple rectangle exactly when it has one band of one span.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::gdi {

class Region {
 public:
  enum class Op { And, Or, Xor, Diff };

  Region() = default;
  explicit Region(const RECT& rect);

  bool empty() const { return bands_.empty(); }
  bool isRectangle() const { return bands_.size() == 1 && bands_[0].spans.size() == 1; }
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int kind() const;
  RECT box() const;
  bool contains(int x, int y) const;
  bool overlaps(const RECT& rect) const;
  std::vector<RECT> rects() const;

  Region combined(const Region& other, Op op) const;
  Region& intersect(const Region& other) { return *this = combined(other, Op::And); }
  Region& unite(const Region& other) { return *this = combined(other, Op::Or); }
  Region& subtract(const Region& other) { return *this = combined(other, Op::Diff); }
  Region& intersect(const RECT& rect) { return intersect(Region(rect)); }
  Region& unite(const RECT& rect) { return unite(Region(rect)); }
  Region& subtract(const RECT& rect) { return subtract(Region(rect)); }
  void offset(int dx, int dy);

  bool operator==(const Region& other) const;

 private:
  struct Span {
    int left;
    int right;
    bool operator==(const Span&) const = default;
  };
  struct Band {
    int top;
    int bottom;
    std::vector<Span> spans;
  };

  const std::vector<Span>* spansAt(int y) const;
  void appendBand(int top, int bottom, std::vector<Span> spans);
  static std::vector<Span> combineSpans(const std::vector<Span>* a, const std::vector<Span>* b, Op op);

  std::vector<Band> bands_;
};

}  // namespace platform::gdi
