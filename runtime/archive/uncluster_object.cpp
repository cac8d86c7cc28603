// Making one item's value from its record.
#include <algorithm>
#include <bit>
#include <cstring>

#include "runtime/archive/format.h"
#include "runtime/archive/from_bytes.h"
#include "runtime/archive/item_kind.h"
#include "runtime/archive/uncluster.h"
#include "runtime/memory/low_memory.h"
#include "runtime/values/byte_order.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"

namespace {

double bigEndianDouble(const unsigned char* p) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits = bits << 8 | p[i];
  return std::bit_cast<double>(bits);
}

// Stored points are (vertical, horizontal); rects (top, left, bottom, right).
ovC_object* makePoint(const unsigned char* p) { return ovMakePointWin(ovntohInt2Ptr(p + 2), ovntohInt2Ptr(p)); }

ovC_object* makeRect(const unsigned char* p) {
  return ovMakeRectMac(ovntohInt2Ptr(p), ovntohInt2Ptr(p + 2), ovntohInt2Ptr(p + 4), ovntohInt2Ptr(p + 6));
}

ovC_object* makeRGB(const unsigned char* p) {
  return ovMakeRGB(ovntohNat2Ptr(p), ovntohNat2Ptr(p + 2), ovntohNat2Ptr(p + 4));
}

// Notes count references from the payload, for the slots from firstSlot on.
void notePending(const unsigned char* payload, uint32_t count, uint32_t firstSlot, DBDecoding& decoding,
                 DBPendingSlots* pending) {
  pending->firstReference = static_cast<uint32_t>(decoding.references.size());
  pending->count = count;
  pending->firstSlot = firstSlot;
  for (uint32_t i = 0; i < count; ++i)
    decoding.references.push_back(static_cast<uint32_t>(ovntohInt4Ptr(payload + kDBReferenceSize * i)));
}

ovC_object* makeList(const DBRecord& record, DBDecoding& decoding, DBPendingSlots* pending) {
  uint32_t count = record.payloadLength / kDBReferenceSize;
  notePending(record.payload, count, 0, decoding, pending);
  return ovMakeList(count);
}

// References beyond the class's slots are ignored; missing ones leave NULL.
// An unknown class gives a list of its (unstored, so empty) name and the
// references.
ovC_object* makeInstance(const DBRecord& record, DBDecoding& decoding, DBPendingSlots* pending, uint16_t* status) {
  uint32_t count = record.payloadLength / kDBReferenceSize;
  RTClass* cls = DBGetReferenceClass(record.tag);
  if (cls) {
    notePending(record.payload, std::min(count, cls->slotCount), 0, decoding, pending);
    return ovMakeEmptyInstance(cls);
  }
  *status = DBStatusUnknownName;
  notePending(record.payload, count, 1, decoding, pending);
  ovC_object* list = ovMakeList(count + 1);
  ovListSetSlot(list, 0, 0, 0, ovMakeText(""));
  return list;
}

ovC_object* makeExternal(const DBRecord& record, uint16_t* status) {
  RTExternal* type = DBGetReferenceExternalType(record.tag);
  if (!type) {
    *status = DBStatusUnknownName;
    return nullptr;
  }
  return ovMakeExternal(type, record.payloadLength, record.payload);
}

// A new handle-held block holding the payload.
ovC_object* makeHandle(const DBRecord& record, uint16_t* status) {
  RTExternal* type = DBGetReferenceExternalType(record.tag);
  if (!type) {
    *status = DBStatusUnknownName;
    return nullptr;
  }
  ovC_object* handle = ovMakePtrFromSize(type, record.payloadLength, 2);
  if (handle && record.payloadLength)
    std::memcpy(*static_cast<ovHandle>(ovPtrGetValue(handle)), record.payload, record.payloadLength);
  return handle;
}

}  // namespace

ovC_object* DBMakeItemValue(const DBRecord& record, DBDecoding& decoding, DBPendingSlots* pending, uint16_t* status) {
  const unsigned char* p = record.payload;
  switch (DBKindOfTag(record.tag)) {
    case DBItemKind::Boolean:
      return ovMakeBoolean(ovntohNat2Ptr(p) != 0);
    case DBItemKind::Integer:
      return ovMakeInteger(ovntohInt4Ptr(p));
    case DBItemKind::List:
      return makeList(record, decoding, pending);
    case DBItemKind::None:
      return ovMakeNone();
    case DBItemKind::ExtendedReal:
      return ovMakeReal(ovReal10toReal8(p));
    case DBItemKind::Text:
      return ovMakeTextFromString(reinterpret_cast<const char*>(p), record.payloadLength);
    case DBItemKind::Undefined:
      return ovMakeUndef();
    case DBItemKind::Point:
      return makePoint(p);
    case DBItemKind::Rect:
      return makeRect(p);
    case DBItemKind::RGB:
      return makeRGB(p);
    case DBItemKind::Real:
      return ovMakeReal(bigEndianDouble(p));
    case DBItemKind::External:
      return makeExternal(record, status);
    case DBItemKind::Handle:
      return makeHandle(record, status);
    case DBItemKind::Instance:
      return makeInstance(record, decoding, pending, status);
    case DBItemKind::Unknown:
      return nullptr;
  }
  return nullptr;
}

ovC_object* DBUnclusterObject(const DBRecord& record, DBDecoding& decoding, DBPendingSlots* pending, uint16_t* status) {
  *pending = DBPendingSlots{};
  *status = DBStatusOK;
  if (!DBPayloadIsWellFormed(record)) {
    *status = DBStatusMalformed;
    return nullptr;
  }
  ovC_object* value = DBMakeItemValue(record, decoding, pending, status);
  ovUnclusterUseCount(value);
  return value;
}
