// Views: window items that hold other items.
//
// A view is a platform child window of the framework's window class. Its
// "Content" lists its items front-most first: the first item is drawn last
// (so it ends on top) and is the first a point or a name finds. Items'
// frames are in the view's content coordinates, which are its platform
// window's client coordinates moved by the scroll "Origin". "Window Origin"
// is the view's offset in its window's coordinates.
//
// The scroll-bar items in "VScroll" and "HScroll" may be any objects that
// answer the control protocol the view uses (open, close, activate, hilite,
// minimum, maximum and value, cursor, mouse, visibility).
#include <algorithm>
#include <string>
#include <vector>

#include "framework/platform_context.h"
#include "framework/persistents.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

namespace {

namespace sel {
const ovMethodSelector AdjustClipRect("Adjust Clip Rect");
const ovMethodSelector AdjustMinAndMax("Adjust Min and Max");
const ovMethodSelector AdjustOrigin("Adjust Origin");
const ovMethodSelector ActivateScrollBars("Activate Scroll Bars");
const ovMethodSelector AfterDrawing("After Drawing");
const ovMethodSelector BeforeDrawing("Before Drawing");
const ovMethodSelector ChangeCursor("Change Cursor");
const ovMethodSelector ChangeCursorInContent("Change Cursor in Content");
const ovMethodSelector ClickInContent("Click in Content");
const ovMethodSelector Close("Close");
const ovMethodSelector CloseContent("Close Content");
const ovMethodSelector ContainsHandle("Contains Handle");
const ovMethodSelector DoDraw("Do Draw?");
const ovMethodSelector Draw("Draw");
const ovMethodSelector DrawContent("Draw Content");
const ovMethodSelector FindCaptureItem("Find Capture Item");
const ovMethodSelector FindItem("Find Item");
const ovMethodSelector FindItemByKey("Find Item By Key");
const ovMethodSelector FindWindowItem("Find Window Item");
const ovMethodSelector GetActive("Get Active?");
const ovMethodSelector GetBackground("Get Background");
const ovMethodSelector GetCapture("Get Capture?");
const ovMethodSelector GetControlValue("Get Control Value");
const ovMethodSelector GetDeviceContext("Get Device Context");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetHWnd("Get HWnd");
const ovMethodSelector GetLocalWhere("Get Local Where");
const ovMethodSelector GetLocation("Get Location");
const ovMethodSelector GetName("Get Name");
const ovMethodSelector GetOrigin("Get Origin");
const ovMethodSelector GetScrollSize("Get Scroll Size");
const ovMethodSelector GetSize("Get Size");
const ovMethodSelector GetType("Get Type");
const ovMethodSelector GetValue("Get Value");
const ovMethodSelector GetVisible("Get Visible?");
const ovMethodSelector GetWhere("Get Where");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector GetWindowOrigin("Get Window Origin");
const ovMethodSelector Hilite("Hilite");
const ovMethodSelector HiliteContent("Hilite Content");
const ovMethodSelector HiliteScrollBars("Hilite Scroll Bars");
const ovMethodSelector InScrollBar("In Scroll Bar?");
const ovMethodSelector IsView("Is View?");
const ovMethodSelector MouseDown("Mouse Down");
const ovMethodSelector MouseDownRight("Mouse Down Right");
const ovMethodSelector MouseMoved("Mouse Moved");
const ovMethodSelector MouseUp("Mouse Up");
const ovMethodSelector Open("Open");
const ovMethodSelector OpenContent("Open Content");
const ovMethodSelector PointIn("Point In?");
const ovMethodSelector Post("Post");
const ovMethodSelector PostClickBehavior("Post Click Behavior");
const ovMethodSelector PostDrawBehavior("Post Draw Behavior?");
const ovMethodSelector Prepare("Prepare");
const ovMethodSelector PrepareSelf("Prepare Self");
const ovMethodSelector Resize("Resize");
const ovMethodSelector ResizeContent("Resize Content");
const ovMethodSelector SetActive("Set Active?");
const ovMethodSelector SetControlValue("Set Control Value");
const ovMethodSelector SetFrame("Set Frame");
const ovMethodSelector SetLocation("Set Location");
const ovMethodSelector SetMax("Set Max");
const ovMethodSelector SetMin("Set Min");
const ovMethodSelector SetPort("Set Port");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector SetUpBackground("Set Up Background");
const ovMethodSelector SetUpDrawing("Set Up Drawing");
const ovMethodSelector SetValue("Set Value");
const ovMethodSelector SetWindowOrigin("Set Window Origin");
const ovMethodSelector Tab("Tab");
const ovMethodSelector Targetable("Targetable?");
const ovMethodSelector Redraw("Redraw");
const ovMethodSelector Use("Use");
const ovMethodSelector UseNormal("Use Normal");
const ovMethodSelector ViewSize("View Size");
}  // namespace sel

namespace attr {
const ovAttributeSelector Active("Active?");
const ovAttributeSelector Background("Background");
const ovAttributeSelector Border("Border");
const ovAttributeSelector Color("Color");
const ovAttributeSelector Content("Content");
const ovAttributeSelector DrawBehavior("Draw Behavior");
const ovAttributeSelector Flags("Flags");
const ovAttributeSelector Frame("Frame");
const ovAttributeSelector HScroll("HScroll");
const ovAttributeSelector Limits("Limits");
const ovAttributeSelector Name("Name");
const ovAttributeSelector Object("Object");
const ovAttributeSelector Origin("Origin");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Transparent("Transparent?");
const ovAttributeSelector Visible("Visible?");
const ovAttributeSelector VScroll("VScroll");
const ovAttributeSelector WindowOrigin("Window Origin");
const ovAttributeSelector WindowRecord("Window Record");
}  // namespace attr

namespace cls {
const ovClassName Background("Background");
const ovClassName WindowItem("Window Item");
}  // namespace cls

namespace uni {
const ovUniversalName AddPt("AddPt");
const ovUniversalName GetClassName("Get Class Name");
const ovUniversalName GetCurrentDevice("Get Current Device");
const ovUniversalName GetTarget("Get Target");
const ovUniversalName Is3D("Is 3D?");
const ovUniversalName RgbToColorRef("RGB To ColorRef");
const ovUniversalName SubPt("SubPt");
}  // namespace uni


// The style bits a view gives its scroll bars before opening them.
constexpr int32_t kVerticalScrollFlags = 3;
constexpr int32_t kHorizontalScrollFlags = 2;

HWND recordOf(ovC_object* view) { return ov::toHandle<HWND>(ov::get(attr::WindowRecord, view)); }

ovRef content(ovC_object* view) { return ov::get(attr::Content, view); }

POINT originOf(ovC_object* view) { return ov::toPOINT(ov::send(sel::GetOrigin, view).get()); }

// The first content item for which ask answers a value, in content order,
// or NULL.
template <typename Ask>
ovRef firstAnswer(ovC_object* view, Ask&& ask) {
  ovRef items = content(view);
  for (uint32_t i = 0; i < ov::length(items); ++i)
    if (ovRef answer = ask(ov::element(items, i))) return answer;
  return nullptr;
}

// Sends one message with the same inputs to every content item, in order,
// stopping at the first failure.
template <typename... More>
ovStatus tellContent(ovC_object* view, const ovMethodSelector& message, const More&... more) {
  return ov::forEach(content(view),
                     [&](ovC_object* item) { return ov::send<0>(message, item, {ov::In(more)...}).status; });
}

// Sends a message with one input to each scroll bar the view has.
void tellScrollBars(ovC_object* view, const ovMethodSelector& message, ov::In input) {
  for (const ovAttributeSelector* bar : {&attr::VScroll, &attr::HScroll})
    if (ovRef scroll = ov::get(*bar, view)) ov::send<0>(message, scroll, {input});
}

// The owner's answer, or NULL without an owner.
ovRef askOwner(ovC_object* view, const ovMethodSelector& question) {
  ovRef owner = ov::get(attr::Owner, view);
  if (!owner) return nullptr;
  return ov::send(question, owner).take();
}

namespace view {

HWND createPlatformWindow(ovC_object* view, ovC_object* owner) {
  std::string className = ov::cString(ov::universal(uni::GetClassName).get());
  std::string name = ov::cString(ov::get(attr::Name, view));
  auto style = static_cast<DWORD>(ov::toInt(ov::send(sel::GetFlags, view).get()));
  return vorn::CreateItemWindow(view, owner, WS_EX_CONTROLPARENT, className.c_str(), name, style);
}

void openScrollBar(ovC_object* view, const ovAttributeSelector& bar, int32_t flags) {
  ovRef scroll = ov::get(bar, view);
  if (!scroll) return;
  ov::set(attr::Flags, scroll, ov::integer(flags));
  ov::send<0>(sel::Open, scroll, {view});
  ov::send<0>(sel::SetActive, scroll, {ov::send(sel::GetActive, view).get()});
}

// The platform window, the scroll bars, the draw behaviour, the items,
// then the background's brush.
ovStatus Open(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::sendAs<0>(cls::WindowItem, sel::Open, view, {a[1]});
  ov::set(attr::WindowRecord, view, ov::handleValue(createPlatformWindow(view, a[1])));
  openScrollBar(view, attr::VScroll, kVerticalScrollFlags);
  openScrollBar(view, attr::HScroll, kHorizontalScrollFlags);
  if (ovRef behavior = ov::get(attr::DrawBehavior, view)) ov::send<0>(sel::Open, behavior, {view});
  ov::send<0>(sel::OpenContent, view);
  if (ovRef background = ov::get(attr::Background, view)) ov::send<0>(sel::Open, background);
  return ovSuccess;
}

ovStatus OpenContent(const ov::Args& a) { return tellContent(a.receiver(), sel::Open, a.receiver()); }

ovStatus Close(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::send<0>(sel::CloseContent, view);
  for (const ovAttributeSelector* bar : {&attr::VScroll, &attr::HScroll})
    if (ovRef scroll = ov::get(*bar, view)) ov::send<0>(sel::Close, scroll);
  ov::sendAs<0>(cls::WindowItem, sel::Close, view);
  for (const ovAttributeSelector* part : {&attr::Background, &attr::DrawBehavior})
    if (ovRef object = ov::get(*part, view)) ov::send<0>(sel::Close, object);
  if (HWND record = recordOf(view)) {
    DestroyWindow(record);
    ov::set(attr::WindowRecord, view, nullptr);
  }
  return ovSuccess;
}

ovStatus CloseContent(const ov::Args& a) { return tellContent(a.receiver(), sel::Close); }

// The style of the view's platform window: its own bits, a visible child,
// framed when it has a border, with the scroll bars it has.
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto style = static_cast<DWORD>(ov::toInt(ov::get(attr::Flags, view))) | WS_CHILD;
  if (ov::isTrue(ov::get(attr::Visible, view))) style |= WS_VISIBLE;
  if (ov::get(attr::Border, view)) style |= WS_BORDER;
  if (ov::get(attr::VScroll, view)) style |= WS_VSCROLL;
  if (ov::get(attr::HScroll, view)) style |= WS_HSCROLL;
  a.put(0, ov::integer(static_cast<int32_t>(style)));
  return ovSuccess;
}

// The view itself by its name, else the first match depth first.
ovStatus FindWindowItem(const ov::Args& a) {
  ovRef own = ov::get(attr::Name, a.receiver());
  if (ov::isText(own) && ov::textEquals(a[1], ov::chars(own))) {
    a.put(0, a.receiver());
    return ovSuccess;
  }
  a.put(0, firstAnswer(a.receiver(),
                       [&](ovC_object* item) { return ov::send(sel::FindWindowItem, item, {a[1]}).take(); }));
  return ovSuccess;
}

// The front-most visible item under the point (content coordinates).
ovStatus FindItem(const ov::Args& a) {
  a.put(0, firstAnswer(a.receiver(), [&](ovC_object* item) -> ovRef {
          if (!ov::isTrue(ov::send(sel::GetVisible, item).get())) return nullptr;
          if (ov::toInt(ov::send(sel::PointIn, item, {a[1], nullptr}).get()) == 0) return nullptr;
          return ovRef::share(item);
        }));
  return ovSuccess;
}

ovStatus FindItemByKey(const ov::Args& a) {
  ovRef own = ov::sendAs(cls::WindowItem, sel::FindItemByKey, a.receiver(), {a[1]}).take();
  if (!own)
    own =
        firstAnswer(a.receiver(), [&](ovC_object* item) { return ov::send(sel::FindItemByKey, item, {a[1]}).take(); });
  a.put(0, std::move(own));
  return ovSuccess;
}

ovStatus FindCaptureItem(const ov::Args& a) {
  if (ov::isTrue(ov::send(sel::GetCapture, a.receiver()).get())) {
    a.put(0, a.receiver());
    return ovSuccess;
  }
  a.put(0, firstAnswer(a.receiver(), [](ovC_object* item) { return ov::send(sel::FindCaptureItem, item).take(); }));
  return ovSuccess;
}

// (TRUE, the view) for its own platform window, else (TRUE, the item) for
// the first item holding the handle, else (FALSE, NULL).
ovStatus ContainsHandle(const ov::Args& a) {
  HWND record = recordOf(a.receiver());
  ovRef found;
  if (record && record == ov::toHandle<HWND>(a[1]))
    found = ovRef::share(a.receiver());
  else
    found = firstAnswer(a.receiver(), [&](ovC_object* item) -> ovRef {
      auto answer = ov::send<2>(sel::ContainsHandle, item, {a[1]});
      return ov::isTrue(answer.get(0)) ? answer.take(1) : nullptr;
    });
  a.put(0, ov::boolean(found.get() != nullptr));
  a.put(1, std::move(found));
  return ovSuccess;
}

ovStatus GetValue(const ov::Args& a) {
  ovRef values = ov::emptyList();
  ovRef items = content(a.receiver());
  for (uint32_t i = 0; i < ov::length(items); ++i)
    values = ov::appended(values, ov::send(sel::GetValue, ov::element(items, i)).get());
  a.put(0, std::move(values));
  return ovSuccess;
}

// NULL clears every item; a list gives item i its element i, as far as
// both go.
ovStatus SetValue(const ov::Args& a) {
  if (!a[1]) return tellContent(a.receiver(), sel::SetValue, nullptr);
  ovRef items = content(a.receiver());
  uint32_t n = std::min(ov::length(items), ov::length(a[1]));
  for (uint32_t i = 0; i < n; ++i)
    if (ov::send<0>(sel::SetValue, ov::element(items, i), {ov::element(a[1], i)}).failed()) return ovFailure;
  return ovSuccess;
}

// Draws the items in the area asked for (client coordinates).
ovStatus Draw(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ov::send<0>(sel::DoDraw, view, {a[1]}).failed()) return ovSuccess;
  RECT area = ov::toRECT(a[1]);
  POINT origin = originOf(view);
  OffsetRect(&area, origin.x, origin.y);
  ov::send<0>(sel::BeforeDrawing, view);
  ov::send<0>(sel::DrawContent, view, {ov::rectFrom(area)});
  ov::send<0>(sel::AfterDrawing, view);
  return ovSuccess;
}

// A view draws only into the device context of its own platform window.
ovStatus DoDraw(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ov::isFalse(ov::get(attr::Visible, view))) return ovFailure;
  HDC dc = ov::toHandle<HDC>(ov::send(sel::GetDeviceContext, view).get());
  return dc && WindowFromDC(dc) == recordOf(view) ? ovSuccess : ovFailure;
}

// Back to front, so the first item ends on top. An item that fails to draw
// ends the drawing: the items in front of it and the draw behaviour wait
// for the next paint.
ovStatus DrawContent(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef items = content(view);
  for (uint32_t i = ov::length(items); i > 0; --i)
    if (ov::send<0>(sel::Draw, ov::element(items, i - 1), {a[1]}).failed()) return ovFailure;
  ovRef behavior = ov::get(attr::DrawBehavior, view);
  if (!behavior) return ovSuccess;
  auto window = ov::send(sel::GetWindow, view);
  if (window.get() && ov::send<0>(sel::PostDrawBehavior, window.get()).succeeded()) ov::send<0>(sel::Post, behavior);
  return ovSuccess;
}

ovStatus BeforeDrawing(const ov::Args& a) {
  ov::send<0>(sel::SetUpDrawing, a.receiver());
  ov::send<0>(sel::SetUpBackground, a.receiver());
  return ovSuccess;
}

// The owner's drawing state and background back in the device context.
ovStatus AfterDrawing(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef owner = ov::get(attr::Owner, view);
  ov::send<0>(sel::SetUpDrawing, owner);
  if (ov::isTrue(ov::get(attr::Transparent, view))) return ovSuccess;
  if (ovRef background = ov::send(sel::GetBackground, owner).take()) ov::send<0>(sel::Use, background);
  return ovSuccess;
}

// Content coordinates in the current device: its origin is the scroll
// origin.
ovStatus SetUpDrawing(const ov::Args& a) {
  POINT origin = originOf(a.receiver());
  HDC dc = ov::toHandle<HDC>(ov::universal(uni::GetCurrentDevice).get());
  SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
  return ovSuccess;
}

// Fills the view with a brush and makes its colour the text background.
void fillView(ovC_object* view, HDC dc, HBRUSH brush, COLORREF color) {
  POINT size = ov::toPOINT(ov::send(sel::GetSize, view).get());
  RECT all{0, 0, size.x, size.y};
  FillRect(dc, &all, brush);
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, color);
}

// The view's own background, else (unless transparent) the face colour of
// a 3D interface or white.
void fillDefault(ovC_object* view, HDC dc) {
  if (ov::isTrue(ov::get(attr::Transparent, view))) return;
  bool threeD = ov::universal<0>(uni::Is3D).succeeded();
  COLORREF color = threeD ? GetSysColor(COLOR_BTNFACE) : RGB(255, 255, 255);
  auto brush = threeD ? CreateSolidBrush(color) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  fillView(view, dc, brush, color);
  DeleteObject(brush);
}

// Erases the view in the current device, unless a paint under way has had
// its background erased already.
ovStatus SetUpBackground(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef device = gCurrentDevice.get();
  auto dc = ov::toHandle<HDC>(ov::element(device, 0));
  ovC_object* paint = ov::element(device, 1);
  if (ov::recordMemory<PAINTSTRUCT>(paint) && !ov::field<BOOL>(paint, ovFields::kPaintErase)) return ovSuccess;
  ovRef background = ov::get(attr::Background, view);
  if (!background) {
    fillDefault(view, dc);
    return ovSuccess;
  }
  auto brush = ov::toHandle<HBRUSH>(ov::get(attr::Object, background));
  if (!brush) return ovSuccess;
  ovRef color = ov::universal(uni::RgbToColorRef, {ov::get(attr::Color, background)}).take();
  fillView(view, dc, brush, static_cast<COLORREF>(ov::toInt(color)));
  return ovSuccess;
}

// A transparent view shows its owner's background.
ovStatus GetBackground(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef background = ov::get(attr::Background, view);
  if (!background && ov::isTrue(ov::get(attr::Transparent, view))) background = askOwner(view, sel::GetBackground);
  a.put(0, std::move(background));
  return ovSuccess;
}

// The window's device context while it paints this view; else NULL.
ovStatus GetDeviceContext(const ov::Args& a) {
  auto window = ov::send(sel::GetWindow, a.receiver());
  if (!window.get()) return ovSuccess;
  ovRef dc = ov::send(sel::GetDeviceContext, window.get()).take();
  if (WindowFromDC(ov::toHandle<HDC>(dc)) == recordOf(a.receiver())) a.put(0, std::move(dc));
  return ovSuccess;
}

ovStatus PrepareSelf(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (!ov::get(attr::Owner, view)) return ovSuccess;
  ov::send<0>(sel::SetPort, view);
  ov::send<0>(sel::SetUpDrawing, view);
  if (ovRef background = ov::send(sel::GetBackground, view).take())
    ov::send<0>(sel::Use, background);
  else
    ov::sendToClass<0>(cls::Background, sel::UseNormal);
  return ovSuccess;
}

// The event's screen point in the view's content coordinates.
ovStatus GetLocalWhere(const ov::Args& a) {
  POINT where = ov::toPOINT(ov::send(sel::GetWhere, a[1]).get());
  ScreenToClient(recordOf(a.receiver()), &where);
  a.put(0, ov::universal(uni::AddPt, {ov::send(sel::GetOrigin, a.receiver()).get(), ov::pointFrom(where)}).take());
  return ovSuccess;
}

ovRef localWhere(ovC_object* view, ovC_object* event) { return ov::send(sel::GetLocalWhere, view, {event}).take(); }

ovStatus MouseDown(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ovRef capturing = ov::send(sel::FindCaptureItem, view).take())
    return ov::send<0>(sel::MouseDown, capturing, {a[1], a[2]}).status;
  if (!ov::isTrue(ov::get(attr::Active, view))) return ovSuccess;
  auto scroll = ov::send(sel::InScrollBar, view, {a[2]});
  if (scroll.succeeded() && scroll.get()) return ov::send<0>(sel::MouseDown, scroll.get(), {a[1], a[2]}).status;
  return ov::send<0>(sel::ClickInContent, view, {localWhere(view, a[2]), a[2]}).status;
}

// A click on no item is a click on the view itself.
ovStatus ClickInContent(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ovRef item = ov::send(sel::FindItem, view, {a[1]}).take())
    return ov::send<0>(sel::MouseDown, item, {a[1], a[2]}).status;
  ov::send<0>(sel::PrepareSelf, view);
  return ov::send<0>(sel::PostClickBehavior, view, {a[2]}).status;
}

bool eventIsMine(ovC_object* view, ovC_object* event) {
  HWND record = recordOf(view);
  return record && ov::toHandle<HWND>(ov::send(sel::GetHWnd, event).get()) == record;
}

ovStatus MouseDownRight(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (!eventIsMine(view, a[2])) return ovSuccess;
  ov::send<0>(sel::SetUpDrawing, view);
  ovRef local = localWhere(view, a[2]);
  if (ovRef item = ov::send(sel::FindItem, view, {local}).take())
    return ov::send<0>(sel::MouseDownRight, item, {local, a[2]}).status;
  return ovSuccess;
}

// The item whose platform window holds the mouse capture, never the view
// itself (which would hand the event back to itself).
ovRef captureHolder(ovC_object* view) {
  HWND capture = GetCapture();
  if (!capture) return nullptr;
  auto found = ov::send<2>(sel::ContainsHandle, view, {ov::handleValue(capture)});
  if (!ov::isTrue(found.get(0)) || found.get(1) == view) return nullptr;
  return found.take(1);
}

// The item that gets a move or a release: the mouse capture's, else the
// one under the pointer.
ovRef pointerItem(ovC_object* view, ovC_object* event) {
  if (ovRef holder = captureHolder(view)) return holder;
  ov::send<0>(sel::PrepareSelf, view);
  return ov::send(sel::FindItem, view, {localWhere(view, event)}).take();
}

ovStatus MouseMoved(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ovRef capturing = ov::send(sel::FindCaptureItem, view).take()) {
    ov::send<0>(sel::MouseMoved, capturing, {a[1]});
  } else if (eventIsMine(view, a[1])) {
    if (ovRef item = pointerItem(view, a[1])) ov::send<0>(sel::MouseMoved, item, {a[1]});
    return ovSuccess;
  }
  return ov::send<0>(sel::ChangeCursorInContent, view, {localWhere(view, a[1]), a[1]}).status;
}

ovStatus MouseUp(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef item = ov::send(sel::FindCaptureItem, view).take();
  if (!item) item = pointerItem(view, a[2]);
  if (!item) return ovSuccess;
  return ov::send<0>(sel::MouseUp, item, {a[1], a[2]}).status;
}

ovStatus ChangeCursor(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto scroll = ov::send(sel::InScrollBar, view, {a[2]});
  if (scroll.succeeded() && scroll.get() && ov::isTrue(ov::send(sel::GetVisible, scroll.get()).get()))
    return ov::send<0>(sel::ChangeCursor, scroll.get(), {a[1], a[2]}).status;
  return ov::send<0>(sel::ChangeCursorInContent, view, {localWhere(view, a[2]), a[2]}).status;
}

// The item under the point (content coordinates) shapes the cursor, else
// the view as a plain item.
ovStatus ChangeCursorInContent(const ov::Args& a) {
  if (ovRef item = ov::send(sel::FindItem, a.receiver(), {a[1]}).take())
    return ov::send<0>(sel::ChangeCursor, item, {a[1], a[2]}).status;
  return ov::sendAs<0>(cls::WindowItem, sel::ChangeCursor, a.receiver(), {a[1], a[2]}).status;
}

// The scroll bar a scroll event of the view's own platform window is for.
ovStatus InScrollBar(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (!eventIsMine(view, a[1])) return ovFailure;
  ovRef type = ov::send(sel::GetType, a[1]).take();
  ovRef scroll;
  if (ov::textEquals(type, "VSCROLL")) scroll = ov::get(attr::VScroll, view);
  if (ov::textEquals(type, "HSCROLL")) scroll = ov::get(attr::HScroll, view);
  if (!scroll) return ovFailure;
  a.put(0, std::move(scroll));
  return ovSuccess;
}

// The frame's size, less the scroll bars: (height, width).
ovStatus ViewSize(const ov::Args& a) {
  ovC_object* view = a.receiver();
  RECT frame = ov::toRECT(ov::get(attr::Frame, view));
  int32_t width = frame.right - frame.left;
  int32_t height = frame.bottom - frame.top;
  if (ov::get(attr::VScroll, view)) width -= GetSystemMetrics(SM_CXVSCROLL);
  if (ov::get(attr::HScroll, view)) height -= GetSystemMetrics(SM_CYHSCROLL);
  a.put(0, ov::point(height, width));
  return ovSuccess;
}

ovStatus GetScrollSize(const ov::Args& a) {
  POINT size = ov::toPOINT(ov::send(sel::ViewSize, a.receiver()).get());
  a.put(0, ov::point(size.y - (GetSystemMetrics(SM_CXVSCROLL) + 2), size.x - (GetSystemMetrics(SM_CYHSCROLL) + 2)));
  return ovSuccess;
}

// Scroll range of one bar: from the limit's start to where the last
// screenful starts (never before the start); the value kept inside.
void limitScrollBar(ovC_object* scroll, int32_t low, int32_t high, int32_t shown) {
  if (!scroll) return;
  int32_t top = std::max(low, high - shown);
  ov::send<0>(sel::SetMin, scroll, {ov::integer(low)});
  ov::send<0>(sel::SetMax, scroll, {ov::integer(top)});
  int32_t value = ov::toInt(ov::send(sel::GetControlValue, scroll).get());
  ov::send<0>(sel::SetControlValue, scroll, {ov::integer(std::min(std::max(value, low), top))});
}

ovStatus AdjustMinAndMax(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef limits = ov::get(attr::Limits, view);
  if (!limits) return ovSuccess;
  RECT l = ov::toRECT(limits);
  POINT shown = ov::toPOINT(ov::send(sel::GetScrollSize, view).get());
  limitScrollBar(ov::get(attr::VScroll, view).get(), l.top, l.bottom, shown.y);
  limitScrollBar(ov::get(attr::HScroll, view).get(), l.left, l.right, shown.x);
  return ovSuccess;
}

// A new frame resizes the items by their rules and the scroll range.
ovStatus SetFrame(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef oldSize = ov::send(sel::GetSize, view).take();
  RECT r = ov::toRECT(a[1]);
  ovRef newSize = ov::universal(uni::SubPt, {ov::point(r.top, r.left), ov::point(r.bottom, r.right)}).take();
  ov::sendAs<0>(cls::WindowItem, sel::SetFrame, view, {a[1]});
  ov::send<0>(sel::ResizeContent, view, {oldSize, newSize});
  ov::send<0>(sel::AdjustMinAndMax, view);
  return ovSuccess;
}

ovStatus ResizeContent(const ov::Args& a) { return tellContent(a.receiver(), sel::Resize, a[1], a[2]); }

ovStatus SetLocation(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::send<0>(sel::Redraw, view, {gdDefaultTrue});
  ov::sendAs<0>(cls::WindowItem, sel::SetLocation, view, {a[1]});
  if (ovRef parentOrigin = askOwner(view, sel::GetWindowOrigin)) ov::send<0>(sel::AdjustOrigin, view, {parentOrigin});
  ov::send<0>(sel::Redraw, view, {gdDefaultFalse});
  return ovSuccess;
}

ovStatus SetOwner(const ov::Args& a) {
  ov::set(attr::Owner, a.receiver(), a[1]);
  if (a[1]) ov::send<0>(sel::SetWindowOrigin, a.receiver(), {ov::send(sel::GetWindowOrigin, a[1]).get()});
  return ovSuccess;
}

// The view's place in window coordinates, less its scroll origin.
ovStatus SetWindowOrigin(const ov::Args& a) {
  ovC_object* view = a.receiver();
  POINT location = ov::toPOINT(ov::send(sel::GetLocation, view).get());
  POINT parent = ov::toPOINT(a[1]);
  POINT origin = originOf(view);
  ov::set(attr::WindowOrigin, view, ov::point(location.y + parent.y - origin.y, location.x + parent.x - origin.x));
  ov::send<0>(sel::AdjustClipRect, view);
  return ovSuccess;
}

ovStatus AdjustOrigin(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::send<0>(sel::SetWindowOrigin, view, {a[1]});
  return tellContent(view, sel::AdjustOrigin, ov::get(attr::WindowOrigin, view));
}

// Whether the application's target is one of the view's items.
bool holdsTarget(ovC_object* view) {
  auto target = ov::universal(uni::GetTarget);
  if (target.failed() || !target.get()) return false;
  ovRef name = ov::send(sel::GetName, target.get()).take();
  return ov::send(sel::FindWindowItem, view, {name}).get() == target.get();
}

// A view made inactive first takes the target from its items, by force.
ovStatus SetActive(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ov::isFalse(a[1]) && holdsTarget(view)) {
    if (auto window = ov::send(sel::GetWindow, view); window.get())
      ov::send<0>(sel::SetTarget, window.get(), {nullptr, gdDefaultTrue});
  }
  ov::set(attr::Active, view, a[1]);
  tellContent(view, sel::SetActive, a[1]);
  ov::send<0>(sel::ActivateScrollBars, view, {a[1]});
  return ovSuccess;
}

ovStatus ActivateScrollBars(const ov::Args& a) {
  ov::send<0>(sel::Prepare, a.receiver());
  tellScrollBars(a.receiver(), sel::SetActive, a[1]);
  return ovSuccess;
}

ovStatus Hilite(const ov::Args& a) {
  ov::send<0>(sel::HiliteScrollBars, a.receiver(), {a[1]});
  ov::send<0>(sel::HiliteContent, a.receiver(), {a[1]});
  return ovSuccess;
}

ovStatus HiliteContent(const ov::Args& a) { return tellContent(a.receiver(), sel::Hilite, a[1]); }

ovStatus HiliteScrollBars(const ov::Args& a) {
  tellScrollBars(a.receiver(), sel::Hilite, a[1]);
  return ovSuccess;
}

// The items a tab from fromItem tries, in order: those after it (before
// it, nearest first, going backward), or all of them when it is not here.
std::vector<ovRef> tabCandidates(ovC_object* items, ovC_object* fromItem, bool backward) {
  auto n = static_cast<int32_t>(ov::length(items));
  int32_t at = fromItem ? ov::indexOf(items, fromItem) : -1;
  std::vector<ovRef> order;
  if (at < 0) {
    for (int32_t i = 0; i < n; ++i) order.push_back(ovRef::share(ov::element(items, static_cast<uint32_t>(i))));
    if (backward) std::reverse(order.begin(), order.end());
    return order;
  }
  if (backward)
    for (int32_t i = at - 1; i >= 0; --i) order.push_back(ovRef::share(ov::element(items, static_cast<uint32_t>(i))));
  else
    for (int32_t i = at + 1; i < n; ++i) order.push_back(ovRef::share(ov::element(items, static_cast<uint32_t>(i))));
  return order;
}

// Gives the target to the next item that takes it; when none here does,
// the search goes on in the owner after this view.
ovStatus Tab(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef items = content(view);
  if (!ov::isTrue(ov::get(attr::Active, view)) || !ov::isTrue(ov::get(attr::Visible, view)) || ov::length(items) == 0)
    return ovFailure;
  for (const ovRef& candidate : tabCandidates(items.get(), a[1], ov::isTrue(a[2]))) {
    bool eligible =
        ov::send<0>(sel::Targetable, candidate).succeeded() || ov::send<0>(sel::IsView, candidate).succeeded();
    if (eligible && ov::send<0>(sel::Tab, candidate, {nullptr, a[2]}).succeeded()) return ovSuccess;
  }
  ovRef owner = ov::get(attr::Owner, view);
  if (!owner) return ovFailure;
  return ov::send<0>(sel::Tab, owner, {view, a[2]}).status;
}

// Asks the owner the same question with the same inputs.
template <const ovMethodSelector& Question>
ovStatus AskOwner(const ov::Args& a) {
  ovRef owner = ov::get(attr::Owner, a.receiver());
  if (!owner) return ovFailure;
  auto answer = ov::send(Question, owner);
  a.put(0, answer.take());
  return answer.status;
}

}  // namespace view

const ovClassDeclaration kViewClass({
    .name = "View",
    .superclass = "Window Item",
    .attributes = {"VScroll", "HScroll", "Limits", "Background", "Window Origin", "Clip Rect", "Origin",
                   "Draw Behavior", "Content", "Window Record"},
    .methods = {{"Open", ov::routine<view::Open>},
                {"Open Content", ov::routine<view::OpenContent>},
                {"Close", ov::routine<view::Close>},
                {"Close Content", ov::routine<view::CloseContent>},
                {"Get Flags", ov::routine<view::GetFlags>},
                {"Find Window Item", ov::routine<view::FindWindowItem>},
                {"Find Item", ov::routine<view::FindItem>},
                {"Find Item By Key", ov::routine<view::FindItemByKey>},
                {"Find Capture Item", ov::routine<view::FindCaptureItem>},
                {"Contains Handle", ov::routine<view::ContainsHandle>},
                {"Get Value", ov::routine<view::GetValue>},
                {"Set Value", ov::routine<view::SetValue>},
                {"Draw", ov::routine<view::Draw>},
                {"Do Draw?", ov::routine<view::DoDraw>},
                {"Draw Content", ov::routine<view::DrawContent>},
                {"Before Drawing", ov::routine<view::BeforeDrawing>},
                {"After Drawing", ov::routine<view::AfterDrawing>},
                {"Set Up Drawing", ov::routine<view::SetUpDrawing>},
                {"Set Up Background", ov::routine<view::SetUpBackground>},
                {"Get Background", ov::routine<view::GetBackground>},
                {"Get Device Context", ov::routine<view::GetDeviceContext>},
                {"Prepare Self", ov::routine<view::PrepareSelf>},
                {"Mouse Down", ov::routine<view::MouseDown>},
                {"Click in Content", ov::routine<view::ClickInContent>},
                {"Mouse Down Right", ov::routine<view::MouseDownRight>},
                {"Mouse Moved", ov::routine<view::MouseMoved>},
                {"Mouse Up", ov::routine<view::MouseUp>},
                {"Change Cursor", ov::routine<view::ChangeCursor>},
                {"Change Cursor in Content", ov::routine<view::ChangeCursorInContent>},
                {"In Scroll Bar?", ov::routine<view::InScrollBar>},
                {"Get Local Where", ov::routine<view::GetLocalWhere>},
                {"View Size", ov::routine<view::ViewSize>},
                {"Get Scroll Size", ov::routine<view::GetScrollSize>},
                {"Adjust Min and Max", ov::routine<view::AdjustMinAndMax>},
                {"Set Frame", ov::routine<view::SetFrame>},
                {"Resize Content", ov::routine<view::ResizeContent>},
                {"Set Location", ov::routine<view::SetLocation>},
                {"Set Owner", ov::routine<view::SetOwner>},
                {"Set Window Origin", ov::routine<view::SetWindowOrigin>},
                {"Adjust Origin", ov::routine<view::AdjustOrigin>},
                {"Set Active?", ov::routine<view::SetActive>},
                {"Activate Scroll Bars", ov::routine<view::ActivateScrollBars>},
                {"Hilite", ov::routine<view::Hilite>},
                {"Hilite Content", ov::routine<view::HiliteContent>},
                {"Hilite Scroll Bars", ov::routine<view::HiliteScrollBars>},
                {"Tab", ov::routine<view::Tab>},
                {"Get Window", ov::routine<view::AskOwner<sel::GetWindow>>},
                {"Set Port", ov::routine<view::AskOwner<sel::SetPort>>},
                {"Get Content", ov::reader<attr::Content>},
                {"Get Origin", ov::reader<attr::Origin>},
                {"Get Window Origin", ov::reader<attr::WindowOrigin>},
                {"Get Window Record", ov::reader<attr::WindowRecord>},
                {"Adjust Clip Rect", ov::nothing},
                {"Is View?", ov::nothing},
                {"Process Key", ov::failing}},
});

}  // namespace
