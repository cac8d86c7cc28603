#include "runtime/values/allocate.h"

#include "runtime/memory/heap.h"

ovC_object* ovAllocValue(uint16_t kind, uint32_t size) {
  void* p = ovRunTimeHeap->Alloc(size, 1, ovMemFlagValue);
  if (!p) ovMemExhausted(size);
  auto* v = static_cast<ovC_object*>(p);
  v->type = kind;
  v->useCount = 1;
  v->visitMark = 0;
  return v;
}

void ovResizeValue(ovC_object* v, uint32_t size) {
  if (!ovRunTimeHeap->ReAlloc(v, size)) ovMemExhausted(size);
}

void ovFreeValue(ovC_object* v) { ovRunTimeHeap->Free(v); }
