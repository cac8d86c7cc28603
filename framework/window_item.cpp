// Window items: everything that sits in a window's view, and the point
// universals "AddPt" and "SubPt".
//
// An item's "Frame" is in its owner's content coordinates. The owner (a
// view, or the window for a root view) is set from "Open" to "Close", and
// "Number", the item's command number, comes from the application-wide
// counter at "Open". Items with a platform window of their own (views,
// controls, edit texts) answer its handle from "Get Window Record"; the
// others answer NULL and are drawn into their owner's platform window, so
// what they invalidate or invert is their frame less the owner's scroll
// origin, in the owner's platform window.
#include "framework/event_message.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

// The handle of the item's own platform window, or 0 without one.
HWND ownRecord(ovC_object* item) { return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, item).get()); }

// The owner's scroll origin; (0, 0) without an owner.
POINT ownerOrigin(ovC_object* item) {
  ovRef owner = ov::get("Owner"_attr, item);
  if (!owner) return {};
  return ov::toPOINT(ov::send("Get Origin"_sel, owner).get());
}

// A rectangle in the owner's content coordinates as client coordinates of
// the owner's platform window.
RECT inOwnerWindow(ovC_object* item, RECT r) {
  POINT origin = ownerOrigin(item);
  OffsetRect(&r, -origin.x, -origin.y);
  return r;
}

HWND ownerRecord(ovC_object* item) {
  ovRef owner = ov::get("Owner"_attr, item);
  return owner ? ownRecord(owner.get()) : nullptr;
}

RECT frameOf(ovC_object* item) { return ov::toRECT(ov::get("Frame"_attr, item)); }

// Both are texts with the same characters.
bool sameName(ovC_object* a, ovC_object* b) { return ov::isText(a) && ov::textEquals(b, ov::chars(a)); }

void moveToFrame(ovC_object* item, HWND record) {
  auto at = ov::send<4>("Get Coordinates"_sel, item);
  MoveWindow(record, ov::toInt(at.get(0)), ov::toInt(at.get(1)), ov::toInt(at.get(2)), ov::toInt(at.get(3)), TRUE);
}

// A new frame: a platform window moves; an item drawn by its owner is
// erased where it was and drawn where it is.
void replaceFrame(ovC_object* item, ovC_object* frame) {
  HWND record = ownRecord(item);
  if (!record) ov::tell("Redraw"_sel, item, {gdDefaultTrue});
  ov::set("Frame"_attr, item, frame);
  if (record)
    moveToFrame(item, record);
  else
    ov::tell("Redraw"_sel, item, {gdDefaultFalse});
}

// The objects an item opens with itself and closes with itself.
const ovAttributeSelector* const kOpenedParts[] = {&"Click Behavior"_attr, &"Border"_attr, &"Balloon Help"_attr,
                                                   &"Key Behavior"_attr};
const ovAttributeSelector* const kClosedParts[] = {&"Key Behavior"_attr, &"Click Behavior"_attr, &"Balloon Help"_attr,
                                                   &"Border"_attr};

namespace window_item {

ovStatus Open(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::set("Owner"_attr, item, a[1]);
  ovRef window = ov::send("Get Window"_sel, item).take();
  ov::set("Number"_attr, item, ov::send("Get Unique ID"_sel, window).get());
  for (const ovAttributeSelector* part : kOpenedParts)
    if (ovRef object = ov::get(*part, item)) ov::tell("Open"_sel, object, {item});
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  for (const ovAttributeSelector* part : kClosedParts)
    if (ovRef object = ov::get(*part, a.receiver())) ov::tell("Close"_sel, object);
  ov::set("Owner"_attr, a.receiver(), nullptr);
  return ovSuccess;
}

// The style of the item's platform window: its own bits, disabled when
// inactive, visible, a tab stop when it can be the target, always a child.
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* item = a.receiver();
  auto style = static_cast<DWORD>(ov::toInt(ov::get("Flags"_attr, item)));
  if (ov::isFalse(ov::get("Active?"_attr, item))) style |= WS_DISABLED;
  if (ov::isTrue(ov::get("Visible?"_attr, item))) style |= WS_VISIBLE;
  if (ov::send<0>("Targetable?"_sel, item).succeeded()) style |= WS_TABSTOP;
  a.put(0, ov::integer(static_cast<int32_t>(style | WS_CHILD)));
  return ovSuccess;
}

// The child-window place of the frame: (x, y, width, height) in the
// owner's platform window.
ovStatus GetCoordinates(const ov::Args& a) {
  RECT frame = inOwnerWindow(a.receiver(), ov::toRECT(ov::send("Get Frame"_sel, a.receiver()).get()));
  a.put(0, ov::integer(frame.left));
  a.put(1, ov::integer(frame.top));
  a.put(2, ov::integer(frame.right - frame.left));
  a.put(3, ov::integer(frame.bottom - frame.top));
  return ovSuccess;
}

// (TRUE, the item) when the handle is the item's own platform window.
ovStatus ContainsHandle(const ov::Args& a) {
  HWND record = ownRecord(a.receiver());
  bool found = record && record == ov::toHandle<HWND>(a[1]);
  a.put(0, ov::boolean(found));
  if (found) a.put(1, a.receiver());
  return ovSuccess;
}

ovStatus FindWindowItem(const ov::Args& a) {
  if (sameName(ov::get("Name"_attr, a.receiver()).get(), a[1])) a.put(0, a.receiver());
  return ovSuccess;
}

// The item itself when its key behaviour holds a key of that command id.
ovStatus FindItemByKey(const ov::Args& a) {
  ovRef keys = ov::get("Key Behavior"_attr, a.receiver());
  if (keys && ov::send("Find Key by ID"_sel, keys, {a[1]}).get()) a.put(0, a.receiver());
  return ovSuccess;
}

ovStatus GetLocation(const ov::Args& a) {
  RECT frame = frameOf(a.receiver());
  a.put(0, ov::point(frame.top, frame.left));
  return ovSuccess;
}

ovStatus GetSize(const ov::Args& a) {
  RECT frame = frameOf(a.receiver());
  a.put(0, ov::point(frame.bottom - frame.top, frame.right - frame.left));
  return ovSuccess;
}

ovStatus GetWindow(const ov::Args& a) {
  ovRef owner = ov::get("Owner"_attr, a.receiver());
  if (!owner) return ovFailure;
  auto window = ov::send("Get Window"_sel, owner);
  a.put(0, window.take());
  return window.status;
}

ovStatus SetFrame(const ov::Args& a) {
  replaceFrame(a.receiver(), a[1]);
  return ovSuccess;
}

// The frame moved to the point, its size kept.
ovStatus SetLocation(const ov::Args& a) {
  POINT at = ov::toPOINT(a[1]);
  POINT size = ov::toPOINT(ov::send("Get Size"_sel, a.receiver()).get());
  replaceFrame(a.receiver(), ov::rect(at.y, at.x, at.y + size.y, at.x + size.x).get());
  return ovSuccess;
}

// The frame the item's resize rule gives for the owner's new size.
ovStatus Resize(const ov::Args& a) {
  ovRef rule = ov::get("Resize"_attr, a.receiver());
  if (!rule) return ovSuccess;
  auto frame = ov::send("Do"_sel, rule, {ov::get("Frame"_attr, a.receiver()), a[1], a[2]});
  if (frame.failed()) return ovFailure;
  if (frame.get()) ov::tell("Set Frame"_sel, a.receiver(), {frame.get()});
  return ovSuccess;
}

ovStatus SetActive(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::get("Active?"_attr, item).get() == a[1]) return ovSuccess;
  ov::set("Active?"_attr, item, a[1]);
  if (HWND record = ownRecord(item))
    EnableWindow(record, ov::isTrue(a[1]));
  else
    ov::tell("Redraw"_sel, item, {gdDefaultFalse});
  return ovSuccess;
}

ovStatus SetVisible(const ov::Args& a) {
  ovC_object* item = a.receiver();
  bool changed = ov::get("Visible?"_attr, item).get() != a[1];
  ov::set("Visible?"_attr, item, a[1]);
  if (HWND record = ownRecord(item))
    ShowWindow(record, ov::isTrue(a[1]) ? SW_SHOWNORMAL : SW_HIDE);
  else if (changed)
    ov::tell("Redraw"_sel, item, {ov::boolean(!ov::isTrue(a[1]))});
  return ovSuccess;
}

// Only items of an active window are redrawn.
ovStatus CanRedraw(const ov::Args& a) {
  auto window = ov::send("Get Window"_sel, a.receiver());
  if (window.failed() || !window.get()) return ovFailure;
  return ov::isTrue(ov::get("Active?"_attr, window.get())) ? ovSuccess : ovFailure;
}

// The area the item paints: its border's frame, or its own.
RECT paintedArea(ovC_object* item) {
  ovRef border = ov::get("Border"_attr, item);
  if (border) return ov::toRECT(ov::send("Border Frame"_sel, border).get());
  return frameOf(item);
}

// An opaque item with a platform window of its own repaints all of it; any
// other item the area it paints (its border included) in the owner's
// platform window.
ovStatus Redraw(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::send<0>("Can Redraw?"_sel, item).failed()) return ovSuccess;
  BOOL erase = ov::isTrue(a[1]);
  HWND record = ownRecord(item);
  if (record && !ov::isTrue(ov::send("Get Transparent?"_sel, item).get())) {
    InvalidateRect(record, nullptr, erase);
    return ovSuccess;
  }
  RECT area = inOwnerWindow(item, paintedArea(item));
  InvalidateRect(ownerRecord(item), &area, erase);
  return ovSuccess;
}

ovStatus DoDraw(const ov::Args& a) {
  if (!ov::isTrue(ov::get("Visible?"_attr, a.receiver()))) return ovFailure;
  RECT area = paintedArea(a.receiver());
  RECT asked = ov::toRECT(a[1]);
  RECT common{};
  return IntersectRect(&common, &area, &asked) ? ovSuccess : ovFailure;
}

// An item outside the area asked for is left alone, and that is no failure.
ovStatus Draw(const ov::Args& a) {
  if (ov::send<0>("Do Draw?"_sel, a.receiver(), {a[1]}).succeeded()) ov::tell("Draw Border"_sel, a.receiver());
  return ovSuccess;
}

ovStatus DrawBorder(const ov::Args& a) {
  if (ovRef border = ov::get("Border"_attr, a.receiver())) return ov::send<0>("Draw"_sel, border).status;
  return ovSuccess;
}

// Inverts the frame on screen at once, in the platform window the item is
// drawn in.
ovStatus Invert(const ov::Args& a) {
  HWND where = ownerRecord(a.receiver());
  if (!where) return ovSuccess;
  RECT area = inOwnerWindow(a.receiver(), ov::toRECT(ov::send("Get Frame"_sel, a.receiver()).get()));
  HDC dc = GetDC(where);
  InvertRect(dc, &area);
  ReleaseDC(where, dc);
  return ovSuccess;
}

// Readies the current device for drawing the item: the owner's origin, the
// item's font, and the owner's background behind a transparent item.
ovStatus Prepare(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (!ov::get("Owner"_attr, item)) return ovSuccess;
  ov::tell("Prepare Drawing"_sel, item);
  ov::tell("Use Font"_sel, item);
  ov::tell("Prepare Background"_sel, item);
  return ovSuccess;
}

ovStatus PrepareDrawing(const ov::Args& a) {
  ovRef owner = ov::get("Owner"_attr, a.receiver());
  ov::tell("Set Port"_sel, owner);
  ov::tell("Set Up Drawing"_sel, owner);
  return ovSuccess;
}

ovStatus PrepareBackground(const ov::Args& a) {
  if (!ov::isTrue(ov::send("Get Transparent?"_sel, a.receiver()).get())) return ovSuccess;
  ovRef owner = ov::get("Owner"_attr, a.receiver());
  if (ovRef background = ov::send("Get Background"_sel, owner).take()) ov::tell("Use"_sel, background);
  return ovSuccess;
}

ovStatus MouseDown(const ov::Args& a) {
  if (!ov::isTrue(ov::get("Active?"_attr, a.receiver()))) return ovTerminate;
  return ov::send<0>("Post Click Behavior"_sel, a.receiver(), {a[2]}).status;
}

ovStatus PostClickBehavior(const ov::Args& a) {
  ovRef behavior = ov::get("Click Behavior"_attr, a.receiver());
  if (!behavior) return ovSuccess;
  ov::tell("Set Event"_sel, behavior, {a[1]});
  return ov::send<0>("Post"_sel, behavior).status;
}

// An accelerator's command goes to the item's special keys, any other key
// to the item itself; a key the item does not take goes up to its owner.
ovStatus KeyDown(const ov::Args& a) {
  ovC_object* item = a.receiver();
  auto [key, modifiers, event] = a.inputs<1, 2, 3>();
  bool accelerator = vorn::MessageOf(event).name == "COMMAND";
  auto handled = accelerator ? ov::send<0>("Special Key"_sel, item, {key, modifiers, event})
                             : ov::send<0>("Process Key"_sel, item, {key, modifiers, event});
  if (handled.succeeded()) return ovSuccess;
  ovRef owner = ov::get("Owner"_attr, item);
  if (!owner) return ovFailure;
  return ov::send<0>("Key Down"_sel, owner, {key, modifiers, event}).status;
}

// Posts the behaviour of the item's key whose command id the event carries.
ovStatus SpecialKey(const ov::Args& a) {
  ovRef keys = ov::get("Key Behavior"_attr, a.receiver());
  if (!keys) return ovFailure;
  ovRef id = ov::integer(vorn::MessageOf(a[3]).wParamLo());
  ovRef pair = ov::send("Find Key by ID"_sel, keys, {id}).take();
  ovC_object* behavior = ov::element(pair, 1);
  if (!behavior) return ovFailure;
  ov::tell("Set Event"_sel, behavior, {a[3]});
  return ov::send<0>("Post"_sel, behavior).status;
}

// Whether the item and every level above it up to its window are active
// and visible.
bool reachable(ovC_object* item, ovC_object* window) {
  for (ovRef level = ovRef::share(item); level; level = ov::get("Owner"_attr, level)) {
    if (!ov::isTrue(ov::get("Active?"_attr, level)) || !ov::isTrue(ov::get("Visible?"_attr, level))) return false;
    if (level.get() == window) return true;
  }
  return false;
}

ovStatus Target(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::send<0>("Targetable?"_sel, item).failed()) return ovFailure;
  auto window = ov::send("Get Window"_sel, item);
  if (window.failed() || !window.get() || !reachable(item, window.get())) return ovFailure;
  return ov::send<0>("Set Target"_sel, window.get(), {item, a[1]}).status;
}

ovStatus ChangeCursor(const ov::Args& a) {
  ov::tell(ov::universal<0>("Simple Arrow Cursor"_uni));
  return ov::send<0>("Show Balloon"_sel, a.receiver()).status;
}

ovStatus FindCaptureItem(const ov::Args& a) {
  if (ov::isTrue(ov::send("Get Capture?"_sel, a.receiver()).get())) a.put(0, a.receiver());
  return ovSuccess;
}

// A plain item never holds the mouse.
ovStatus GetCapture(const ov::Args& a) {
  a.put(0, ov::boolean(false));
  return ovSuccess;
}

ovStatus GetExtendedStyles(const ov::Args& a) {
  a.put(0, ov::integer(0));
  return ovSuccess;
}

// The third input is not read: whether a point is in an item depends on
// the frame alone.
ovStatus PointIn(const ov::Args& a) {
  RECT frame = ov::toRECT(ov::send("Get Frame"_sel, a.receiver()).get());
  a.put(0, ov::integer(PtInRect(&frame, ov::toPOINT(a[1]))));
  return ovSuccess;
}

}  // namespace window_item

namespace universal {

ovStatus AddPt(const ov::Args& a) {
  POINT p = ov::toPOINT(a[0]);
  POINT q = ov::toPOINT(a[1]);
  a.put(0, ov::point(p.y + q.y, p.x + q.x));
  return ovSuccess;
}

// The second point less the first.
ovStatus SubPt(const ov::Args& a) {
  POINT p = ov::toPOINT(a[0]);
  POINT q = ov::toPOINT(a[1]);
  a.put(0, ov::point(q.y - p.y, q.x - p.x));
  return ovSuccess;
}

}  // namespace universal

const ovClassDeclaration kWindowItemClass({
    .name = "Window Item"_cls,
    .attributes = {"Owner"_attr, "Name"_attr, "Frame"_attr, "Active?"_attr, "Visible?"_attr, "Transparent?"_attr,
                   "Border"_attr, "Resize"_attr, "Click Behavior"_attr, "Key Behavior"_attr, "Balloon Help"_attr,
                   "Number"_attr, "Flags"_attr},
    .methods = ov::methods(
        {{"Open"_sel, ov::routine<window_item::Open>},
         {"Close"_sel, ov::routine<window_item::Close>},
         {"Get Flags"_sel, ov::routine<window_item::GetFlags>},
         {"Get Coordinates"_sel, ov::routine<window_item::GetCoordinates>},
         {"Contains Handle"_sel, ov::routine<window_item::ContainsHandle>},
         {"Find Window Item"_sel, ov::routine<window_item::FindWindowItem>},
         {"Find Item By Key"_sel, ov::routine<window_item::FindItemByKey>},
         {"Find Capture Item"_sel, ov::routine<window_item::FindCaptureItem>},
         {"Get Capture?"_sel, ov::routine<window_item::GetCapture>},
         {"Get Location"_sel, ov::routine<window_item::GetLocation>},
         {"Get Size"_sel, ov::routine<window_item::GetSize>},
         {"Get Window"_sel, ov::routine<window_item::GetWindow>},
         {"Get Extended Styles"_sel, ov::routine<window_item::GetExtendedStyles>},
         {"Set Frame"_sel, ov::routine<window_item::SetFrame>},
         {"Set Location"_sel, ov::routine<window_item::SetLocation>},
         {"Set Active?"_sel, ov::routine<window_item::SetActive>},
         {"Set Visible?"_sel, ov::routine<window_item::SetVisible>},
         {"Resize"_sel, ov::routine<window_item::Resize>},
         {"Can Redraw?"_sel, ov::routine<window_item::CanRedraw>},
         {"Redraw"_sel, ov::routine<window_item::Redraw>},
         {"Do Draw?"_sel, ov::routine<window_item::DoDraw>},
         {"Draw"_sel, ov::routine<window_item::Draw>},
         {"Draw Border"_sel, ov::routine<window_item::DrawBorder>},
         {"Invert"_sel, ov::routine<window_item::Invert>},
         {"Point In?"_sel, ov::routine<window_item::PointIn>},
         {"Prepare"_sel, ov::routine<window_item::Prepare>},
         {"Prepare Drawing"_sel, ov::routine<window_item::PrepareDrawing>},
         {"Prepare Background"_sel, ov::routine<window_item::PrepareBackground>},
         {"Mouse Down"_sel, ov::routine<window_item::MouseDown>},
         {"Post Click Behavior"_sel, ov::routine<window_item::PostClickBehavior>},
         {"Key Down"_sel, ov::routine<window_item::KeyDown>},
         {"Special Key"_sel, ov::routine<window_item::SpecialKey>},
         {"Target"_sel, ov::routine<window_item::Target>},
         {"Change Cursor"_sel, ov::routine<window_item::ChangeCursor>},
         {"Targetable?"_sel, ov::failing},
         {"Has Font?"_sel, ov::failing},
         {"Is View?"_sel, ov::failing},
         {"Process Key"_sel, ov::failing}},
        ov::getters<"Active?", "Border", "Frame", "Name", "Owner", "Transparent?", "Visible?">(),
        ov::setters<"Owner">(),
        ov::doingNothing<"Get Value", "Get Window Record", "Set Capture?", "Set Value", "Enter", "Exit", "Default",
                         "Hilite", "Hit Test", "Idle", "Change Color", "Adjust Clip Rect", "Adjust Origin",
                         "Show Balloon", "Mouse Moved", "Mouse Up", "Mouse Down Middle", "Mouse Down Right",
                         "Mouse Up Middle", "Mouse Up Right", "On Command", "Update Menus", "Use Font">()),
});

const ovUniversalDeclaration kAddPt("AddPt"_uni, ov::routine<universal::AddPt>);
const ovUniversalDeclaration kSubPt("SubPt"_uni, ov::routine<universal::SubPt>);

}  // namespace
