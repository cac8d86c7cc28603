// A target for tests of menu enabling: when the target is a text, its
// share of an update claims the item that text names and disables it, so
// a test sees whether a claimer before it got there first. Sends of
// "Update Menus" to instances never reach it.
#include "runtime/methods/kit.h"

namespace {

ovStatus TextTargetClaims(const ov::Args& a) {
  if (!ov::isText(a[0])) return ovSuccess;
  return ov::send<0>("Set Item Enabled?"_sel, a[1], {a[0], a[0], gdDefaultFalse}).status;
}
const ovUniversalDeclaration kTextTargetClaims("Update Menus", ov::routine<TextTargetClaims>);

}  // namespace
