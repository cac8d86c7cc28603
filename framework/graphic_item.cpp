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
#include "framework/event_message.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace graphic_item {

// The item's graphic, or NULL when it has none (NULL or NONE).
ovRef graphicOf(ovC_object* item) { return ov::getInstance("Graphic"_attr, item); }

HWND ownerWindow(ovC_object* item) {
  ovRef owner = ov::get("Owner"_attr, item);
  return owner ? ov::toHandle<HWND>(ov::send("Get Window Record"_sel, owner).get()) : nullptr;
}

ovStatus Open(const ov::Args& a) {
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Open"_sel, a.receiver(), {a[1]}));
  if (ovRef graphic = graphicOf(a.receiver())) ov::tell("Open"_sel, graphic);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  if (ovRef graphic = graphicOf(a.receiver())) ov::tell("Close"_sel, graphic);
  return ov::sendAs<0>("Window Item"_cls, "Close"_sel, a.receiver()).status;
}

// Border, background and graphic.
ovStatus Draw(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::send<0>("Do Draw?"_sel, item, {a[1]}).failed()) return ovSuccess;
  ov::tell("Draw Border"_sel, item);
  ov::tell("Prepare Background"_sel, item);
  ovRef graphic = graphicOf(item);
  if (!graphic) return ovSuccess;
  ov::tell("Draw"_sel, graphic,
           {ov::get("Frame"_attr, item), ov::get("Active?"_attr, item), ov::get("Transparent?"_attr, item)});
  return ovSuccess;
}

// A graphic with a region inverts exactly; any other has its frame
// repainted, erased, by its owner.
bool repaintsAfterInverting(ovC_object* graphic) { return ov::send<0>("Has Region?"_sel, graphic).failed(); }

// Inverts the item on screen at once: the graphic in the device being drawn
// in, the frame in the owner's platform window.
ovStatus Invert(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::tell("Prepare Background"_sel, item);
  ovRef frame = ov::send("Get Frame"_sel, item).take();
  if (ovRef graphic = graphicOf(item)) {
    ov::tell("Invert"_sel, graphic, {frame});
    HWND owner = ownerWindow(item);
    RECT area = ov::toRECT(frame);
    if (owner && repaintsAfterInverting(graphic.get())) InvalidateRect(owner, &area, TRUE);
  }
  ov::set("Inverted?"_attr, item, ov::boolean(!ov::isTrue(ov::get("Inverted?"_attr, item))));
  return ov::sendAs<0>("Window Item"_cls, "Invert"_sel, item).status;
}

// The frame, widened for a line by its pen's overhang and joined with the
// border's frame.
RECT redrawArea(ovC_object* item) {
  RECT area = ov::toRECT(ov::get("Frame"_attr, item));
  ovRef graphic = graphicOf(item);
  if (graphic && ov::isA(graphic, "Line"_cls)) {
    if (ovRef pen = ov::send("Get Pen"_sel, graphic).take()) {
      POINT size = ov::toPOINT(ov::send("Get Size"_sel, pen).get());
      area.right += size.x - 1;
      area.bottom += size.y - 1;
    }
  }
  if (ovRef border = ov::get("Border"_attr, item)) {
    RECT around = ov::toRECT(ov::send("Border Frame"_sel, border).get());
    RECT frame = area;
    UnionRect(&area, &frame, &around);
  }
  return area;
}

// Asks the owner to repaint the item's area, while the item's window is
// active and its owner has a platform window.
ovStatus Redraw(const ov::Args& a) {
  if (ov::send<0>("Can Redraw?"_sel, a.receiver()).failed()) return ovSuccess;
  HWND owner = ownerWindow(a.receiver());
  if (!owner) return ovSuccess;
  RECT area = redrawArea(a.receiver());
  InvalidateRect(owner, &area, ov::isTrue(a[1]));
  return ovSuccess;
}

// A button starts tracking the press; any other item clicks at once.
ovStatus MouseDown(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (!ov::isTrue(ov::get("Active?"_attr, item))) return ovSuccess;
  ov::tell("Prepare"_sel, item);
  if (ov::isTrue(ov::get("Button?"_attr, item))) return ov::send<0>("My Track Button"_sel, item).status;
  return ov::send<0>("Post Click Behavior"_sel, item, {a[2]}).status;
}

ovStatus MyTrackButton(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::tell("Prepare"_sel, item);
  ov::tell("Invert"_sel, item);
  SetCapture(ownerWindow(item));
  ov::tell("Set Capture?"_sel, item, {gdDefaultTrue});
  return ovSuccess;
}

bool tracking(ovC_object* item) { return ov::isTrue(ov::get("Capture?"_attr, item)); }

bool inGraphic(ovC_object* item, ovC_object* point) {
  return ov::toInt(ov::send("Point In Graphic?"_sel, item, {point, nullptr}).get()) != 0;
}

// The inverted look follows the pointer in and out of the item.
ovStatus MouseMoved(const ov::Args& a) {
  ovC_object* item = a.receiver();
  const vorn::EventMessage m = vorn::MessageOf(a[1]);
  ovRef where = ov::point(m.lParamHi(), m.lParamLo());
  bool inside = inGraphic(item, where.get());
  bool inverted = ov::isTrue(ov::get("Inverted?"_attr, item));
  if (inside && !inverted) {
    ov::tell("Prepare"_sel, item);
    ov::tell("Invert"_sel, item);
  } else if (!inside && inverted) {
    ov::tell("Invert"_sel, item);
  }
  return ovSuccess;
}

// Ends any press: the inverted look goes and the capture is released. A
// button clicks when the press was on it and the release is over it; a
// release after a press begun elsewhere clicks nothing.
ovStatus MouseUp(const ov::Args& a) {
  ovC_object* item = a.receiver();
  bool pressed = tracking(item);
  if (ov::isTrue(ov::get("Inverted?"_attr, item))) {
    ov::tell("Prepare"_sel, item);
    ov::tell("Invert"_sel, item);
  }
  ReleaseCapture();
  ov::tell("Set Capture?"_sel, item, {gdDefaultFalse});
  if (!pressed || !ov::isTrue(ov::get("Button?"_attr, item))) return ovSuccess;
  ovRef where = ov::send("Get Local Where"_sel, ov::get("Owner"_attr, item), {a[2]}).take();
  if (!inGraphic(item, where.get())) return ovSuccess;
  return ov::send<0>("Post Click Behavior"_sel, item, {a[2]}).status;
}

// The graphic's region when it has one, else NULL.
ovRef regionOf(ovC_object* item) {
  ovRef graphic = graphicOf(item);
  if (!graphic || ov::send<0>("Has Region?"_sel, graphic).failed()) return nullptr;
  return ov::send("Get Region"_sel, graphic).take();
}

// Whether the point is in the graphic's region or, for a graphic without
// one, in the item's frame (an integer, 0 for no).
ovStatus PointInGraphic(const ov::Args& a) {
  ovRef region = regionOf(a.receiver());
  if (!region) {
    auto inFrame = ov::send("Point In?"_sel, a.receiver(), {a[1], a[2]});
    a.put(0, inFrame.take());
    return inFrame.status;
  }
  POINT p = ov::toPOINT(a[1]);
  a.put(0, ov::integer(PtInRegion(ov::toHandle<HRGN>(region), p.x, p.y)));
  return ovSuccess;
}

// The graphic is refitted to the frame the item has after the move.
ovStatus MoveAndRefit(const ovMethodSelector& move, const ov::Args& a) {
  ovStatus status = ov::sendAs<0>("Window Item"_cls, move, a.receiver(), {a[1]}).status;
  if (ovRef graphic = graphicOf(a.receiver()))
    ov::tell("Set Frame"_sel, graphic, {ov::get("Frame"_attr, a.receiver())});
  return status;
}

// A text drawn opaque covers its whole frame; any other graphic leaves the
// old pixels behind unless the frame is erased first.
bool coversFrame(ovC_object* item, ovC_object* graphic) {
  return ov::isA(graphic, "Text"_cls) && !ov::isTrue(ov::get("Transparent?"_attr, item));
}

// The new value is shown at once; the border is left as it is.
ovStatus SetValue(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ovRef graphic = graphicOf(item);
  if (!graphic) return ovSuccess;
  ov::tell("Set Value"_sel, graphic, {a[1]});
  ovRef border = ov::get("Border"_attr, item);
  ov::set("Border"_attr, item, nullptr);
  ov::tell("Redraw"_sel, item, {ov::boolean(!coversFrame(item, graphic.get()))});
  ov::set("Border"_attr, item, border);
  return ovSuccess;
}

// What the graphic answers to the same question; NULL without a graphic.
ovStatus AskGraphic(const ovMethodSelector& question, const ov::Args& a) {
  ovRef graphic = graphicOf(a.receiver());
  if (!graphic) return ovSuccess;
  auto answer = ov::send(question, graphic);
  a.put(0, answer.take());
  return answer.status;
}

ovStatus HasFont(const ov::Args& a) {
  ovRef graphic = graphicOf(a.receiver());
  if (!graphic) return ovFailure;
  return ov::send<0>("Has Font?"_sel, graphic).status;
}

// Items in a three-dimensional interface show their owner's background.
ovStatus GetTransparent(const ov::Args& a) {
  bool transparent =
      ov::universal<0>("Is 3D?"_uni).succeeded() || ov::isTrue(ov::get("Transparent?"_attr, a.receiver()));
  a.put(0, ov::boolean(transparent));
  return ovSuccess;
}

}  // namespace graphic_item

const ovClassDeclaration kGraphicItemClass({
    .name = "Graphic Item"_cls,
    .superclass = "Window Item"_cls,
    .attributes = {"Graphic"_attr, "Button?"_attr, "Capture?"_attr, "Inverted?"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<graphic_item::Open>},
                            {"Close"_sel, ov::routine<graphic_item::Close>},
                            {"Draw"_sel, ov::routine<graphic_item::Draw>},
                            {"Invert"_sel, ov::routine<graphic_item::Invert>},
                            {"Redraw"_sel, ov::routine<graphic_item::Redraw>},
                            {"Mouse Down"_sel, ov::routine<graphic_item::MouseDown>},
                            {"Mouse Moved"_sel, ov::routine<graphic_item::MouseMoved>},
                            {"Mouse Up"_sel, ov::routine<graphic_item::MouseUp>},
                            {"My Track Button"_sel, ov::routine<graphic_item::MyTrackButton>},
                            {"Point In Graphic?"_sel, ov::routine<graphic_item::PointInGraphic>},
                            {"Set Value"_sel, ov::routine<graphic_item::SetValue>},
                            {"Has Font?"_sel, ov::routine<graphic_item::HasFont>},
                            {"Get Transparent?"_sel, ov::routine<graphic_item::GetTransparent>}},
                           ov::forwarding<graphic_item::MoveAndRefit, "Set Frame", "Set Location">(),
                           ov::forwarding<graphic_item::AskGraphic, "Get Value", "Get Font", "Get Pen">(),
                           ov::getters<"Graphic", "Capture?">(), ov::setters<"Capture?">()),
});

}  // namespace
