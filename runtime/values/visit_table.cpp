#include "runtime/values/visit_table.h"

#include "runtime/memory/heap.h"
#include "runtime/memory/low_memory.h"

RC_visit* gpVisitTable = nullptr;

namespace {
constexpr uint32_t kGrowth = 256;
}

RC_visit::~RC_visit() { Cleanup(0); }

void RC_visit::Append(ovC_object* object) {
  if (count_ == capacity_) {
    uint32_t grown = capacity_ + kGrowth;
    void* moved = ovLowMemReAlloc(objects_, size_t{grown} * sizeof(ovC_object*));
    if (!moved) ovMemExhausted(grown * sizeof(ovC_object*));
    objects_ = static_cast<ovC_object**>(moved);
    capacity_ = grown;
  }
  objects_[count_++] = object;
}

void RC_visit::Add(ovC_object* object) {
  if (enabled_) Append(object);
}

void RC_visit::AddIndexed(ovC_object* object) {
  if (!enabled_ || !object || object->visitMark != 0) return;
  Append(object);
  object->visitMark = count_;
}

ovC_object* RC_visit::GetObject(uint32_t n) const { return n == 0 || n > count_ ? nullptr : objects_[n - 1]; }

void RC_visit::Cleanup(int resetMarks) {
  if (resetMarks) {
    for (uint32_t i = 0; i < count_; ++i)
      if (objects_[i]) objects_[i]->visitMark = 0;
  }
  ovLowMemFree(objects_);
  objects_ = nullptr;
  count_ = capacity_ = 0;
}
