// Deep copies that keep shared structure.
//
// Every list or instance copied is numbered in the visit table, which puts
// its number in the original's visit mark; the copy is kept under that
// number. Meeting a marked original again hands out its copy once more, so a
// sub-list held twice is copied once and a cycle is copied as a cycle. The
// walk keeps the copies whose elements are still to be replaced on an
// explicit stack, so deep nesting does not exhaust the machine stack. The
// visit table's cleanup clears every mark at the end.
#include <vector>

#include "runtime/values/children.h"
#include "runtime/values/copy.h"
#include "runtime/values/visit_table.h"

namespace {

struct PendingCopy {
  ovC_object* copy;
  uint32_t next;  // index of the next element or slot to replace
};

class Cloner {
 public:
  // The clone of v, made or found; lists and instances met for the first
  // time are queued for their elements to be replaced.
  ovC_object* CloneOf(ovC_object* v) {
    if (!ovHoldsValues(v)) return ovIncUse(v);
    if (v->visitMark) return ovIncUse(clones_[v->visitMark - 1]);
    return Start(v);
  }

  // Replaces the elements and slots of every queued copy by their clones.
  void Run() {
    while (!pending_.empty()) {
      PendingCopy& top = pending_.back();
      std::span<ovC_object*> children = ovChildrenOf(top.copy);
      if (top.next == children.size()) {
        pending_.pop_back();
        continue;
      }
      ovC_object*& child = children[top.next++];
      child = CloneOf(child);
    }
  }

 private:
  ovC_object* Start(ovC_object* v) {
    ovC_object* copy = ovBlockCopy(v);
    gpVisitTable->AddIndexed(v);
    if (clones_.size() < v->visitMark) clones_.resize(v->visitMark);
    clones_[v->visitMark - 1] = copy;
    pending_.push_back({copy, 0});
    return copy;
  }

  std::vector<ovC_object*> clones_;  // by visit number - 1
  std::vector<PendingCopy> pending_;
};

}  // namespace

ovC_object* ovCloneObject(ovC_object* v) {
  gpVisitTable->Init();
  Cloner cloner;
  ovC_object* clone = cloner.CloneOf(v);
  cloner.Run();
  gpVisitTable->Cleanup(1);
  return clone;
}
