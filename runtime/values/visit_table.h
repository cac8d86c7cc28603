// The visit table: the objects a graph walk (cloning, archive loading) has
// numbered, so that the walk can find them again and reset their marks.
// Numbers are 1-based. One table serves the process (gpVisitTable); a walk
// must not start while another is using it.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

class RC_visit {
 public:
  RC_visit() = default;
  ~RC_visit();
  RC_visit(const RC_visit&) = delete;
  RC_visit& operator=(const RC_visit&) = delete;

  void Init() {}
  // Appends object (nullptr included) when enabled.
  void Add(ovC_object* object);
  // When enabled and object is not yet numbered: appends it and stores its
  // number in its visit mark.
  void AddIndexed(ovC_object* object);
  // The n-th object, nullptr for 0 or beyond the count.
  ovC_object* GetObject(uint32_t n) const;
  uint32_t Count() const { return count_; }
  // With resetMarks set, first clears the visit mark of every listed object;
  // then empties the table.
  void Cleanup(int resetMarks);

 private:
  void Append(ovC_object* object);

  ovC_object** objects_ = nullptr;
  uint32_t count_ = 0;
  uint32_t capacity_ = 0;
  bool enabled_ = true;
};

extern RC_visit* gpVisitTable;
