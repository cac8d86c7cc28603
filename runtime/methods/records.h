// Platform records held as values. A record is a pointer value that owns
// memory of a record type's size (what "make-pointer" gives): the platform
// reads and writes that memory, and bodies read and write its fields at the
// platform's own offsets (record_fields.h).
#pragma once

#include <algorithm>

#include "runtime/externals/conversions.h"
#include "runtime/externals/field_access.h"
#include "runtime/externals/record_fields.h"
#include "runtime/methods/kit.h"

namespace ov {

// A new record of the type, zero-filled, owned by the pointer value.
ovRef newRecord(const ovExternalName& type);
// Frees the record's memory; the pointer value then gives no address.
void disposeRecord(In record);

// The record's memory, for a platform call; nullptr when it has none.
template <typename Record>
Record* recordMemory(In record) {
  return static_cast<Record*>(ovToAddress(record.get()));
}

// A field's value (bytes outside the record read as zero).
template <typename T>
T field(In record, ovField f) {
  T value{};
  ovReadField(record.get(), f.offset, &value, std::min<uint32_t>(f.size, sizeof value));
  return value;
}

// Writes a field in place (records are pointer values).
template <typename T>
void setField(In record, ovField f, const T& value) {
  ovDecUse(ovWriteField(record.get(), f.offset, &value, std::min<uint32_t>(f.size, sizeof value)));
}

}  // namespace ov
