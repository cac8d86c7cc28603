// The memory a pointer value lets the run-time read and write.
//
// The run-time dereferences only addresses it can vouch for: memory it
// allocated (its size is known), a handle's block (its size is the handle's),
// or an address the platform handed back (its extent is the platform's
// word). An address made from a number, a disposed content and a null
// address give nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/values/value.h"

// Bytes at data the run-time may touch; data is nullptr when it may touch
// none. For an address the platform handed back, size is ovPointeeUnbounded.
struct ovPointee {
  unsigned char* data = nullptr;
  size_t size = 0;
};
inline constexpr size_t ovPointeeUnbounded = SIZE_MAX;

// What a pointer value gives access to; nothing for any other value.
ovPointee ovPointeeOf(const ovC_object* v);

// A plain pointer holding an address the run-time hands to the platform but
// reads and writes no byte through: code, or a handle that is an address.
ovC_object* ovMakeOpaquePointer(void* address);

// The same after offset: the bytes from offset on, nothing when offset lies
// beyond them.
ovPointee ovPointeeAt(const ovC_object* v, uint32_t offset);
