#include "runtime/archive/item_kind.h"

#include "runtime/archive/format.h"
#include "runtime/values/byte_order.h"

namespace {

DBItemKind plainKind(uint32_t code) {
  switch (code) {
    case DBCodeBoolean:
      return DBItemKind::Boolean;
    case DBCodeInteger:
    case DBCodeIntegerAlternate:
      return DBItemKind::Integer;
    case DBCodeList:
      return DBItemKind::List;
    case DBCodeNone:
      return DBItemKind::None;
    case DBCodeExtendedReal:
      return DBItemKind::ExtendedReal;
    case DBCodeText:
      return DBItemKind::Text;
    case DBCodeUndefined:
      return DBItemKind::Undefined;
    case DBCodePoint:
      return DBItemKind::Point;
    case DBCodeRect:
      return DBItemKind::Rect;
    case DBCodeRGB:
      return DBItemKind::RGB;
    case DBCodeReal:
      return DBItemKind::Real;
    default:
      return DBItemKind::Unknown;
  }
}

bool startsWithMarker(const DBRecord& record) {
  return record.payloadLength >= kDBReferenceSize &&
         static_cast<uint32_t>(ovntohInt4Ptr(record.payload)) == kDBListMarker;
}

}  // namespace

DBItemKind DBKindOfTag(uint32_t tag) {
  switch (DBTagCategoryOf(tag)) {
    case DBCategoryPlain:
      return plainKind(DBTagCode(tag));
    case DBCategoryExternal:
      return DBItemKind::External;
    case DBCategoryHandle:
      return DBItemKind::Handle;
    default:
      return DBItemKind::Instance;
  }
}

uint32_t DBMinimumPayload(DBItemKind kind) {
  switch (kind) {
    case DBItemKind::Boolean:
      return 2;
    case DBItemKind::Integer:
      return 4;
    case DBItemKind::ExtendedReal:
      return 10;
    case DBItemKind::Point:
      return 4;
    case DBItemKind::Rect:
      return 8;
    case DBItemKind::RGB:
      return 6;
    case DBItemKind::Real:
      return 8;
    default:
      return 0;
  }
}

bool DBPayloadIsWellFormed(const DBRecord& record) {
  DBItemKind kind = DBKindOfTag(record.tag);
  if (record.payloadLength < DBMinimumPayload(kind)) return false;
  return kind != DBItemKind::List || !startsWithMarker(record);
}
