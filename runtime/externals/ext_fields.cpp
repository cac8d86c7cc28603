#include "runtime/externals/ext_fields.h"

#include "runtime/externals/conversions.h"
#include "runtime/externals/field_access.h"
#include "runtime/values/make.h"
#include "runtime/values/packing.h"
#include "runtime/values/value_ref.h"

namespace {

template <typename Field>
void setField(uint32_t offset, ovC_object* object, const Field& field, ovC_object** out) {
  ovRef::adopt(ovWriteField(object, offset, &field, sizeof field)).releaseInto(out);
}

template <typename Field>
Field getField(uint32_t offset, ovC_object* object, ovC_object** objectSlot) {
  Field field{};
  ovReadField(object, offset, &field, sizeof field);
  ovRef::share(object).releaseInto(objectSlot);
  return field;
}

void store(ovC_object* made, ovC_object** slot) { ovRef::adopt(made).releaseInto(slot); }

}  // namespace

void UCExtSetFieldInt4(uint32_t offset, ovC_object* object, const ovC_object* value, ovC_object** out) {
  setField(offset, object, ovToInt32(value), out);
}

void UCExtSetFieldInt2(uint32_t offset, ovC_object* object, const ovC_object* value, ovC_object** out) {
  setField(offset, object, static_cast<int16_t>(ovToInt32(value)), out);
}

void UCExtSetFieldPointer(uint32_t offset, ovC_object* object, const ovC_object* value, ovC_object** out) {
  setField(offset, object, ovToAddress(value), out);
}

void UCExtSetFieldPoint(uint32_t offset, ovC_object* object, ovC_object* value, ovC_object** out) {
  ovPoint point{};
  ovCopyToC(value, &point, sizeof point);
  setField(offset, object, point, out);
}

void UCExtGetFieldInt4(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot) {
  store(ovMakeInteger(getField<int32_t>(offset, object, objectSlot)), valueSlot);
}

void UCExtGetFieldBool4(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot) {
  store(ovMakeBoolean(getField<int32_t>(offset, object, objectSlot) != 0), valueSlot);
}

void UCExtGetFieldPoint(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot) {
  ovPoint point = getField<ovPoint>(offset, object, objectSlot);
  store(ovMakePointFromPointer(&point), valueSlot);
}

void UCExtGetFieldRect(uint32_t offset, ovC_object* object, ovC_object** objectSlot, ovC_object** valueSlot) {
  ovRect rect = getField<ovRect>(offset, object, objectSlot);
  store(ovMakeRectFromPointer(&rect), valueSlot);
}
