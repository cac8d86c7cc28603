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

#include "framework/event_message.h"
#include "framework/persistents.h"
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

namespace {

// The style bits a view gives its scroll bars before opening them.
constexpr int32_t kVerticalScrollFlags = 3;
constexpr int32_t kHorizontalScrollFlags = 2;

HWND recordOf(ovC_object* view) { return ov::toHandle<HWND>(ov::get("Window Record"_attr, view)); }

ovRef content(ovC_object* view) { return ov::get("Content"_attr, view); }

POINT originOf(ovC_object* view) { return ov::toPOINT(ov::send("Get Origin"_sel, view).get()); }

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
  for (const ovAttributeSelector* bar : ov::Attributes{&"VScroll"_attr, &"HScroll"_attr})
    if (ovRef scroll = ov::get(*bar, view)) ov::tell(message, scroll, {input});
}

// The owner's answer, or NULL without an owner.
ovRef askOwner(ovC_object* view, const ovMethodSelector& question) {
  ovRef owner = ov::get("Owner"_attr, view);
  if (!owner) return nullptr;
  return ov::send(question, owner).take();
}

namespace view {

HWND createPlatformWindow(ovC_object* view, ovC_object* owner) {
  std::string className = ov::cString(ov::universal("Get Class Name"_uni).get());
  std::string name = ov::cString(ov::get("Name"_attr, view));
  auto style = static_cast<DWORD>(ov::toInt(ov::send("Get Flags"_sel, view).get()));
  return vorn::CreateItemWindow(view, owner, WS_EX_CONTROLPARENT, className.c_str(), name, style);
}

void openScrollBar(ovC_object* view, const ovAttributeSelector& bar, int32_t flags) {
  ovRef scroll = ov::get(bar, view);
  if (!scroll) return;
  ov::set("Flags"_attr, scroll, ov::integer(flags));
  ov::tell("Open"_sel, scroll, {view});
  ov::tell("Set Active?"_sel, scroll, {ov::send("Get Active?"_sel, view).get()});
}

// The platform window, the scroll bars, the draw behaviour, the items,
// then the background's brush.
ovStatus Open(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Open"_sel, view, {a[1]}));
  ov::set("Window Record"_attr, view, ov::handleValue(createPlatformWindow(view, a[1])));
  openScrollBar(view, "VScroll"_attr, kVerticalScrollFlags);
  openScrollBar(view, "HScroll"_attr, kHorizontalScrollFlags);
  if (ovRef behavior = ov::get("Draw Behavior"_attr, view)) ov::tell("Open"_sel, behavior, {view});
  ov::tell("Open Content"_sel, view);
  if (ovRef background = ov::get("Background"_attr, view)) ov::tell("Open"_sel, background);
  return ovSuccess;
}

ovStatus OpenContent(const ov::Args& a) { return tellContent(a.receiver(), "Open"_sel, a.receiver()); }

ovStatus Close(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::tell("Close Content"_sel, view);
  for (const ovAttributeSelector* bar : ov::Attributes{&"VScroll"_attr, &"HScroll"_attr})
    if (ovRef scroll = ov::get(*bar, view)) ov::tell("Close"_sel, scroll);
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Close"_sel, view));
  for (const ovAttributeSelector* part : ov::Attributes{&"Background"_attr, &"Draw Behavior"_attr})
    if (ovRef object = ov::get(*part, view)) ov::tell("Close"_sel, object);
  if (HWND record = recordOf(view)) {
    DestroyWindow(record);
    ov::set("Window Record"_attr, view, nullptr);
  }
  return ovSuccess;
}

ovStatus CloseContent(const ov::Args& a) { return tellContent(a.receiver(), "Close"_sel); }

// The style of the view's platform window: its own bits, a visible child,
// framed when it has a border, with the scroll bars it has.
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto style = static_cast<DWORD>(ov::toInt(ov::get("Flags"_attr, view))) | WS_CHILD;
  if (ov::isTrue(ov::get("Visible?"_attr, view))) style |= WS_VISIBLE;
  if (ov::get("Border"_attr, view)) style |= WS_BORDER;
  if (ov::get("VScroll"_attr, view)) style |= WS_VSCROLL;
  if (ov::get("HScroll"_attr, view)) style |= WS_HSCROLL;
  a.put(0, ov::integer(static_cast<int32_t>(style)));
  return ovSuccess;
}

// The view itself by its name, else the first match depth first.
ovStatus FindWindowItem(const ov::Args& a) {
  ovRef own = ov::get("Name"_attr, a.receiver());
  if (ov::isText(own) && ov::textEquals(a[1], ov::chars(own))) {
    a.put(0, a.receiver());
    return ovSuccess;
  }
  a.put(0, firstAnswer(a.receiver(),
                       [&](ovC_object* item) { return ov::send("Find Window Item"_sel, item, {a[1]}).take(); }));
  return ovSuccess;
}

// The front-most visible item under the point (content coordinates).
ovStatus FindItem(const ov::Args& a) {
  a.put(0, firstAnswer(a.receiver(), [&](ovC_object* item) -> ovRef {
          if (!ov::isTrue(ov::send("Get Visible?"_sel, item).get())) return nullptr;
          if (ov::toInt(ov::send("Point In?"_sel, item, {a[1], nullptr}).get()) == 0) return nullptr;
          return ovRef::share(item);
        }));
  return ovSuccess;
}

ovStatus FindItemByKey(const ov::Args& a) {
  ovRef own = ov::sendAs("Window Item"_cls, "Find Item By Key"_sel, a.receiver(), {a[1]}).take();
  if (!own)
    own = firstAnswer(a.receiver(),
                      [&](ovC_object* item) { return ov::send("Find Item By Key"_sel, item, {a[1]}).take(); });
  a.put(0, std::move(own));
  return ovSuccess;
}

ovStatus FindCaptureItem(const ov::Args& a) {
  if (ov::isTrue(ov::send("Get Capture?"_sel, a.receiver()).get())) {
    a.put(0, a.receiver());
    return ovSuccess;
  }
  a.put(0, firstAnswer(a.receiver(), [](ovC_object* item) { return ov::send("Find Capture Item"_sel, item).take(); }));
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
      auto answer = ov::send<2>("Contains Handle"_sel, item, {a[1]});
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
    values = ov::appended(values, ov::send("Get Value"_sel, ov::element(items, i)).get());
  a.put(0, std::move(values));
  return ovSuccess;
}

// NULL clears every item; a list gives item i its element i, as far as
// both go.
ovStatus SetValue(const ov::Args& a) {
  if (!a[1]) return tellContent(a.receiver(), "Set Value"_sel, nullptr);
  ovRef items = content(a.receiver());
  uint32_t n = std::min(ov::length(items), ov::length(a[1]));
  for (uint32_t i = 0; i < n; ++i)
    if (ov::send<0>("Set Value"_sel, ov::element(items, i), {ov::element(a[1], i)}).failed()) return ovFailure;
  return ovSuccess;
}

// Draws the items in the area asked for (client coordinates).
ovStatus Draw(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ov::send<0>("Do Draw?"_sel, view, {a[1]}).failed()) return ovSuccess;
  RECT area = ov::toRECT(a[1]);
  POINT origin = originOf(view);
  OffsetRect(&area, origin.x, origin.y);
  ov::tell("Before Drawing"_sel, view);
  ov::tell("Draw Content"_sel, view, {ov::rectFrom(area)});
  ov::tell("After Drawing"_sel, view);
  return ovSuccess;
}

// A view draws only into the device context of its own platform window.
ovStatus DoDraw(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ov::isFalse(ov::get("Visible?"_attr, view))) return ovFailure;
  HDC dc = ov::toHandle<HDC>(ov::send("Get Device Context"_sel, view).get());
  return dc && WindowFromDC(dc) == recordOf(view) ? ovSuccess : ovFailure;
}

// Back to front, so the first item ends on top. An item that fails to draw
// ends the drawing: the items in front of it and the draw behaviour wait
// for the next paint.
ovStatus DrawContent(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef items = content(view);
  for (uint32_t i = ov::length(items); i > 0; --i)
    if (ov::send<0>("Draw"_sel, ov::element(items, i - 1), {a[1]}).failed()) return ovFailure;
  ovRef behavior = ov::get("Draw Behavior"_attr, view);
  if (!behavior) return ovSuccess;
  auto window = ov::send("Get Window"_sel, view);
  if (window.get() && ov::send<0>("Post Draw Behavior?"_sel, window.get()).succeeded()) ov::tell("Post"_sel, behavior);
  return ovSuccess;
}

ovStatus BeforeDrawing(const ov::Args& a) {
  ov::tell("Set Up Drawing"_sel, a.receiver());
  ov::tell("Set Up Background"_sel, a.receiver());
  return ovSuccess;
}

// The owner's drawing state and background back in the device context.
ovStatus AfterDrawing(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef owner = ov::get("Owner"_attr, view);
  ov::tell("Set Up Drawing"_sel, owner);
  if (ov::isTrue(ov::get("Transparent?"_attr, view))) return ovSuccess;
  if (ovRef background = ov::send("Get Background"_sel, owner).take()) ov::tell("Use"_sel, background);
  return ovSuccess;
}

// Content coordinates in the current device: its origin is the scroll
// origin.
ovStatus SetUpDrawing(const ov::Args& a) {
  POINT origin = originOf(a.receiver());
  HDC dc = ov::toHandle<HDC>(ov::universal("Get Current Device"_uni).get());
  SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
  return ovSuccess;
}

// Fills the view with a brush and makes its colour the text background.
void fillView(ovC_object* view, HDC dc, HBRUSH brush, COLORREF color) {
  POINT size = ov::toPOINT(ov::send("Get Size"_sel, view).get());
  RECT all{0, 0, size.x, size.y};
  FillRect(dc, &all, brush);
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, color);
}

// The view's own background, else (unless transparent) the face colour of
// a 3D interface or white.
void fillDefault(ovC_object* view, HDC dc) {
  if (ov::isTrue(ov::get("Transparent?"_attr, view))) return;
  bool threeD = ov::universal<0>("Is 3D?"_uni).succeeded();
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
  ovRef background = ov::get("Background"_attr, view);
  if (!background) {
    fillDefault(view, dc);
    return ovSuccess;
  }
  auto brush = ov::toHandle<HBRUSH>(ov::get("Object"_attr, background));
  if (!brush) return ovSuccess;
  ovRef color = ov::universal("RGB To ColorRef"_uni, {ov::get("Color"_attr, background)}).take();
  fillView(view, dc, brush, static_cast<COLORREF>(ov::toInt(color)));
  return ovSuccess;
}

// A transparent view shows its owner's background.
ovStatus GetBackground(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef background = ov::get("Background"_attr, view);
  if (!background && ov::isTrue(ov::get("Transparent?"_attr, view))) background = askOwner(view, "Get Background"_sel);
  a.put(0, std::move(background));
  return ovSuccess;
}

// The window's device context while it paints this view; else NULL.
ovStatus GetDeviceContext(const ov::Args& a) {
  auto window = ov::send("Get Window"_sel, a.receiver());
  if (!window.get()) return ovSuccess;
  ovRef dc = ov::send("Get Device Context"_sel, window.get()).take();
  if (WindowFromDC(ov::toHandle<HDC>(dc)) == recordOf(a.receiver())) a.put(0, std::move(dc));
  return ovSuccess;
}

ovStatus PrepareSelf(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (!ov::get("Owner"_attr, view)) return ovSuccess;
  ov::tell("Set Port"_sel, view);
  ov::tell("Set Up Drawing"_sel, view);
  if (ovRef background = ov::send("Get Background"_sel, view).take())
    ov::tell("Use"_sel, background);
  else
    ov::tell(ov::sendToClass<0>("Background"_cls, "Use Normal"_sel));
  return ovSuccess;
}

// The event's screen point in the view's content coordinates.
ovStatus GetLocalWhere(const ov::Args& a) {
  POINT where = vorn::MessageOf(a[1]).where;
  ScreenToClient(recordOf(a.receiver()), &where);
  a.put(0, ov::universal("AddPt"_uni, {ov::send("Get Origin"_sel, a.receiver()).get(), ov::pointFrom(where)}).take());
  return ovSuccess;
}

ovRef localWhere(ovC_object* view, ovC_object* event) { return ov::send("Get Local Where"_sel, view, {event}).take(); }

ovStatus MouseDown(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto [where, event] = a.inputs<1, 2>();
  if (ovRef capturing = ov::send("Find Capture Item"_sel, view).take())
    return ov::send<0>("Mouse Down"_sel, capturing, {where, event}).status;
  if (!ov::isTrue(ov::get("Active?"_attr, view))) return ovSuccess;
  auto scroll = ov::send("In Scroll Bar?"_sel, view, {event});
  if (scroll.succeeded() && scroll.get()) return ov::send<0>("Mouse Down"_sel, scroll.get(), {where, event}).status;
  return ov::send<0>("Click in Content"_sel, view, {localWhere(view, event), event}).status;
}

// A click on no item is a click on the view itself.
ovStatus ClickInContent(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto [where, event] = a.inputs<1, 2>();
  if (ovRef item = ov::send("Find Item"_sel, view, {where}).take())
    return ov::send<0>("Mouse Down"_sel, item, {where, event}).status;
  ov::tell("Prepare Self"_sel, view);
  return ov::send<0>("Post Click Behavior"_sel, view, {event}).status;
}

bool eventIsMine(ovC_object* view, ovC_object* event) {
  HWND record = recordOf(view);
  return record && vorn::MessageOf(event).hwnd == record;
}

ovStatus MouseDownRight(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (!eventIsMine(view, a[2])) return ovSuccess;
  ov::tell("Set Up Drawing"_sel, view);
  ovRef local = localWhere(view, a[2]);
  if (ovRef item = ov::send("Find Item"_sel, view, {local}).take())
    return ov::send<0>("Mouse Down Right"_sel, item, {local, a[2]}).status;
  return ovSuccess;
}

// The item whose platform window holds the mouse capture, never the view
// itself (which would hand the event back to itself).
ovRef captureHolder(ovC_object* view) {
  HWND capture = GetCapture();
  if (!capture) return nullptr;
  auto found = ov::send<2>("Contains Handle"_sel, view, {ov::handleValue(capture)});
  if (!ov::isTrue(found.get(0)) || found.get(1) == view) return nullptr;
  return found.take(1);
}

// The item that gets a move or a release: the mouse capture's, else the
// one under the pointer.
ovRef pointerItem(ovC_object* view, ovC_object* event) {
  if (ovRef holder = captureHolder(view)) return holder;
  ov::tell("Prepare Self"_sel, view);
  return ov::send("Find Item"_sel, view, {localWhere(view, event)}).take();
}

ovStatus MouseMoved(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ovRef capturing = ov::send("Find Capture Item"_sel, view).take()) {
    ov::tell("Mouse Moved"_sel, capturing, {a[1]});
  } else if (eventIsMine(view, a[1])) {
    if (ovRef item = pointerItem(view, a[1])) ov::tell("Mouse Moved"_sel, item, {a[1]});
    return ovSuccess;
  }
  return ov::send<0>("Change Cursor in Content"_sel, view, {localWhere(view, a[1]), a[1]}).status;
}

ovStatus MouseUp(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto [where, event] = a.inputs<1, 2>();
  ovRef item = ov::send("Find Capture Item"_sel, view).take();
  if (!item) item = pointerItem(view, event);
  if (!item) return ovSuccess;
  return ov::send<0>("Mouse Up"_sel, item, {where, event}).status;
}

ovStatus ChangeCursor(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto [where, event] = a.inputs<1, 2>();
  auto scroll = ov::send("In Scroll Bar?"_sel, view, {event});
  if (scroll.succeeded() && scroll.get() && ov::isTrue(ov::send("Get Visible?"_sel, scroll.get()).get()))
    return ov::send<0>("Change Cursor"_sel, scroll.get(), {where, event}).status;
  return ov::send<0>("Change Cursor in Content"_sel, view, {localWhere(view, event), event}).status;
}

// The item under the point (content coordinates) shapes the cursor, else
// the view as a plain item.
ovStatus ChangeCursorInContent(const ov::Args& a) {
  auto [where, event] = a.inputs<1, 2>();
  if (ovRef item = ov::send("Find Item"_sel, a.receiver(), {where}).take())
    return ov::send<0>("Change Cursor"_sel, item, {where, event}).status;
  return ov::sendAs<0>("Window Item"_cls, "Change Cursor"_sel, a.receiver(), {where, event}).status;
}

// The scroll bar a scroll event of the view's own platform window is for.
ovStatus InScrollBar(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (!eventIsMine(view, a[1])) return ovFailure;
  const vorn::EventMessage m = vorn::MessageOf(a[1]);
  ovRef scroll;
  if (m.name == "VSCROLL") scroll = ov::get("VScroll"_attr, view);
  if (m.name == "HSCROLL") scroll = ov::get("HScroll"_attr, view);
  if (!scroll) return ovFailure;
  a.put(0, std::move(scroll));
  return ovSuccess;
}

// The frame's size, less the scroll bars: (height, width).
ovStatus ViewSize(const ov::Args& a) {
  ovC_object* view = a.receiver();
  RECT frame = ov::toRECT(ov::get("Frame"_attr, view));
  int32_t width = frame.right - frame.left;
  int32_t height = frame.bottom - frame.top;
  if (ov::get("VScroll"_attr, view)) width -= GetSystemMetrics(SM_CXVSCROLL);
  if (ov::get("HScroll"_attr, view)) height -= GetSystemMetrics(SM_CYHSCROLL);
  a.put(0, ov::point(height, width));
  return ovSuccess;
}

ovStatus GetScrollSize(const ov::Args& a) {
  POINT size = ov::toPOINT(ov::send("View Size"_sel, a.receiver()).get());
  a.put(0, ov::point(size.y - (GetSystemMetrics(SM_CXVSCROLL) + 2), size.x - (GetSystemMetrics(SM_CYHSCROLL) + 2)));
  return ovSuccess;
}

// Scroll range of one bar: from the limit's start to where the last
// screenful starts (never before the start); the value kept inside.
void limitScrollBar(ovC_object* scroll, int32_t low, int32_t high, int32_t shown) {
  if (!scroll) return;
  int32_t top = std::max(low, high - shown);
  ov::tell("Set Min"_sel, scroll, {ov::integer(low)});
  ov::tell("Set Max"_sel, scroll, {ov::integer(top)});
  int32_t value = ov::toInt(ov::send("Get Control Value"_sel, scroll).get());
  ov::tell("Set Control Value"_sel, scroll, {ov::integer(std::min(std::max(value, low), top))});
}

ovStatus AdjustMinAndMax(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef limits = ov::get("Limits"_attr, view);
  if (!limits) return ovSuccess;
  RECT l = ov::toRECT(limits);
  POINT shown = ov::toPOINT(ov::send("Get Scroll Size"_sel, view).get());
  limitScrollBar(ov::get("VScroll"_attr, view).get(), l.top, l.bottom, shown.y);
  limitScrollBar(ov::get("HScroll"_attr, view).get(), l.left, l.right, shown.x);
  return ovSuccess;
}

// A new frame resizes the items by their rules and the scroll range.
ovStatus SetFrame(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef oldSize = ov::send("Get Size"_sel, view).take();
  RECT r = ov::toRECT(a[1]);
  ovRef newSize = ov::universal("SubPt"_uni, {ov::point(r.top, r.left), ov::point(r.bottom, r.right)}).take();
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Set Frame"_sel, view, {a[1]}));
  ov::tell("Resize Content"_sel, view, {oldSize, newSize});
  ov::tell("Adjust Min and Max"_sel, view);
  return ovSuccess;
}

ovStatus ResizeContent(const ov::Args& a) { return tellContent(a.receiver(), "Resize"_sel, a[1], a[2]); }

ovStatus SetLocation(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::tell("Redraw"_sel, view, {gdDefaultTrue});
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Set Location"_sel, view, {a[1]}));
  if (ovRef parentOrigin = askOwner(view, "Get Window Origin"_sel)) ov::tell("Adjust Origin"_sel, view, {parentOrigin});
  ov::tell("Redraw"_sel, view, {gdDefaultFalse});
  return ovSuccess;
}

ovStatus SetOwner(const ov::Args& a) {
  ov::set("Owner"_attr, a.receiver(), a[1]);
  if (a[1]) ov::tell("Set Window Origin"_sel, a.receiver(), {ov::send("Get Window Origin"_sel, a[1]).get()});
  return ovSuccess;
}

// The view's place in window coordinates, less its scroll origin.
ovStatus SetWindowOrigin(const ov::Args& a) {
  ovC_object* view = a.receiver();
  POINT location = ov::toPOINT(ov::send("Get Location"_sel, view).get());
  POINT parent = ov::toPOINT(a[1]);
  POINT origin = originOf(view);
  ov::set("Window Origin"_attr, view, ov::point(location.y + parent.y - origin.y, location.x + parent.x - origin.x));
  ov::tell("Adjust Clip Rect"_sel, view);
  return ovSuccess;
}

ovStatus AdjustOrigin(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::tell("Set Window Origin"_sel, view, {a[1]});
  return tellContent(view, "Adjust Origin"_sel, ov::get("Window Origin"_attr, view));
}

// Whether the application's target is one of the view's items.
bool holdsTarget(ovC_object* view) {
  auto target = ov::universal("Get Target"_uni);
  if (target.failed() || !target.get()) return false;
  ovRef name = ov::send("Get Name"_sel, target.get()).take();
  return ov::send("Find Window Item"_sel, view, {name}).get() == target.get();
}

// A view made inactive first takes the target from its items, by force.
ovStatus SetActive(const ov::Args& a) {
  ovC_object* view = a.receiver();
  if (ov::isFalse(a[1]) && holdsTarget(view)) {
    if (auto window = ov::send("Get Window"_sel, view); window.get())
      ov::tell("Set Target"_sel, window.get(), {nullptr, gdDefaultTrue});
  }
  ov::set("Active?"_attr, view, a[1]);
  tellContent(view, "Set Active?"_sel, a[1]);
  ov::tell("Activate Scroll Bars"_sel, view, {a[1]});
  return ovSuccess;
}

ovStatus ActivateScrollBars(const ov::Args& a) {
  ov::tell("Prepare"_sel, a.receiver());
  tellScrollBars(a.receiver(), "Set Active?"_sel, a[1]);
  return ovSuccess;
}

ovStatus Hilite(const ov::Args& a) {
  ov::tell("Hilite Scroll Bars"_sel, a.receiver(), {a[1]});
  ov::tell("Hilite Content"_sel, a.receiver(), {a[1]});
  return ovSuccess;
}

ovStatus HiliteContent(const ov::Args& a) { return tellContent(a.receiver(), "Hilite"_sel, a[1]); }

ovStatus HiliteScrollBars(const ov::Args& a) {
  tellScrollBars(a.receiver(), "Hilite"_sel, a[1]);
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
  if (!ov::isTrue(ov::get("Active?"_attr, view)) || !ov::isTrue(ov::get("Visible?"_attr, view)) ||
      ov::length(items) == 0)
    return ovFailure;
  for (const ovRef& candidate : tabCandidates(items.get(), a[1], ov::isTrue(a[2]))) {
    bool eligible =
        ov::send<0>("Targetable?"_sel, candidate).succeeded() || ov::send<0>("Is View?"_sel, candidate).succeeded();
    if (eligible && ov::send<0>("Tab"_sel, candidate, {nullptr, a[2]}).succeeded()) return ovSuccess;
  }
  ovRef owner = ov::get("Owner"_attr, view);
  if (!owner) return ovFailure;
  return ov::send<0>("Tab"_sel, owner, {view, a[2]}).status;
}

// Asks the owner the same question with the same inputs.
ovStatus AskOwner(const ovMethodSelector& question, const ov::Args& a) {
  ovRef owner = ov::get("Owner"_attr, a.receiver());
  if (!owner) return ovFailure;
  auto answer = ov::send(question, owner);
  a.put(0, answer.take());
  return answer.status;
}

}  // namespace view

const ovClassDeclaration kViewClass({
    .name = "View"_cls,
    .superclass = "Window Item"_cls,
    .attributes = {"VScroll"_attr, "HScroll"_attr, "Limits"_attr, "Background"_attr, "Window Origin"_attr,
                   "Clip Rect"_attr, "Origin"_attr, "Draw Behavior"_attr, "Content"_attr, "Window Record"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<view::Open>},
                            {"Open Content"_sel, ov::routine<view::OpenContent>},
                            {"Close"_sel, ov::routine<view::Close>},
                            {"Close Content"_sel, ov::routine<view::CloseContent>},
                            {"Get Flags"_sel, ov::routine<view::GetFlags>},
                            {"Find Window Item"_sel, ov::routine<view::FindWindowItem>},
                            {"Find Item"_sel, ov::routine<view::FindItem>},
                            {"Find Item By Key"_sel, ov::routine<view::FindItemByKey>},
                            {"Find Capture Item"_sel, ov::routine<view::FindCaptureItem>},
                            {"Contains Handle"_sel, ov::routine<view::ContainsHandle>},
                            {"Get Value"_sel, ov::routine<view::GetValue>},
                            {"Set Value"_sel, ov::routine<view::SetValue>},
                            {"Draw"_sel, ov::routine<view::Draw>},
                            {"Do Draw?"_sel, ov::routine<view::DoDraw>},
                            {"Draw Content"_sel, ov::routine<view::DrawContent>},
                            {"Before Drawing"_sel, ov::routine<view::BeforeDrawing>},
                            {"After Drawing"_sel, ov::routine<view::AfterDrawing>},
                            {"Set Up Drawing"_sel, ov::routine<view::SetUpDrawing>},
                            {"Set Up Background"_sel, ov::routine<view::SetUpBackground>},
                            {"Get Background"_sel, ov::routine<view::GetBackground>},
                            {"Get Device Context"_sel, ov::routine<view::GetDeviceContext>},
                            {"Prepare Self"_sel, ov::routine<view::PrepareSelf>},
                            {"Mouse Down"_sel, ov::routine<view::MouseDown>},
                            {"Click in Content"_sel, ov::routine<view::ClickInContent>},
                            {"Mouse Down Right"_sel, ov::routine<view::MouseDownRight>},
                            {"Mouse Moved"_sel, ov::routine<view::MouseMoved>},
                            {"Mouse Up"_sel, ov::routine<view::MouseUp>},
                            {"Change Cursor"_sel, ov::routine<view::ChangeCursor>},
                            {"Change Cursor in Content"_sel, ov::routine<view::ChangeCursorInContent>},
                            {"In Scroll Bar?"_sel, ov::routine<view::InScrollBar>},
                            {"Get Local Where"_sel, ov::routine<view::GetLocalWhere>},
                            {"View Size"_sel, ov::routine<view::ViewSize>},
                            {"Get Scroll Size"_sel, ov::routine<view::GetScrollSize>},
                            {"Adjust Min and Max"_sel, ov::routine<view::AdjustMinAndMax>},
                            {"Set Frame"_sel, ov::routine<view::SetFrame>},
                            {"Resize Content"_sel, ov::routine<view::ResizeContent>},
                            {"Set Location"_sel, ov::routine<view::SetLocation>},
                            {"Set Owner"_sel, ov::routine<view::SetOwner>},
                            {"Set Window Origin"_sel, ov::routine<view::SetWindowOrigin>},
                            {"Adjust Origin"_sel, ov::routine<view::AdjustOrigin>},
                            {"Set Active?"_sel, ov::routine<view::SetActive>},
                            {"Activate Scroll Bars"_sel, ov::routine<view::ActivateScrollBars>},
                            {"Hilite"_sel, ov::routine<view::Hilite>},
                            {"Hilite Content"_sel, ov::routine<view::HiliteContent>},
                            {"Hilite Scroll Bars"_sel, ov::routine<view::HiliteScrollBars>},
                            {"Tab"_sel, ov::routine<view::Tab>},
                            {"Process Key"_sel, ov::failing}},
                           ov::forwarding<view::AskOwner, "Get Window", "Set Port">(),
                           ov::getters<"Content", "Origin", "Window Origin", "Window Record">(),
                           ov::doingNothing<"Adjust Clip Rect", "Is View?">()),
});

}  // namespace
