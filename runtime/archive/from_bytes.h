// The archive decoder: an archive block (format.h) back into a graph of live
// values.
//
// Every length in the block is checked against the block: a damaged block
// decodes as far as it is valid, the rest is NULL, and the status says so.
// After decoding, every object is owned exactly by the slots that refer to
// it, and the root has one more use, the caller's.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/tables/records.h"
#include "runtime/values/value.h"

enum DBStatus : uint16_t {
  DBStatusOK = 0,
  // The block is damaged (format.h, record_reader.h): items past the damage
  // and items whose payload is too short decode to NULL.
  DBStatusMalformed = 1,
  // An item named a class or an external type the tables do not hold.
  DBStatusUnknownName = 3,
};

// Decodes the size bytes at block into *result: the root with one use for
// the caller, or nullptr when the block holds no items. Returns DBStatusOK,
// DBStatusUnknownName, or DBStatusMalformed, which outranks it.
//
// An instance whose class number names no class decodes to a list: an empty
// text (the class name is not stored) followed by the instance's slots. An
// external or handle of an unknown type, a plain code no kind answers, and a
// list starting with the marker of format.h decode to NULL. A reference to no
// item is NULL.
uint16_t DBFromBytes(const unsigned char* block, size_t size, ovC_object** result);

// The class record that an instance tag's 1-based class number names, or
// nullptr.
RTClass* DBGetReferenceClass(uint32_t tag);
// The external type that an external or handle tag's 0-based type number
// names, or nullptr.
RTExternal* DBGetReferenceExternalType(uint32_t tag);
