// The application's cursors: the cursor's visibility, and the universals
// that give it a system shape.
#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace {

constexpr int32_t kArrow = 32512;  // IDC_ARROW

// Shows or hides the cursor, moving the platform's display count only when
// the visibility changes.
ovStatus SetVisible(const ov::Args& a) {
  ovRef visible = ov::get("Visible?"_attr, a.receiver());
  bool show = ov::isTrue(a[1]);
  if (show ? ov::isTrue(visible) : ov::isFalse(visible)) return ovSuccess;
  ov::set("Visible?"_attr, a.receiver(), a[1]);
  ShowCursor(show ? TRUE : FALSE);
  return ovSuccess;
}

ovStatus SetCursorToPredefined(const ov::Args& a) {
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCE(ov::toInt(a[0]))));
  return ovSuccess;
}

ovStatus SimpleArrowCursor(const ov::Args&) {
  return ov::universal<0>("Set Cursor To Predefined"_uni, {ov::integer(kArrow)}).status;
}

const ovClassDeclaration kCursorsClass({
    .name = "Cursors"_cls,
    .attributes = {"Cursor List"_attr, "Current"_attr, "When"_attr, "Rate"_attr, "Visible?"_attr},
    .methods = {{"Set Visible?"_sel, ov::routine<SetVisible>}},
});

const ovUniversalDeclaration kSetCursorToPredefined("Set Cursor To Predefined"_uni, ov::routine<SetCursorToPredefined>);
const ovUniversalDeclaration kSimpleArrowCursor("Simple Arrow Cursor"_uni, ov::routine<SimpleArrowCursor>);

}  // namespace
