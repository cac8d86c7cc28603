// Equality of lists. Lists are never ordered: two lists are equal when they
// have the same length and equal elements at every index.
//
// Nested lists are walked with an explicit stack rather than by recursion, so
// a list nested a million deep compares without exhausting the machine
// stack. Every pair of lists being compared carries visit mark 1 while it is
// open; meeting a marked list again (a list that holds itself) makes the
// pair unequal instead of looping. The marks are cleared before returning.
#include <vector>

#include "runtime/values/compare.h"

namespace {

struct OpenPair {
  ovC_list* a;
  ovC_list* b;
  uint32_t next;  // index of the next pair of elements to compare
};

class ListComparison {
 public:
  ~ListComparison() {
    while (!open_.empty()) Leave();
  }

  // Opens a pair of lists; false when their lengths already tell them apart.
  bool Enter(ovC_list* a, ovC_list* b) {
    if (a->length != b->length) return false;
    a->visitMark = b->visitMark = 1;
    open_.push_back({a, b, 0});
    return true;
  }

  // Compares pairs of elements until one differs or every open pair is done.
  bool Run() {
    while (!open_.empty()) {
      OpenPair& top = open_.back();
      if (top.next == top.a->length) {
        Leave();
        continue;
      }
      ovC_object* x = top.a->Elements()[top.next];
      ovC_object* y = top.b->Elements()[top.next];
      ++top.next;
      if (!ElementsEqual(x, y)) return false;
    }
    return true;
  }

 private:
  bool ElementsEqual(ovC_object* x, ovC_object* y) {
    if (x == y || !ovIsKind(x, ovKindList) || !ovIsKind(y, ovKindList)) return ovCompare(x, y) == 0;
    if (x->visitMark || y->visitMark) return false;
    return Enter(ovAs<ovC_list>(x), ovAs<ovC_list>(y));
  }

  void Leave() {
    open_.back().a->visitMark = open_.back().b->visitMark = 0;
    open_.pop_back();
  }

  std::vector<OpenPair> open_;
};

}  // namespace

int32_t ovC_list::Compare(ovC_list* other) {
  if (this == other) return 0;
  if (visitMark || other->visitMark) return ovCompareUnordered;
  ListComparison comparison;
  bool equal = comparison.Enter(this, other) && comparison.Run();
  return equal ? 0 : ovCompareUnordered;
}
