// Decoding a whole archive block.
#include "runtime/archive/from_bytes.h"

#include "runtime/archive/uncluster.h"
#include "runtime/values/db_visit.h"
#include "runtime/values/make.h"

namespace {

// A damaged block outranks an unknown name; otherwise the last non-zero
// status wins.
uint16_t worseStatus(uint16_t kept, uint16_t next) {
  if (kept == DBStatusMalformed || next == DBStatusOK) return kept;
  return next;
}

// Marks the items that the root reaches through pending slots. Items no path
// from the root reaches are never stored anywhere, and their slots stay
// unfilled, so that nothing of theirs holds a use of a reachable object.
std::vector<bool> reachableItems(const DBDecoding& decoding) {
  std::vector<bool> reachable(decoding.pending.size(), false);
  std::vector<uint32_t> work;
  if (!reachable.empty()) work.push_back(1);
  while (!work.empty()) {
    uint32_t item = work.back();
    work.pop_back();
    if (item == 0 || item > reachable.size() || reachable[item - 1]) continue;
    reachable[item - 1] = true;
    const DBPendingSlots& pending = decoding.pending[item - 1];
    for (uint32_t i = 0; i < pending.count; ++i) work.push_back(decoding.references[pending.firstReference + i]);
  }
  return reachable;
}

// Unreachable objects were never referenced, so they have no uses left:
// giving each one use and taking it back frees it (shared constants stay).
// A handle's block goes with it: nobody else can ever dispose of it.
void releaseUnreachable(const std::vector<bool>& reachable) {
  for (uint32_t index = 0; index < reachable.size(); ++index) {
    if (reachable[index]) continue;
    ovC_object* object = DBVisitGetNth(index + 1);
    if (ovIsKind(object, ovKindPointer)) ovDisposePointer(object);
    ovDecUse(ovIncUse(object));
  }
}

}  // namespace

void DBUnclusterObjects(DBRecordReader& reader, DBDecoding& decoding) {
  DBRecord record;
  while (reader.Next(&record)) {
    DBPendingSlots pending;
    uint16_t status = DBStatusOK;
    DBVisitAdd(DBUnclusterObject(record, decoding, &pending, &status));
    decoding.pending.push_back(pending);
    decoding.status = worseStatus(decoding.status, status);
  }
  if (reader.Fault() != DBFault::None) decoding.status = DBStatusMalformed;
}

uint16_t DBFromBytes(const unsigned char* block, size_t size, ovC_object** result) {
  DBVisitInit();
  DBRecordReader reader(block, size);
  DBDecoding decoding;
  DBUnclusterObjects(reader, decoding);
  std::vector<bool> reachable = reachableItems(decoding);
  DBUnclusterReferences(decoding, reachable);
  *result = ovIncUse(DBVisitGetNth(1));
  releaseUnreachable(reachable);
  DBVisitClear(0);
  return decoding.status;
}
