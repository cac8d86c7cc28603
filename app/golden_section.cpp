// The calculator's two methods, one per row of its window.
//
// Row 1: the user types a whole; "Go1" shows its larger part (the whole
// times 0.6180499, rounded) in "B1" and the smaller part (the unrounded
// larger part times 0.6180499 again, rounded) in "A1".
// Row 2: the user types a larger part; "Go2" shows the smaller part in "A2"
// and the whole (the larger part times 1.6180499, rounded) in "C2".
//
// Each step's status is ignored, as the methods have no failure path of
// their own: a value that does not read flows on as whatever the run-time
// makes of it, and both methods always succeed.
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector FindWindowItem("Find Window Item");
const ovMethodSelector SetValue("Set Value");
}  // namespace sel

namespace prim {
const ovPrimitiveName FromString("from-string");
const ovPrimitiveName Multiply("*");
const ovPrimitiveName Round("round");
const ovPrimitiveName ToString("to-string");
}  // namespace prim

// The golden-section factor and its companion, as constants of the methods.
constexpr double kGolden = 0.6180499;
constexpr double kGoldenPlusOne = 1.6180499;

ovRef times(ovC_object* x, double factor) { return ov::primitive(prim::Multiply, {x, ov::real(factor)}).take(); }

ovRef rounded(ovC_object* x) { return ov::primitive(prim::Round, {x, ov::integer(0)}).take(); }

ovRef printed(ovC_object* x) { return ov::primitive(prim::ToString, {x}).take(); }

ovRef item(ovC_object* window, const char* name) {
  return ov::send(sel::FindWindowItem, window, {ov::text(name)}).take();
}

ovStatus Quin1(const ov::Args& a) {
  ovC_object* window = a[0];
  ovRef x = ov::primitive(prim::FromString, {a[1]}).take();
  ovRef y = times(x.get(), kGolden);
  ovRef b = rounded(y.get());
  ovRef z = times(y.get(), kGolden);
  ovRef smaller = rounded(z.get());
  ovRef shownSmaller = printed(smaller.get());
  ovRef itemA = item(window, "A1");
  ovRef shownLarger = printed(b.get());
  ovRef itemB = item(window, "B1");
  ov::send<0>(sel::SetValue, itemB, {shownLarger});
  ov::send<0>(sel::SetValue, itemA, {shownSmaller});
  return ovSuccess;
}

ovStatus Quin2(const ov::Args& a) {
  ovC_object* window = a[0];
  ovRef x = ov::primitive(prim::FromString, {a[1]}).take();
  ovRef smaller = rounded(times(x.get(), kGolden).get());
  ovRef shownSmaller = printed(smaller.get());
  ovRef itemA = item(window, "A2");
  ovRef whole = rounded(times(x.get(), kGoldenPlusOne).get());
  ovRef shownWhole = printed(whole.get());
  ovRef itemC = item(window, "C2");
  ov::send<0>(sel::SetValue, itemC, {shownWhole});
  ov::send<0>(sel::SetValue, itemA, {shownSmaller});
  return ovSuccess;
}

const ovUniversalDeclaration kQuin1("Quin1", ov::routine<Quin1>);
const ovUniversalDeclaration kQuin2("Quin2", ov::routine<Quin2>);

}  // namespace
