// Allocation of value objects from the run-time heap.
//
// Heap exhaustion is fatal for values: no caller could go on with an object
// that was not made or did not grow, so these end the process with a message
// instead of answering nullptr.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// Bytes the heap is asked for a growable value: the fixed part of its kind
// and a variable part of partBytes, at least the inline reserve. A size the
// heap could never supply is exhaustion.
uint32_t ovGrowableValueSize(uint16_t kind, uint64_t partBytes, uint32_t reserve);

// A zero-filled value object of size bytes with its kind set and one use.
ovC_object* ovAllocValue(uint16_t kind, uint32_t size);

// Resizes a value object to size bytes; its header stays in place.
void ovResizeValue(ovC_object* v, uint32_t size);

// Makes the variable part of a text or list hold at least partBytes. When it
// must grow, its room is doubled unless partBytes is more, so that growing
// one element or character at a time costs amortised constant time, and a
// value allocated right behind it does not force a move on every step.
void ovGrowValue(ovC_object* v, uint64_t partBytes);

// Returns a value object's memory to the heap (no use-count logic).
void ovFreeValue(ovC_object* v);
