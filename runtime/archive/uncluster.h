// The decoder's steps (from_bytes.h). Items are made first, with slots left
// NULL and their raw references noted aside: a 32-bit item number does not
// belong in a 64-bit slot, even for a moment. Only then are the slots of the
// items the root reaches filled in.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/archive/record_reader.h"
#include "runtime/values/value.h"

// The references an item's slots wait for.
struct DBPendingSlots {
  uint32_t firstReference = 0;  // index into DBDecoding::references
  uint32_t count = 0;
  uint32_t firstSlot = 0;  // 1 in the list that stands in for an unknown class: slot 0 holds its name
};

struct DBDecoding {
  std::vector<DBPendingSlots> pending;  // item k at index k - 1
  std::vector<uint32_t> references;
  uint16_t status = 0;
};

// Makes every item the reader yields, in order, lists each in the visit
// table (NULL too, so that numbers stay aligned) and notes its pending
// slots. Keeps the worst status.
void DBUnclusterObjects(DBRecordReader& reader, DBDecoding& decoding);

// One item's value with its use count lowered to 0 (ovUnclusterUseCount),
// or nullptr; its raw references go to *pending and decoding.references.
// *status receives the item's own status.
ovC_object* DBUnclusterObject(const DBRecord& record, DBDecoding& decoding, DBPendingSlots* pending, uint16_t* status);

// The value of a well-formed item (DBPayloadIsWellFormed), counted for the
// caller, with its raw references noted as for DBUnclusterObject.
ovC_object* DBMakeItemValue(const DBRecord& record, DBDecoding& decoding, DBPendingSlots* pending, uint16_t* status);

// Fills the pending slots of every item marked reachable (index k - 1 for
// item k); each object stored gains one use.
void DBUnclusterReferences(const DBDecoding& decoding, const std::vector<bool>& reachable);
void DBUnclusterListSlots(ovC_list* list, const DBPendingSlots& pending, const DBDecoding& decoding);
void DBUnclusterInstanceSlots(ovC_instance* instance, const DBPendingSlots& pending, const DBDecoding& decoding);
