// Graphic items: window items that show a graphic and can act as a button
// drawn by the framework.
//
// A graphic item has no platform window of its own: it draws into its
// owner's while the owner paints, and asks the owner to repaint its frame
// when it changes. "Inverted?" says whether the inverted look was last put
// on screen: it is drawn straight onto the screen, not with the item, so a
// repaint of a graphic without a region shows the item plain again.
//
// The inverted look follows the pointer over the item. A button
// ("Button?") tracks a press with the mouse captured by its owner's
// platform window, from the press on the item ("Capture?" TRUE) to the
// release, which always ends the capture; it clicks only when the press
// was on it and the release is over it too.
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector BorderFrame("Border Frame");
const ovMethodSelector CanRedraw("Can Redraw?");
const ovMethodSelector Close("Close");
const ovMethodSelector DoDraw("Do Draw?");
const ovMethodSelector Draw("Draw");
const ovMethodSelector DrawBorder("Draw Border");
const ovMethodSelector GetFont("Get Font");
const ovMethodSelector GetFrame("Get Frame");
const ovMethodSelector GetLParamHi("Get LParam Hi");
const ovMethodSelector GetLParamLo("Get LParam Lo");
const ovMethodSelector GetLocalWhere("Get Local Where");
const ovMethodSelector GetPen("Get Pen");
const ovMethodSelector GetRegion("Get Region");
const ovMethodSelector GetSize("Get Size");
const ovMethodSelector GetValue("Get Value");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector HasFont("Has Font?");
const ovMethodSelector HasRegion("Has Region?");
const ovMethodSelector Invert("Invert");
const ovMethodSelector MyTrackButton("My Track Button");
const ovMethodSelector Open("Open");
const ovMethodSelector PointIn("Point In?");
const ovMethodSelector PointInGraphic("Point In Graphic?");
const ovMethodSelector PostClickBehavior("Post Click Behavior");
const ovMethodSelector Prepare("Prepare");
const ovMethodSelector PrepareBackground("Prepare Background");
const ovMethodSelector Redraw("Redraw");
const ovMethodSelector SetCapture("Set Capture?");
const ovMethodSelector SetFrame("Set Frame");
const ovMethodSelector SetLocation("Set Location");
const ovMethodSelector SetValue("Set Value");
}  // namespace sel

namespace attr {
const ovAttributeSelector Active("Active?");
const ovAttributeSelector Border("Border");
const ovAttributeSelector Button("Button?");
const ovAttributeSelector Capture("Capture?");
const ovAttributeSelector Frame("Frame");
const ovAttributeSelector Graphic("Graphic");
const ovAttributeSelector Inverted("Inverted?");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Transparent("Transparent?");
}  // namespace attr

namespace cls {
const ovClassName Line("Line");
const ovClassName Text("Text");
const ovClassName WindowItem("Window Item");
}  // namespace cls

namespace uni {
const ovUniversalName Is3D("Is 3D?");
}  // namespace uni

namespace graphic_item {

// The item's graphic, or NULL when it has none (NULL or NONE).
ovRef graphicOf(ovC_object* item) { return ov::getInstance(attr::Graphic, item); }

HWND ownerWindow(ovC_object* item) {
  ovRef owner = ov::get(attr::Owner, item);
  return owner ? ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, owner).get()) : nullptr;
}

ovStatus Open(const ov::Args& a) {
  ov::sendAs<0>(cls::WindowItem, sel::Open, a.receiver(), {a[1]});
  if (ovRef graphic = graphicOf(a.receiver())) ov::send<0>(sel::Open, graphic);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  if (ovRef graphic = graphicOf(a.receiver())) ov::send<0>(sel::Close, graphic);
  return ov::sendAs<0>(cls::WindowItem, sel::Close, a.receiver()).status;
}

// Border, background and graphic.
ovStatus Draw(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::send<0>(sel::DoDraw, item, {a[1]}).failed()) return ovSuccess;
  ov::send<0>(sel::DrawBorder, item);
  ov::send<0>(sel::PrepareBackground, item);
  ovRef graphic = graphicOf(item);
  if (!graphic) return ovSuccess;
  ov::send<0>(sel::Draw, graphic, {ov::get(attr::Frame, item), ov::get(attr::Active, item), ov::get(attr::Transparent, item)});
  return ovSuccess;
}

// A graphic with a region inverts exactly; any other has its frame
// repainted, erased, by its owner.
bool repaintsAfterInverting(ovC_object* graphic) { return ov::send<0>(sel::HasRegion, graphic).failed(); }

// Inverts the item on screen at once: the graphic in the device being drawn
// in, the frame in the owner's platform window.
ovStatus Invert(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::send<0>(sel::PrepareBackground, item);
  ovRef frame = ov::send(sel::GetFrame, item).take();
  if (ovRef graphic = graphicOf(item)) {
    ov::send<0>(sel::Invert, graphic, {frame});
    HWND owner = ownerWindow(item);
    RECT area = ov::toRECT(frame);
    if (owner && repaintsAfterInverting(graphic.get())) InvalidateRect(owner, &area, TRUE);
  }
  ov::set(attr::Inverted, item, ov::boolean(!ov::isTrue(ov::get(attr::Inverted, item))));
  return ov::sendAs<0>(cls::WindowItem, sel::Invert, item).status;
}

// The frame, widened for a line by its pen's overhang and joined with the
// border's frame.
RECT redrawArea(ovC_object* item) {
  RECT area = ov::toRECT(ov::get(attr::Frame, item));
  ovRef graphic = graphicOf(item);
  if (graphic && ov::isA(graphic, cls::Line)) {
    if (ovRef pen = ov::send(sel::GetPen, graphic).take()) {
      POINT size = ov::toPOINT(ov::send(sel::GetSize, pen).get());
      area.right += size.x - 1;
      area.bottom += size.y - 1;
    }
  }
  if (ovRef border = ov::get(attr::Border, item)) {
    RECT around = ov::toRECT(ov::send(sel::BorderFrame, border).get());
    RECT frame = area;
    UnionRect(&area, &frame, &around);
  }
  return area;
}

// Asks the owner to repaint the item's area, while the item's window is
// active and its owner has a platform window.
ovStatus Redraw(const ov::Args& a) {
  if (ov::send<0>(sel::CanRedraw, a.receiver()).failed()) return ovSuccess;
  HWND owner = ownerWindow(a.receiver());
  if (!owner) return ovSuccess;
  RECT area = redrawArea(a.receiver());
  InvalidateRect(owner, &area, ov::isTrue(a[1]));
  return ovSuccess;
}

// A button starts tracking the press; any other item clicks at once.
ovStatus MouseDown(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (!ov::isTrue(ov::get(attr::Active, item))) return ovSuccess;
  ov::send<0>(sel::Prepare, item);
  if (ov::isTrue(ov::get(attr::Button, item))) return ov::send<0>(sel::MyTrackButton, item).status;
  return ov::send<0>(sel::PostClickBehavior, item, {a[2]}).status;
}

ovStatus MyTrackButton(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::send<0>(sel::Prepare, item);
  ov::send<0>(sel::Invert, item);
  SetCapture(ownerWindow(item));
  ov::send<0>(sel::SetCapture, item, {gdDefaultTrue});
  return ovSuccess;
}

bool tracking(ovC_object* item) { return ov::isTrue(ov::get(attr::Capture, item)); }

bool inGraphic(ovC_object* item, ovC_object* point) {
  return ov::toInt(ov::send(sel::PointInGraphic, item, {point, nullptr}).get()) != 0;
}

// The inverted look follows the pointer in and out of the item.
ovStatus MouseMoved(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ovRef where =
      ov::point(ov::toInt(ov::send(sel::GetLParamHi, a[1]).get()), ov::toInt(ov::send(sel::GetLParamLo, a[1]).get()));
  bool inside = inGraphic(item, where.get());
  bool inverted = ov::isTrue(ov::get(attr::Inverted, item));
  if (inside && !inverted) {
    ov::send<0>(sel::Prepare, item);
    ov::send<0>(sel::Invert, item);
  } else if (!inside && inverted) {
    ov::send<0>(sel::Invert, item);
  }
  return ovSuccess;
}

// Ends any press: the inverted look goes and the capture is released. A
// button clicks when the press was on it and the release is over it; a
// release after a press begun elsewhere clicks nothing.
ovStatus MouseUp(const ov::Args& a) {
  ovC_object* item = a.receiver();
  bool pressed = tracking(item);
  if (ov::isTrue(ov::get(attr::Inverted, item))) {
    ov::send<0>(sel::Prepare, item);
    ov::send<0>(sel::Invert, item);
  }
  ReleaseCapture();
  ov::send<0>(sel::SetCapture, item, {gdDefaultFalse});
  if (!pressed || !ov::isTrue(ov::get(attr::Button, item))) return ovSuccess;
  ovRef where = ov::send(sel::GetLocalWhere, ov::get(attr::Owner, item), {a[2]}).take();
  if (!inGraphic(item, where.get())) return ovSuccess;
  return ov::send<0>(sel::PostClickBehavior, item, {a[2]}).status;
}

// The graphic's region when it has one, else NULL.
ovRef regionOf(ovC_object* item) {
  ovRef graphic = graphicOf(item);
  if (!graphic || ov::send<0>(sel::HasRegion, graphic).failed()) return nullptr;
  return ov::send(sel::GetRegion, graphic).take();
}

// Whether the point is in the graphic's region or, for a graphic without
// one, in the item's frame (an integer, 0 for no).
ovStatus PointInGraphic(const ov::Args& a) {
  ovRef region = regionOf(a.receiver());
  if (!region) {
    auto inFrame = ov::send(sel::PointIn, a.receiver(), {a[1], a[2]});
    a.put(0, inFrame.take());
    return inFrame.status;
  }
  POINT p = ov::toPOINT(a[1]);
  a.put(0, ov::integer(PtInRegion(ov::toHandle<HRGN>(region), p.x, p.y)));
  return ovSuccess;
}

// The graphic is refitted to the frame the item has after the move.
template <const ovMethodSelector& Move>
ovStatus MoveAndRefit(const ov::Args& a) {
  ovStatus status = ov::sendAs<0>(cls::WindowItem, Move, a.receiver(), {a[1]}).status;
  if (ovRef graphic = graphicOf(a.receiver()))
    ov::send<0>(sel::SetFrame, graphic, {ov::get(attr::Frame, a.receiver())});
  return status;
}

// A text drawn opaque covers its whole frame; any other graphic leaves the
// old pixels behind unless the frame is erased first.
bool coversFrame(ovC_object* item, ovC_object* graphic) {
  return ov::isA(graphic, cls::Text) && !ov::isTrue(ov::get(attr::Transparent, item));
}

// The new value is shown at once; the border is left as it is.
ovStatus SetValue(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ovRef graphic = graphicOf(item);
  if (!graphic) return ovSuccess;
  ov::send<0>(sel::SetValue, graphic, {a[1]});
  ovRef border = ov::get(attr::Border, item);
  ov::set(attr::Border, item, nullptr);
  ov::send<0>(sel::Redraw, item, {ov::boolean(!coversFrame(item, graphic.get()))});
  ov::set(attr::Border, item, border);
  return ovSuccess;
}

// What the graphic answers to the same question; NULL without a graphic.
template <const ovMethodSelector& Question>
ovStatus AskGraphic(const ov::Args& a) {
  ovRef graphic = graphicOf(a.receiver());
  if (!graphic) return ovSuccess;
  auto answer = ov::send(Question, graphic);
  a.put(0, answer.take());
  return answer.status;
}

ovStatus HasFont(const ov::Args& a) {
  ovRef graphic = graphicOf(a.receiver());
  if (!graphic) return ovFailure;
  return ov::send<0>(sel::HasFont, graphic).status;
}

// Items in a three-dimensional interface show their owner's background.
ovStatus GetTransparent(const ov::Args& a) {
  bool transparent = ov::universal<0>(uni::Is3D).succeeded() || ov::isTrue(ov::get(attr::Transparent, a.receiver()));
  a.put(0, ov::boolean(transparent));
  return ovSuccess;
}

}  // namespace graphic_item

const ovClassDeclaration kGraphicItemClass({
    .name = "Graphic Item",
    .superclass = "Window Item",
    .attributes = {"Graphic", "Button?", "Capture?", "Inverted?"},
    .methods = {{"Open", ov::routine<graphic_item::Open>},
                {"Close", ov::routine<graphic_item::Close>},
                {"Draw", ov::routine<graphic_item::Draw>},
                {"Invert", ov::routine<graphic_item::Invert>},
                {"Redraw", ov::routine<graphic_item::Redraw>},
                {"Mouse Down", ov::routine<graphic_item::MouseDown>},
                {"Mouse Moved", ov::routine<graphic_item::MouseMoved>},
                {"Mouse Up", ov::routine<graphic_item::MouseUp>},
                {"My Track Button", ov::routine<graphic_item::MyTrackButton>},
                {"Point In Graphic?", ov::routine<graphic_item::PointInGraphic>},
                {"Set Frame", ov::routine<graphic_item::MoveAndRefit<sel::SetFrame>>},
                {"Set Location", ov::routine<graphic_item::MoveAndRefit<sel::SetLocation>>},
                {"Set Value", ov::routine<graphic_item::SetValue>},
                {"Get Value", ov::routine<graphic_item::AskGraphic<sel::GetValue>>},
                {"Get Font", ov::routine<graphic_item::AskGraphic<sel::GetFont>>},
                {"Has Font?", ov::routine<graphic_item::HasFont>},
                {"Get Pen", ov::routine<graphic_item::AskGraphic<sel::GetPen>>},
                {"Get Graphic", ov::reader<attr::Graphic>},
                {"Get Capture?", ov::reader<attr::Capture>},
                {"Set Capture?", ov::writer<attr::Capture>},
                {"Get Transparent?", ov::routine<graphic_item::GetTransparent>}},
});

}  // namespace
