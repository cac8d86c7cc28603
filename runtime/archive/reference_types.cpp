// The class and external type records that tags name.
#include "runtime/archive/format.h"
#include "runtime/archive/from_bytes.h"
#include "runtime/tables/header.h"

RTClass* DBGetReferenceClass(uint32_t tag) {
  uint32_t number = DBTagCode(tag);
  return number == 0 ? nullptr : RTHeader::GetClassTable()->GetNthClass(number - 1);
}

RTExternal* DBGetReferenceExternalType(uint32_t tag) {
  return RTHeader::GetExternalTable()->GetNthType(DBTagCode(tag));
}
