// A stand-in for an item of a view that refuses: the text "Refuses" in a
// view's content answers "Draw" and "Set Value" by failing, so a test sees
// where a loop over the content stops. Sends of these to instances never
// reach it; to any other value they do nothing.
#include "runtime/methods/kit.h"

namespace {

ovStatus RefusesWhenItIsTheStandIn(const ov::Args& a) {
  return ov::isText(a[0]) && ov::textEquals(a[0], "Refuses") ? ovFailure : ovSuccess;
}
const ovUniversalDeclaration kRefusesToDraw("Draw", ov::routine<RefusesWhenItIsTheStandIn>);
const ovUniversalDeclaration kRefusesAValue("Set Value", ov::routine<RefusesWhenItIsTheStandIn>);

}  // namespace
