// Pointer primitives: pointer values over addresses, memory the run-time
// allocates for them, and the sizes of external types.
#include "runtime/primitives/primitive_kit.h"
#include "runtime/tables/header.h"
#include "runtime/values/read.h"

namespace {

ovRef pointerFromNumber(int32_t n) {
  ovRef p = ovRef::adopt(ovMakePtr(nullptr, reinterpret_cast<void*>(static_cast<intptr_t>(n))));
  p.as<ovC_pointer>()->flags |= ovPointerFromNumber;
  return p;
}

// An "ABlock" pointer whose address is the integer n. It is handed to the
// platform as it is; the run-time never reads or writes through it.
ovStatus ToPointer(const ov::Args& a) {
  a.put(0, pointerFromNumber(ovGetInteger(a[0])));
  return ovSuccess;
}

// The address as an integer (its low 32 bits); NULL for anything that is
// not a pointer.
ovStatus FromPointer(const ov::Args& a) {
  if (ovIsKind(a[0], ovKindPointer))
    a.put(0, ovPrim::integer(static_cast<int32_t>(reinterpret_cast<uintptr_t>(ovPtrGetValue(a[0])))));
  return ovSuccess;
}

// typeName: an owned pointer to new memory of the named type's size (NULL
// for an unknown type). x, size: size bytes of "ABlock" (NULL below 0).
// Without an output nothing is allocated: nobody could ever free it.
ovStatus MakePointer(const ov::Args& a) {
  if (a.outputCount() == 0) return ovSuccess;
  RTExternal* type = nullptr;
  int64_t size = 0;
  if (a.inputCount() >= 2) {
    size = ovGetInteger(a[1]);
  } else {
    type = ovGetExternalTypeFromName(a[0]);
    if (!type) return ovSuccess;
    size = ovGetExternalTypeSize(type);
  }
  if (size >= 0) a.put(0, ovRef::adopt(ovMakePtrFromSize(type, static_cast<uint32_t>(size))));
  return ovSuccess;
}

ovStatus DisposePointer(const ov::Args& a) {
  ovDisposePointer(a[0]);
  return ovSuccess;
}

// Of the type a text names (NULL when unknown), else of the value's own type.
ovStatus GetExternalSize(const ov::Args& a) {
  if (!ovIsKind(a[0], ovKindText)) {
    a.put(0, ovPrim::integer(static_cast<int32_t>(ovGetExternalTypeSize(ovGetExternalType(a[0])))));
    return ovSuccess;
  }
  if (RTExternal* type = ovGetExternalTypeFromName(a[0]))
    a.put(0, ovPrim::integer(static_cast<int32_t>(ovGetExternalTypeSize(type))));
  return ovSuccess;
}

// A pointer to a text's characters and its NUL, valid while the text lives
// and does not grow; NULL for anything but a text.
ovStatus StringAddress(const ov::Args& a) {
  if (!ovIsKind(a[0], ovKindText)) return ovSuccess;
  ovRef p = ovRef::adopt(ovMakePtr(nullptr, ovStringGetPtr(a[0])));
  p.as<ovC_pointer>()->flags |= ovPointerSized;
  p.as<ovC_pointer>()->knownSize = ovStringGetLength(a[0]) + 1;
  a.put(0, std::move(p));
  return ovSuccess;
}

// "lock-string" and "unlock-string" do nothing: a text needs no locking.
ovStatus LockString(const ov::Args&) { return ovSuccess; }

const ovPrimitiveDeclaration kToPointer("to-pointer", ov::routine<ToPointer>);
const ovPrimitiveDeclaration kFromPointer("from-pointer", ov::routine<FromPointer>);
const ovPrimitiveDeclaration kMakePointer("make-pointer", ov::routine<MakePointer>);
const ovPrimitiveDeclaration kDisposePointer("dispose-pointer", ov::routine<DisposePointer>);
const ovPrimitiveDeclaration kGetExternalSize("get-external-size", ov::routine<GetExternalSize>);
const ovPrimitiveDeclaration kStringAddress("string-address", ov::routine<StringAddress>);
const ovPrimitiveDeclaration kLockString("lock-string", ov::routine<LockString>);
const ovPrimitiveDeclaration kUnlockString("unlock-string", ov::routine<LockString>);

}  // namespace
