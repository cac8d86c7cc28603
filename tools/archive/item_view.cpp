#include "tools/archive/item_view.h"

#include <bit>
#include <cmath>

#include "runtime/archive/format.h"
#include "runtime/archive/from_bytes.h"
#include "runtime/archive/item_kind.h"
#include "runtime/values/byte_order.h"

namespace {

uint32_t referenceAt(const DBRecord& record, uint32_t i) {
  return static_cast<uint32_t>(ovntohInt4Ptr(record.payload + kDBReferenceSize * i));
}

// Whole references, each naming an item of the block or NULL.
bool referencesAreSound(const DBRecord& record, uint32_t itemCount) {
  if (record.payloadLength % kDBReferenceSize) return false;
  for (uint32_t i = 0; i < record.payloadLength / kDBReferenceSize; ++i)
    if (referenceAt(record, i) > itemCount) return false;
  return true;
}

// The value text form reads a quoted text back unchanged unless it holds a
// NUL (printing stops there) or a byte 0xFF (reading stops there).
bool textReadsBack(const DBRecord& record) {
  for (uint32_t i = 0; i < record.payloadLength; ++i)
    if (record.payload[i] == 0 || record.payload[i] == 0xFF) return false;
  return true;
}

bool realReadsBack(const DBRecord& record) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits = bits << 8 | record.payload[i];
  return std::isfinite(std::bit_cast<double>(bits));
}

void viewShared(ItemView& view, int shared, bool exact) {
  if (!exact) return;
  view.form = ItemForm::Shared;
  view.shared = shared;
}

void viewBoolean(ItemView& view) {
  uint16_t value = view.record.payloadLength == 2 ? ovntohNat2Ptr(view.record.payload) : 2;
  viewShared(view, value == 1 ? 0 : 1, value <= 1);
}

void viewPlain(ItemView& view, bool exact) {
  if (exact) view.form = ItemForm::Plain;
}

void viewList(ItemView& view, uint32_t itemCount) {
  if (!referencesAreSound(view.record, itemCount)) return;
  view.form = ItemForm::List;
  view.referenceCount = view.record.payloadLength / kDBReferenceSize;
}

void viewInstance(ItemView& view, uint32_t itemCount, SlotNames& slotNames, std::string* problem) {
  view.cls = DBGetReferenceClass(view.record.tag);
  if (!view.cls) {
    *problem = "names class number " + std::to_string(DBTagCode(view.record.tag)) + ", which the tables lack";
    return;
  }
  // The text form writes instance tags of one category only.
  bool writable = DBTagCategoryOf(view.record.tag) == DBCategoryInstance;
  if (!writable || !referencesAreSound(view.record, itemCount)) return;
  view.referenceCount = view.record.payloadLength / kDBReferenceSize;
  bool named = view.referenceCount == view.cls->slotCount && slotNames.AreDistinct(view.cls);
  view.form = named ? ItemForm::Instance : ItemForm::Positional;
}

void viewBytes(ItemView& view, std::string* problem) {
  view.type = DBGetReferenceExternalType(view.record.tag);
  if (view.type)
    view.form = ItemForm::Bytes;
  else
    *problem = "names external type number " + std::to_string(DBTagCode(view.record.tag)) + ", which the tables lack";
}

}  // namespace

uint32_t ItemView::Reference(uint32_t i) const { return referenceAt(record, i); }

ItemView ovViewItem(const DBRecord& record, uint32_t itemCount, SlotNames& slotNames, std::string* problem) {
  ItemView view;
  view.record = record;
  if (!DBPayloadIsWellFormed(record)) {
    *problem = "its payload is too short for its kind, or it is a list starting with the refused marker";
    return view;
  }
  uint32_t length = record.payloadLength;
  uint32_t code = DBTagCode(record.tag);
  switch (DBKindOfTag(record.tag)) {
    case DBItemKind::Boolean:
      viewBoolean(view);
      break;
    case DBItemKind::None:
      viewShared(view, 2, length == 0);
      break;
    case DBItemKind::Undefined:
      viewShared(view, 3, length == 0);
      break;
    case DBItemKind::Integer:
      viewPlain(view, code == DBCodeInteger && length == 4);
      break;
    case DBItemKind::Text:
      viewPlain(view, textReadsBack(record));
      break;
    case DBItemKind::Point:
      viewPlain(view, length == 4);
      break;
    case DBItemKind::Rect:
      viewPlain(view, length == 8);
      break;
    case DBItemKind::RGB:
      viewPlain(view, length == 6);
      break;
    case DBItemKind::Real:
      viewPlain(view, length == 8 && realReadsBack(record));
      break;
    case DBItemKind::List:
      viewList(view, itemCount);
      break;
    case DBItemKind::Instance:
      viewInstance(view, itemCount, slotNames, problem);
      break;
    case DBItemKind::External:
    case DBItemKind::Handle:
      viewBytes(view, problem);
      break;
    case DBItemKind::ExtendedReal:
    case DBItemKind::Unknown:
      break;
  }
  return view;
}
