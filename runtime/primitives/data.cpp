// Conversions between values and their textual form.
#include "runtime/parser/from_string.h"
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/unparse.h"

namespace {

// The printed form (ovUnparse): texts at top level come out quoted.
ovStatus ToString(const ov::Args& a) {
  ovC_object* printed = nullptr;
  ovUnparse(a[0], &printed);
  a.put(0, ovRef::adopt(printed));
  return ovSuccess;
}

// The value the text denotes; the input itself when it does not read.
ovStatus FromString(const ov::Args& a) {
  ovC_object* value = nullptr;
  uint32_t errorOffset = 0;
  if (ovFromString(a[0], &value, &errorOffset) != 0)
    a.put(0, a[0]);
  else
    a.put(0, ovRef::adopt(value));
  return ovSuccess;
}

const ovPrimitiveDeclaration kToString("to-string", ov::routine<ToString>);
const ovPrimitiveDeclaration kFromString("from-string", ov::routine<FromString>);

}  // namespace
