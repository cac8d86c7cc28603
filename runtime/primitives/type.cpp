// Type primitives: kind tests and the name of a value's kind.
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

template <uint16_t Kind>
ovStatus IsKind(const ov::Args& a) {
  return ovPrim::answerPredicate(a, ovIsType(a[0], Kind));
}

// "null", "boolean", "integer", "real", "string", "list", "none",
// "undefined", "external", or an instance's class name.
ovStatus Type(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovGetTypeName(a[0])));
  return ovSuccess;
}

const ovPrimitiveDeclaration kIsBoolean("boolean?", ov::routine<IsKind<ovKindBoolean>>);
const ovPrimitiveDeclaration kIsInteger("integer?", ov::routine<IsKind<ovKindInteger>>);
const ovPrimitiveDeclaration kIsList("list?", ov::routine<IsKind<ovKindList>>);
const ovPrimitiveDeclaration kIsString("string?", ov::routine<IsKind<ovKindText>>);
const ovPrimitiveDeclaration kType("type", ov::routine<Type>);

}  // namespace
