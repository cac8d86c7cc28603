#include "runtime/values/allocate.h"

#include "runtime/memory/heap.h"

uint32_t ovGrowableValueSize(uint16_t kind, uint64_t partBytes, uint32_t reserve) {
  uint64_t size = ovVariablePartOffset(kind) + (partBytes > reserve ? partBytes : reserve);
  if (size > ovMemMaxRequest) ovMemExhausted(ovMemMaxRequest);
  return static_cast<uint32_t>(size);
}

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

void ovGrowValue(ovC_object* v, uint64_t partBytes) {
  uint64_t room = ovVariablePartRoom(v);
  if (partBytes <= room) return;
  uint32_t exact = ovGrowableValueSize(v->type, partBytes, 0);
  uint64_t doubled = ovVariablePartOffset(v->type) + 2 * room;
  // Near the heap's limit the part grows to exactly what it needs.
  ovResizeValue(v, doubled > exact && doubled <= ovMemMaxRequest ? static_cast<uint32_t>(doubled) : exact);
}

void ovFreeValue(ovC_object* v) { ovRunTimeHeap->Free(v); }
