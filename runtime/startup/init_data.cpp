#include "runtime/startup/init_data.h"

#include "runtime/archive/from_bytes.h"
#include "runtime/tables/header.h"
#include "runtime/values/list.h"
#include "runtime/values/value_ref.h"

namespace {

bool isListOfThreeLists(ovC_object* root) {
  if (!ovIsKind(root, ovKindList) || ovListGetLength(root) != 3) return false;
  for (uint32_t i = 0; i < 3; ++i)
    if (!ovIsKind(ovListGetSlot(root, i, 0), ovKindList)) return false;
  return true;
}

}  // namespace

void InitData(HINSTANCE instance) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCE(kArchiveResourceId), MAKEINTRESOURCE(kArchiveResourceType));
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const auto* block = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  if (!block) return;
  InitDataFromBlock(block, SizeofResource(instance, found));
  FreeResource(loaded);
}

void InitDataFromBlock(const unsigned char* block, size_t size) {
  ovC_object* decoded = nullptr;
  DBFromBytes(block, size, &decoded);
  ovRef root = ovRef::adopt(decoded);
  if (!isListOfThreeLists(root.get())) return;
  ovC_object* lists = root.get();
  RTHeader::InitializeData(ovListGetSlot(lists, 0, 0), ovListGetSlot(lists, 1, 0), ovListGetSlot(lists, 2, 0));
}
