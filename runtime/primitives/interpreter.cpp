// "descendants": the class tree as the language sees it.
#include "runtime/primitives/primitive_kit.h"
#include "runtime/tables/header.h"

namespace {

// A class, or the name of one, -> the names of every class that has it as an
// ancestor, in class-table order; the empty list for anything else.
ovStatus Descendants(const ov::Args& a) {
  RTClass* cls = ovCheckInputClass(a[0]);
  a.put(0, cls ? ovRef::adopt(cls->MakeDescendantNameList()) : ovPrim::newList());
  return ovSuccess;
}

const ovPrimitiveDeclaration kDescendants("descendants", ov::routine<Descendants>);

}  // namespace
