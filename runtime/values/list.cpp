// Lists: a length and that many value references, each of which may be null.
// A list owns one use of each non-null element.
//
// The storage may have room beyond the length, which is never read. A list
// that grows is given room to spare (ovGrowValue), so appending one element
// at a time costs amortised constant time; Reserve makes exactly the room
// asked for. Removing elements gives the room back once the length falls
// below a quarter of it, so that appends and removals at the same length do
// not resize every time; ShrinkToLength gives it back at once. Storage never
// holds less than one element.
#include <algorithm>
#include <cstring>

#include "runtime/memory/heap.h"
#include "runtime/values/allocate.h"
#include "runtime/values/list.h"

namespace {

uint32_t listSize(uint64_t elements) {
  return ovGrowableValueSize(ovKindList, elements * sizeof(ovC_object*), sizeof(ovC_object*));
}

}  // namespace

ovC_list* ovC_list::Create(uint32_t n) {
  auto* list = ovAs<ovC_list>(ovAllocValue(ovKindList, listSize(n)));
  list->length = n;
  return list;
}

void ovC_list::ResizeTo(uint32_t elements) { ovResizeValue(this, listSize(elements)); }

void ovC_list::GrowTo(uint64_t elements) { ovGrowValue(this, elements * sizeof(ovC_object*)); }

void ovC_list::Insert(ovC_object* v, uint32_t i, int use) {
  i = std::min(i, length);
  if (use) ovIncUse(v);
  GrowTo(uint64_t{length} + 1);
  ovC_object** elements = Elements();
  std::memmove(elements + i + 1, elements + i, (length - i) * sizeof(ovC_object*));
  elements[i] = v;
  ++length;
}

void ovC_list::Remove(uint32_t i, int use) {
  if (i >= length) return;
  ovC_object** elements = Elements();
  ovC_object* removed = elements[i];
  std::memmove(elements + i, elements + i + 1, (length - i - 1) * sizeof(ovC_object*));
  --length;
  elements[length] = nullptr;
  if (length < Capacity() / 4) ResizeTo(length);
  // Dropped last: the element may be the only thing keeping this list alive.
  if (use) ovDecUse(removed);
}

ovC_object* ovC_list::GetNth(uint32_t i, int use) {
  if (i >= length) return nullptr;
  ovC_object* v = Elements()[i];
  return use ? ovIncUse(v) : v;
}

void ovC_list::SetNth(ovC_object* v, uint32_t i, int dropOld, int useNew) {
  if (i >= length) return;
  if (useNew) ovIncUse(v);
  ovC_object** slot = &Elements()[i];
  ovC_object* old = *slot;
  *slot = v;
  if (dropOld) ovDecUse(old);
}

void ovC_list::Join(ovC_list* other, int use) {
  if (!other) return;
  uint32_t added = other->length;
  uint32_t old = length;
  GrowTo(uint64_t{old} + added);
  ovC_object** elements = Elements();
  // When other is this list its elements are the first `added` of ours.
  ovC_object** source = other->Elements();
  for (uint32_t k = 0; k < added; ++k) elements[old + k] = use ? ovIncUse(source[k]) : source[k];
  length = old + added;
}

ovC_list* ovC_list::Extract(uint32_t from, uint32_t to, int use) {
  if (length == 0 || from > to) return Create(0);
  to = std::min(to, length - 1);
  if (from > to) return Create(0);
  uint32_t count = to - from + 1;
  ovC_list* part = Create(count);
  ovC_object** source = Elements() + from;
  ovC_object** target = part->Elements();
  for (uint32_t k = 0; k < count; ++k) target[k] = use ? ovIncUse(source[k]) : source[k];
  return part;
}

void ovC_list::ShrinkToLength() { ResizeTo(length); }

uint32_t ovC_list::Capacity() { return ovVariablePartRoom(this) / sizeof(ovC_object*); }

void ovC_list::Reserve(uint32_t n) {
  if (n > Capacity()) ResizeTo(n);
}

uint32_t ovListGetLength(const ovC_object* l) { return ovAs<ovC_list>(l)->length; }

void ovListAppend(ovC_object* l, ovC_object* v, int use) {
  auto* list = ovAs<ovC_list>(l);
  list->Insert(v, list->length, use);
}

void ovListDeleteItem(ovC_object* l, uint32_t i, int use) { ovAs<ovC_list>(l)->Remove(i, use); }

ovC_object* ovListExtract(ovC_object* l, uint32_t from, uint32_t to, int use) {
  return ovAs<ovC_list>(l)->Extract(from, to, use);
}

ovC_object* ovListGetSlot(ovC_object* l, uint32_t i, int use) { return ovAs<ovC_list>(l)->GetNth(i, use); }

void ovListSetSlot(ovC_object* l, uint32_t i, int dropOld, int useNew, ovC_object* v) {
  ovAs<ovC_list>(l)->SetNth(v, i, dropOld, useNew);
}

void ovListJoin(ovC_object* l, ovC_object* other, int use) { ovAs<ovC_list>(l)->Join(ovAs<ovC_list>(other), use); }
