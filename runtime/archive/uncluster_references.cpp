// Filling the slots of decoded lists and instances with the objects their
// references name.
#include "runtime/archive/uncluster.h"
#include "runtime/values/db_visit.h"

namespace {

// The object of a reference, with one more use; NULL for 0 and for a number
// beyond the items decoded.
ovC_object* referencedObject(uint32_t reference) { return ovIncUse(DBVisitGetNth(reference)); }

void fillSlots(ovC_object** slots, const DBPendingSlots& pending, const DBDecoding& decoding) {
  const uint32_t* references = decoding.references.data() + pending.firstReference;
  for (uint32_t i = 0; i < pending.count; ++i) slots[pending.firstSlot + i] = referencedObject(references[i]);
}

}  // namespace

void DBUnclusterListSlots(ovC_list* list, const DBPendingSlots& pending, const DBDecoding& decoding) {
  fillSlots(list->Elements(), pending, decoding);
}

void DBUnclusterInstanceSlots(ovC_instance* instance, const DBPendingSlots& pending, const DBDecoding& decoding) {
  fillSlots(instance->Slots(), pending, decoding);
}

void DBUnclusterReferences(const DBDecoding& decoding, const std::vector<bool>& reachable) {
  for (uint32_t index = 0; index < decoding.pending.size(); ++index) {
    const DBPendingSlots& pending = decoding.pending[index];
    ovC_object* object = DBVisitGetNth(index + 1);
    if (!reachable[index] || pending.count == 0 || !object) continue;
    if (object->type == ovKindList)
      DBUnclusterListSlots(ovAs<ovC_list>(object), pending, decoding);
    else
      DBUnclusterInstanceSlots(ovAs<ovC_instance>(object), pending, decoding);
  }
}
