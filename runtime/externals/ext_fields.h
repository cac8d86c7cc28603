// The field routines compiled bodies call on C data held as values (see
// field_access.h for what each kind of object does). Offsets are bytes; take
// them from the platform's own records (record_fields.h).
//
// A setter stores the changed object in its output slot. A getter stores the
// field's value in valueSlot and passes the object through to objectSlot
// with one more use. Whatever a routine stores replaces what the slot held.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

void UCExtSetFieldInt4(uint32_t offset, ovC_object* object, const ovC_object* value, ovC_object** out);
void UCExtSetFieldInt2(uint32_t offset, ovC_object* object, const ovC_object* value, ovC_object** out);
// The value as an address, in a field as wide as one on this platform.
void UCExtSetFieldPointer(uint32_t offset, ovC_object* object, const ovC_object* value, ovC_object** out);
// The point's POINT form (8 bytes).
void UCExtSetFieldPoint(uint32_t offset, ovC_object* object, ovC_object* value, ovC_object** out);

void UCExtGetFieldInt4(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot);
// TRUE when the 4-byte field is not zero.
void UCExtGetFieldBool4(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot);
void UCExtGetFieldPoint(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot);
void UCExtGetFieldRect(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot);
