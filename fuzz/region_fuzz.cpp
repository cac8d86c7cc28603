// Region algebra on rectangles taken from the input: the laws of set
// operations must hold for the banded form, whatever the rectangles.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/region.h"

using platform::gdi::Region;

namespace {

struct Reader {
  const uint8_t* data;
  size_t size;
  int next() {
    if (size == 0) return 0;
    --size;
    return static_cast<int8_t>(*data++);
  }
};

Region readRegion(Reader& in) {
  Region r;
  int count = (in.next() & 7) + 1;
  for (int i = 0; i < count; ++i) {
    RECT rect{in.next(), in.next(), 0, 0};
    rect.right = rect.left + (in.next() & 63);
    rect.bottom = rect.top + (in.next() & 63);
    r.unite(rect);
  }
  return r;
}

void check(bool condition) {
  if (!condition) std::abort();
}

void checkPoints(const Region& a, const Region& b, const Region& sum, const Region& both, Reader& in) {
  for (int i = 0; i < 16; ++i) {
    int x = in.next(), y = in.next();
    check(sum.contains(x, y) == (a.contains(x, y) || b.contains(x, y)));
    check(both.contains(x, y) == (a.contains(x, y) && b.contains(x, y)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in{data, size};
  Region a = readRegion(in), b = readRegion(in);
  Region sum = a.combined(b, Region::Op::Or), both = a.combined(b, Region::Op::And);
  check(sum == b.combined(a, Region::Op::Or));
  check(a.combined(b, Region::Op::Diff).combined(b, Region::Op::And).empty());
  check(a.combined(a, Region::Op::Xor).empty());
  check(both.combined(a, Region::Op::Diff).empty());
  check(a.combined(b, Region::Op::Xor) == sum.combined(both, Region::Op::Diff));
  Region rebuilt;
  for (const RECT& r : sum.rects()) rebuilt.unite(r);
  check(rebuilt == sum);
  checkPoints(a, b, sum, both, in);
  return 0;
}
