// Comparison and logic primitives. The comparisons and "and", "or" are
// predicates (primitive_kit.h); only TRUE counts as true.
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/compare.h"

namespace {

using ovPrim::answerPredicate;
using ovPrim::isTrue;

ovStatus Equal(const ov::Args& a) { return answerPredicate(a, ovEqual(a[0], a[1])); }

ovStatus NotEqual(const ov::Args& a) { return answerPredicate(a, !ovEqual(a[0], a[1])); }

ovStatus Greater(const ov::Args& a) { return answerPredicate(a, ovCompare(a[0], a[1]) == 1); }

ovStatus LessOrEqual(const ov::Args& a) {
  int32_t order = ovCompare(a[0], a[1]);
  return answerPredicate(a, order == -1 || order == 0);
}

// Whether some input is (Wanted) TRUE or (!Wanted) not TRUE.
template <bool Wanted>
bool anyInput(const ov::Args& a) {
  for (uint32_t i = 0; i < a.inputCount(); ++i)
    if (isTrue(a[i]) == Wanted) return true;
  return false;
}

ovStatus And(const ov::Args& a) { return answerPredicate(a, !anyInput<false>(a)); }

ovStatus Or(const ov::Args& a) { return answerPredicate(a, anyInput<true>(a)); }

// FALSE for TRUE, TRUE for anything else.
ovStatus Not(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeBoolean(!isTrue(a[0]))));
  return ovSuccess;
}

ovStatus Choose(const ov::Args& a) {
  a.put(0, isTrue(a[0]) ? a[1] : a[2]);
  return ovSuccess;
}

const ovPrimitiveDeclaration kEqual("=", ov::routine<Equal>);
const ovPrimitiveDeclaration kNotEqual("~=", ov::routine<NotEqual>);
const ovPrimitiveDeclaration kGreater(">", ov::routine<Greater>);
const ovPrimitiveDeclaration kLessOrEqual("<=", ov::routine<LessOrEqual>);
const ovPrimitiveDeclaration kAnd("and", ov::routine<And>);
const ovPrimitiveDeclaration kOr("or", ov::routine<Or>);
const ovPrimitiveDeclaration kNot("not", ov::routine<Not>);
const ovPrimitiveDeclaration kChoose("choose", ov::routine<Choose>);

}  // namespace
