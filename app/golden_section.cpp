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

// The golden-section factor and its companion, as constants of the methods.
constexpr double kGolden = 0.6180499;
constexpr double kGoldenPlusOne = 1.6180499;

ovRef times(ovC_object* x, double factor) { return ov::primitive("*"_prim, {x, ov::real(factor)}).take(); }

ovRef rounded(ovC_object* x) { return ov::primitive("round"_prim, {x, ov::integer(0)}).take(); }

ovRef printed(ovC_object* x) { return ov::primitive("to-string"_prim, {x}).take(); }

ovRef item(ovC_object* window, const char* name) {
  return ov::send("Find Window Item"_sel, window, {ov::text(name)}).take();
}

ovStatus Quin1(const ov::Args& a) {
  ovC_object* window = a[0];
  ovRef x = ov::primitive("from-string"_prim, {a[1]}).take();
  ovRef y = times(x.get(), kGolden);
  ovRef b = rounded(y.get());
  ovRef z = times(y.get(), kGolden);
  ovRef smaller = rounded(z.get());
  ovRef shownSmaller = printed(smaller.get());
  ovRef itemA = item(window, "A1");
  ovRef shownLarger = printed(b.get());
  ovRef itemB = item(window, "B1");
  ov::tell("Set Value"_sel, itemB, {shownLarger});
  ov::tell("Set Value"_sel, itemA, {shownSmaller});
  return ovSuccess;
}

ovStatus Quin2(const ov::Args& a) {
  ovC_object* window = a[0];
  ovRef x = ov::primitive("from-string"_prim, {a[1]}).take();
  ovRef smaller = rounded(times(x.get(), kGolden).get());
  ovRef shownSmaller = printed(smaller.get());
  ovRef itemA = item(window, "A2");
  ovRef whole = rounded(times(x.get(), kGoldenPlusOne).get());
  ovRef shownWhole = printed(whole.get());
  ovRef itemC = item(window, "C2");
  ov::tell("Set Value"_sel, itemC, {shownWhole});
  ov::tell("Set Value"_sel, itemA, {shownSmaller});
  return ovSuccess;
}

const ovUniversalDeclaration kQuin1("Quin1"_uni, ov::routine<Quin1>);
const ovUniversalDeclaration kQuin2("Quin2"_uni, ov::routine<Quin2>);

}  // namespace
