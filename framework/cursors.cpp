// The application's cursors: the cursor's visibility, and the universals
// that give it a system shape.
#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace {

namespace attr {
const ovAttributeSelector Visible("Visible?");
}  // namespace attr

namespace uni {
const ovUniversalName SetCursorToPredefined("Set Cursor To Predefined");
}  // namespace uni

constexpr int32_t kArrow = 32512;  // IDC_ARROW

// Shows or hides the cursor, moving the platform's display count only when
// the visibility changes.
ovStatus SetVisible(const ov::Args& a) {
  ovRef visible = ov::get(attr::Visible, a.receiver());
  bool show = ov::isTrue(a[1]);
  if (show ? ov::isTrue(visible) : ov::isFalse(visible)) return ovSuccess;
  ov::set(attr::Visible, a.receiver(), a[1]);
  ShowCursor(show ? TRUE : FALSE);
  return ovSuccess;
}

ovStatus SetCursorToPredefined(const ov::Args& a) {
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCE(ov::toInt(a[0]))));
  return ovSuccess;
}

ovStatus SimpleArrowCursor(const ov::Args&) {
  return ov::universal<0>(uni::SetCursorToPredefined, {ov::integer(kArrow)}).status;
}

const ovClassDeclaration kCursorsClass({
    .name = "Cursors",
    .attributes = {"Cursor List", "Current", "When", "Rate", "Visible?"},
    .methods = {{"Set Visible?", ov::routine<SetVisible>}},
});

const ovUniversalDeclaration kSetCursorToPredefined("Set Cursor To Predefined", ov::routine<SetCursorToPredefined>);
const ovUniversalDeclaration kSimpleArrowCursor("Simple Arrow Cursor", ov::routine<SimpleArrowCursor>);

}  // namespace
