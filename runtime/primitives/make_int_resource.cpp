// "MakeIntResource": the pointer form the platform uses for a numeric
// resource identifier.
#include "runtime/primitives/primitive_kit.h"
#include "runtime/primitives/window_words.h"
#include "runtime/values/read.h"

namespace {

// An "ABlock" pointer whose address is the low 16 bits of n. It names a
// resource; the run-time never reads or writes through it.
ovStatus MakeIntResource(const ov::Args& a) {
  auto id = static_cast<uintptr_t>(LoWord(static_cast<uint32_t>(ovGetInteger(a[0]))));
  ovRef p = ovRef::adopt(ovMakePtr(nullptr, reinterpret_cast<void*>(id)));
  p.as<ovC_pointer>()->flags |= ovPointerFromNumber;
  a.put(0, std::move(p));
  return ovSuccess;
}

const ovPrimitiveDeclaration kMakeIntResource("MakeIntResource", ov::routine<MakeIntResource>);

}  // namespace
