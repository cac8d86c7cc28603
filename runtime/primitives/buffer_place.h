// Buffer placement: where the byte-access primitives ("get-text",
// "put-integer", "put-text") read and write.
//
// Only memory the run-time can vouch for is touched: an external block's
// data, the block of a handle, memory behind a plain pointer (pointee.h).
// An integer is not an address; a disposed pointer, one made from a number
// and every other value give no place. Before a write, an external block or
// a handle's block smaller than offset + length is grown to that size.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/values/value.h"

struct ovBufferPlace {
  unsigned char* data = nullptr;  // nullptr: no place
  size_t available = 0;           // bytes that may be touched from data on
};

// The place offset bytes into target; nothing for a negative offset.
ovBufferPlace ovBufPlace(bool readOnly, ovC_object* target, int32_t offset, int32_t length);
