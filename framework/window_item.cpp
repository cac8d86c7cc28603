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
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector BorderFrame("Border Frame");
const ovMethodSelector CanRedraw("Can Redraw?");
const ovMethodSelector Close("Close");
const ovMethodSelector DoDraw("Do Draw?");
const ovMethodSelector Do("Do");
const ovMethodSelector Draw("Draw");
const ovMethodSelector DrawBorder("Draw Border");
const ovMethodSelector FindKeyById("Find Key by ID");
const ovMethodSelector GetBackground("Get Background");
const ovMethodSelector GetCapture("Get Capture?");
const ovMethodSelector GetCoordinates("Get Coordinates");
const ovMethodSelector GetFrame("Get Frame");
const ovMethodSelector GetOrigin("Get Origin");
const ovMethodSelector GetSize("Get Size");
const ovMethodSelector GetTransparent("Get Transparent?");
const ovMethodSelector GetType("Get Type");
const ovMethodSelector GetUniqueId("Get Unique ID");
const ovMethodSelector GetWParamLo("Get WParam Lo");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector KeyDown("Key Down");
const ovMethodSelector Open("Open");
const ovMethodSelector Post("Post");
const ovMethodSelector PostClickBehavior("Post Click Behavior");
const ovMethodSelector PrepareBackground("Prepare Background");
const ovMethodSelector PrepareDrawing("Prepare Drawing");
const ovMethodSelector ProcessKey("Process Key");
const ovMethodSelector Redraw("Redraw");
const ovMethodSelector SetEvent("Set Event");
const ovMethodSelector SetFrame("Set Frame");
const ovMethodSelector SetPort("Set Port");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector SetUpDrawing("Set Up Drawing");
const ovMethodSelector ShowBalloon("Show Balloon");
const ovMethodSelector SpecialKey("Special Key");
const ovMethodSelector Targetable("Targetable?");
const ovMethodSelector Use("Use");
const ovMethodSelector UseFont("Use Font");
}  // namespace sel

namespace attr {
const ovAttributeSelector Active("Active?");
const ovAttributeSelector BalloonHelp("Balloon Help");
const ovAttributeSelector Border("Border");
const ovAttributeSelector ClickBehavior("Click Behavior");
const ovAttributeSelector Flags("Flags");
const ovAttributeSelector Frame("Frame");
const ovAttributeSelector KeyBehavior("Key Behavior");
const ovAttributeSelector Name("Name");
const ovAttributeSelector Number("Number");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Resize("Resize");
const ovAttributeSelector Transparent("Transparent?");
const ovAttributeSelector Visible("Visible?");
}  // namespace attr

namespace uni {
const ovUniversalName SimpleArrowCursor("Simple Arrow Cursor");
}  // namespace uni

// The handle of the item's own platform window, or 0 without one.
HWND ownRecord(ovC_object* item) { return ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, item).get()); }

// The owner's scroll origin; (0, 0) without an owner.
POINT ownerOrigin(ovC_object* item) {
  ovRef owner = ov::get(attr::Owner, item);
  if (!owner) return {};
  return ov::toPOINT(ov::send(sel::GetOrigin, owner).get());
}

// A rectangle in the owner's content coordinates as client coordinates of
// the owner's platform window.
RECT inOwnerWindow(ovC_object* item, RECT r) {
  POINT origin = ownerOrigin(item);
  OffsetRect(&r, -origin.x, -origin.y);
  return r;
}

HWND ownerRecord(ovC_object* item) {
  ovRef owner = ov::get(attr::Owner, item);
  return owner ? ownRecord(owner.get()) : nullptr;
}

RECT frameOf(ovC_object* item) { return ov::toRECT(ov::get(attr::Frame, item)); }

// Both are texts with the same characters.
bool sameName(ovC_object* a, ovC_object* b) { return ov::isText(a) && ov::textEquals(b, ov::chars(a)); }

void moveToFrame(ovC_object* item, HWND record) {
  auto at = ov::send<4>(sel::GetCoordinates, item);
  MoveWindow(record, ov::toInt(at.get(0)), ov::toInt(at.get(1)), ov::toInt(at.get(2)), ov::toInt(at.get(3)), TRUE);
}

// A new frame: a platform window moves; an item drawn by its owner is
// erased where it was and drawn where it is.
void replaceFrame(ovC_object* item, ovC_object* frame) {
  HWND record = ownRecord(item);
  if (!record) ov::send<0>(sel::Redraw, item, {gdDefaultTrue});
  ov::set(attr::Frame, item, frame);
  if (record)
    moveToFrame(item, record);
  else
    ov::send<0>(sel::Redraw, item, {gdDefaultFalse});
}

// The objects an item opens with itself and closes with itself.
const ovAttributeSelector* const kOpenedParts[] = {&attr::ClickBehavior, &attr::Border, &attr::BalloonHelp,
                                                   &attr::KeyBehavior};
const ovAttributeSelector* const kClosedParts[] = {&attr::KeyBehavior, &attr::ClickBehavior, &attr::BalloonHelp,
                                                   &attr::Border};

namespace window_item {

ovStatus Open(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::set(attr::Owner, item, a[1]);
  ovRef window = ov::send(sel::GetWindow, item).take();
  ov::set(attr::Number, item, ov::send(sel::GetUniqueId, window).get());
  for (const ovAttributeSelector* part : kOpenedParts)
    if (ovRef object = ov::get(*part, item)) ov::send<0>(sel::Open, object, {item});
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  for (const ovAttributeSelector* part : kClosedParts)
    if (ovRef object = ov::get(*part, a.receiver())) ov::send<0>(sel::Close, object);
  ov::set(attr::Owner, a.receiver(), nullptr);
  return ovSuccess;
}

// The style of the item's platform window: its own bits, disabled when
// inactive, visible, a tab stop when it can be the target, always a child.
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* item = a.receiver();
  auto style = static_cast<DWORD>(ov::toInt(ov::get(attr::Flags, item)));
  if (ov::isFalse(ov::get(attr::Active, item))) style |= WS_DISABLED;
  if (ov::isTrue(ov::get(attr::Visible, item))) style |= WS_VISIBLE;
  if (ov::send<0>(sel::Targetable, item).succeeded()) style |= WS_TABSTOP;
  a.put(0, ov::integer(static_cast<int32_t>(style | WS_CHILD)));
  return ovSuccess;
}

// The child-window place of the frame: (x, y, width, height) in the
// owner's platform window.
ovStatus GetCoordinates(const ov::Args& a) {
  RECT frame = inOwnerWindow(a.receiver(), ov::toRECT(ov::send(sel::GetFrame, a.receiver()).get()));
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
  if (sameName(ov::get(attr::Name, a.receiver()).get(), a[1])) a.put(0, a.receiver());
  return ovSuccess;
}

// The item itself when its key behaviour holds a key of that command id.
ovStatus FindItemByKey(const ov::Args& a) {
  ovRef keys = ov::get(attr::KeyBehavior, a.receiver());
  if (keys && ov::send(sel::FindKeyById, keys, {a[1]}).get()) a.put(0, a.receiver());
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
  ovRef owner = ov::get(attr::Owner, a.receiver());
  if (!owner) return ovFailure;
  auto window = ov::send(sel::GetWindow, owner);
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
  POINT size = ov::toPOINT(ov::send(sel::GetSize, a.receiver()).get());
  replaceFrame(a.receiver(), ov::rect(at.y, at.x, at.y + size.y, at.x + size.x).get());
  return ovSuccess;
}

// The frame the item's resize rule gives for the owner's new size.
ovStatus Resize(const ov::Args& a) {
  ovRef rule = ov::get(attr::Resize, a.receiver());
  if (!rule) return ovSuccess;
  auto frame = ov::send(sel::Do, rule, {ov::get(attr::Frame, a.receiver()), a[1], a[2]});
  if (frame.failed()) return ovFailure;
  if (frame.get()) ov::send<0>(sel::SetFrame, a.receiver(), {frame.get()});
  return ovSuccess;
}

ovStatus SetActive(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::get(attr::Active, item).get() == a[1]) return ovSuccess;
  ov::set(attr::Active, item, a[1]);
  if (HWND record = ownRecord(item))
    EnableWindow(record, ov::isTrue(a[1]));
  else
    ov::send<0>(sel::Redraw, item, {gdDefaultFalse});
  return ovSuccess;
}

ovStatus SetVisible(const ov::Args& a) {
  ovC_object* item = a.receiver();
  bool changed = ov::get(attr::Visible, item).get() != a[1];
  ov::set(attr::Visible, item, a[1]);
  if (HWND record = ownRecord(item))
    ShowWindow(record, ov::isTrue(a[1]) ? SW_SHOWNORMAL : SW_HIDE);
  else if (changed)
    ov::send<0>(sel::Redraw, item, {ov::boolean(!ov::isTrue(a[1]))});
  return ovSuccess;
}

// Only items of an active window are redrawn.
ovStatus CanRedraw(const ov::Args& a) {
  auto window = ov::send(sel::GetWindow, a.receiver());
  if (window.failed() || !window.get()) return ovFailure;
  return ov::isTrue(ov::get(attr::Active, window.get())) ? ovSuccess : ovFailure;
}

// The area the item paints: its border's frame, or its own.
RECT paintedArea(ovC_object* item) {
  ovRef border = ov::get(attr::Border, item);
  if (border) return ov::toRECT(ov::send(sel::BorderFrame, border).get());
  return frameOf(item);
}

// An opaque item with a platform window of its own repaints all of it; any
// other item the area it paints (its border included) in the owner's
// platform window.
ovStatus Redraw(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::send<0>(sel::CanRedraw, item).failed()) return ovSuccess;
  BOOL erase = ov::isTrue(a[1]);
  HWND record = ownRecord(item);
  if (record && !ov::isTrue(ov::send(sel::GetTransparent, item).get())) {
    InvalidateRect(record, nullptr, erase);
    return ovSuccess;
  }
  RECT area = inOwnerWindow(item, paintedArea(item));
  InvalidateRect(ownerRecord(item), &area, erase);
  return ovSuccess;
}

ovStatus DoDraw(const ov::Args& a) {
  if (!ov::isTrue(ov::get(attr::Visible, a.receiver()))) return ovFailure;
  RECT area = paintedArea(a.receiver());
  RECT asked = ov::toRECT(a[1]);
  RECT common{};
  return IntersectRect(&common, &area, &asked) ? ovSuccess : ovFailure;
}

// An item outside the area asked for is left alone, and that is no failure.
ovStatus Draw(const ov::Args& a) {
  if (ov::send<0>(sel::DoDraw, a.receiver(), {a[1]}).succeeded()) ov::send<0>(sel::DrawBorder, a.receiver());
  return ovSuccess;
}

ovStatus DrawBorder(const ov::Args& a) {
  if (ovRef border = ov::get(attr::Border, a.receiver())) return ov::send<0>(sel::Draw, border).status;
  return ovSuccess;
}

// Inverts the frame on screen at once, in the platform window the item is
// drawn in.
ovStatus Invert(const ov::Args& a) {
  HWND where = ownerRecord(a.receiver());
  if (!where) return ovSuccess;
  RECT area = inOwnerWindow(a.receiver(), ov::toRECT(ov::send(sel::GetFrame, a.receiver()).get()));
  HDC dc = GetDC(where);
  InvertRect(dc, &area);
  ReleaseDC(where, dc);
  return ovSuccess;
}

// Readies the current device for drawing the item: the owner's origin, the
// item's font, and the owner's background behind a transparent item.
ovStatus Prepare(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (!ov::get(attr::Owner, item)) return ovSuccess;
  ov::send<0>(sel::PrepareDrawing, item);
  ov::send<0>(sel::UseFont, item);
  ov::send<0>(sel::PrepareBackground, item);
  return ovSuccess;
}

ovStatus PrepareDrawing(const ov::Args& a) {
  ovRef owner = ov::get(attr::Owner, a.receiver());
  ov::send<0>(sel::SetPort, owner);
  ov::send<0>(sel::SetUpDrawing, owner);
  return ovSuccess;
}

ovStatus PrepareBackground(const ov::Args& a) {
  if (!ov::isTrue(ov::send(sel::GetTransparent, a.receiver()).get())) return ovSuccess;
  ovRef owner = ov::get(attr::Owner, a.receiver());
  if (ovRef background = ov::send(sel::GetBackground, owner).take()) ov::send<0>(sel::Use, background);
  return ovSuccess;
}

ovStatus MouseDown(const ov::Args& a) {
  if (!ov::isTrue(ov::get(attr::Active, a.receiver()))) return ovTerminate;
  return ov::send<0>(sel::PostClickBehavior, a.receiver(), {a[2]}).status;
}

ovStatus PostClickBehavior(const ov::Args& a) {
  ovRef behavior = ov::get(attr::ClickBehavior, a.receiver());
  if (!behavior) return ovSuccess;
  ov::send<0>(sel::SetEvent, behavior, {a[1]});
  return ov::send<0>(sel::Post, behavior).status;
}

// An accelerator's command goes to the item's special keys, any other key
// to the item itself; a key the item does not take goes up to its owner.
ovStatus KeyDown(const ov::Args& a) {
  ovC_object* item = a.receiver();
  bool accelerator = ov::textEquals(ov::send(sel::GetType, a[3]).get(), "COMMAND");
  const ovMethodSelector& handler = accelerator ? sel::SpecialKey : sel::ProcessKey;
  if (ov::send<0>(handler, item, {a[1], a[2], a[3]}).succeeded()) return ovSuccess;
  ovRef owner = ov::get(attr::Owner, item);
  if (!owner) return ovFailure;
  return ov::send<0>(sel::KeyDown, owner, {a[1], a[2], a[3]}).status;
}

// Posts the behaviour of the item's key whose command id the event carries.
ovStatus SpecialKey(const ov::Args& a) {
  ovRef keys = ov::get(attr::KeyBehavior, a.receiver());
  if (!keys) return ovFailure;
  ovRef id = ov::send(sel::GetWParamLo, a[3]).take();
  ovRef pair = ov::send(sel::FindKeyById, keys, {id}).take();
  ovC_object* behavior = ov::element(pair, 1);
  if (!behavior) return ovFailure;
  ov::send<0>(sel::SetEvent, behavior, {a[3]});
  return ov::send<0>(sel::Post, behavior).status;
}

// Whether the item and every level above it up to its window are active
// and visible.
bool reachable(ovC_object* item, ovC_object* window) {
  for (ovRef level = ovRef::share(item); level; level = ov::get(attr::Owner, level)) {
    if (!ov::isTrue(ov::get(attr::Active, level)) || !ov::isTrue(ov::get(attr::Visible, level))) return false;
    if (level.get() == window) return true;
  }
  return false;
}

ovStatus Target(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (ov::send<0>(sel::Targetable, item).failed()) return ovFailure;
  auto window = ov::send(sel::GetWindow, item);
  if (window.failed() || !window.get() || !reachable(item, window.get())) return ovFailure;
  return ov::send<0>(sel::SetTarget, window.get(), {item, a[1]}).status;
}

ovStatus ChangeCursor(const ov::Args& a) {
  ov::universal<0>(uni::SimpleArrowCursor);
  return ov::send<0>(sel::ShowBalloon, a.receiver()).status;
}

ovStatus FindCaptureItem(const ov::Args& a) {
  if (ov::isTrue(ov::send(sel::GetCapture, a.receiver()).get())) a.put(0, a.receiver());
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
  RECT frame = ov::toRECT(ov::send(sel::GetFrame, a.receiver()).get());
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
    .name = "Window Item",
    .attributes = {"Owner", "Name", "Frame", "Active?", "Visible?", "Transparent?", "Border", "Resize",
                   "Click Behavior", "Key Behavior", "Balloon Help", "Number", "Flags"},
    .methods = {{"Open", ov::routine<window_item::Open>},
                {"Close", ov::routine<window_item::Close>},
                {"Get Flags", ov::routine<window_item::GetFlags>},
                {"Get Coordinates", ov::routine<window_item::GetCoordinates>},
                {"Contains Handle", ov::routine<window_item::ContainsHandle>},
                {"Find Window Item", ov::routine<window_item::FindWindowItem>},
                {"Find Item By Key", ov::routine<window_item::FindItemByKey>},
                {"Find Capture Item", ov::routine<window_item::FindCaptureItem>},
                {"Get Active?", ov::reader<attr::Active>},
                {"Get Border", ov::reader<attr::Border>},
                {"Get Capture?", ov::routine<window_item::GetCapture>},
                {"Get Frame", ov::reader<attr::Frame>},
                {"Get Location", ov::routine<window_item::GetLocation>},
                {"Get Name", ov::reader<attr::Name>},
                {"Get Owner", ov::reader<attr::Owner>},
                {"Get Size", ov::routine<window_item::GetSize>},
                {"Get Transparent?", ov::reader<attr::Transparent>},
                {"Get Visible?", ov::reader<attr::Visible>},
                {"Get Window", ov::routine<window_item::GetWindow>},
                {"Get Value", ov::nothing},
                {"Get Window Record", ov::nothing},
                {"Get Extended Styles", ov::routine<window_item::GetExtendedStyles>},
                {"Set Owner", ov::writer<attr::Owner>},
                {"Set Frame", ov::routine<window_item::SetFrame>},
                {"Set Location", ov::routine<window_item::SetLocation>},
                {"Set Active?", ov::routine<window_item::SetActive>},
                {"Set Visible?", ov::routine<window_item::SetVisible>},
                {"Set Capture?", ov::nothing},
                {"Set Value", ov::nothing},
                {"Resize", ov::routine<window_item::Resize>},
                {"Can Redraw?", ov::routine<window_item::CanRedraw>},
                {"Redraw", ov::routine<window_item::Redraw>},
                {"Do Draw?", ov::routine<window_item::DoDraw>},
                {"Draw", ov::routine<window_item::Draw>},
                {"Draw Border", ov::routine<window_item::DrawBorder>},
                {"Invert", ov::routine<window_item::Invert>},
                {"Point In?", ov::routine<window_item::PointIn>},
                {"Prepare", ov::routine<window_item::Prepare>},
                {"Prepare Drawing", ov::routine<window_item::PrepareDrawing>},
                {"Prepare Background", ov::routine<window_item::PrepareBackground>},
                {"Mouse Down", ov::routine<window_item::MouseDown>},
                {"Post Click Behavior", ov::routine<window_item::PostClickBehavior>},
                {"Key Down", ov::routine<window_item::KeyDown>},
                {"Special Key", ov::routine<window_item::SpecialKey>},
                {"Target", ov::routine<window_item::Target>},
                {"Change Cursor", ov::routine<window_item::ChangeCursor>},
                {"Enter", ov::nothing},
                {"Exit", ov::nothing},
                {"Default", ov::nothing},
                {"Hilite", ov::nothing},
                {"Hit Test", ov::nothing},
                {"Idle", ov::nothing},
                {"Change Color", ov::nothing},
                {"Adjust Clip Rect", ov::nothing},
                {"Adjust Origin", ov::nothing},
                {"Show Balloon", ov::nothing},
                {"Mouse Moved", ov::nothing},
                {"Mouse Up", ov::nothing},
                {"Mouse Down Middle", ov::nothing},
                {"Mouse Down Right", ov::nothing},
                {"Mouse Up Middle", ov::nothing},
                {"Mouse Up Right", ov::nothing},
                {"On Command", ov::nothing},
                {"Update Menus", ov::nothing},
                {"Use Font", ov::nothing},
                {"Targetable?", ov::failing},
                {"Has Font?", ov::failing},
                {"Is View?", ov::failing},
                {"Process Key", ov::failing}},
});

const ovUniversalDeclaration kAddPt("AddPt", ov::routine<universal::AddPt>);
const ovUniversalDeclaration kSubPt("SubPt", ov::routine<universal::SubPt>);

}  // namespace
