// Reading and writing a field of C data held as a value: an external block,
// the memory behind a pointer, or the C form of a point or rectangle.
//
// External blocks are values, so writing a field of one makes a new block;
// the block given never changes. A pointer's memory is written in place. A
// point or rectangle gives a new point or rectangle. An integer is not an
// address: nothing is read or written through it.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// The object with size bytes at offset replaced, as a new owned reference:
//  - external block: a new block of the same type and size holding a copy,
//    the field written when it lies inside the block (else an unchanged
//    copy);
//  - pointer: written in place when the field lies inside the memory the
//    pointer gives access to; the pointer itself with one more use;
//  - point or rectangle: a new one from the changed C form when the field lies
//    inside it, else the same value with one more use;
//  - anything else: the object itself with one more use, nothing written.
ovC_object* ovWriteField(ovC_object* object, uint32_t offset, const void* bytes, uint32_t size);

// Reads size bytes at offset of the same places into bytes; every byte that
// lies outside them reads as zero.
void ovReadField(ovC_object* object, uint32_t offset, void* bytes, uint32_t size);
