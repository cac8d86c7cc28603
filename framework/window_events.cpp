// What an open window does with the events the desktop hands it: paints
// and background erases, commands from controls, menus and accelerators,
// moves and resizes, the mouse, the cursor and control colours, and its
// share of menu enabling.
//
// The window procedure is re-entered by platform calls made here (painting
// erases the background first; the default frame procedure may send
// messages), and each entry replaces the current event's message, so every
// method reads the parameters it needs before it calls out.
#include "framework/event_message.h"
#include "framework/persistents.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

namespace {

HWND recordOf(ov::In window) { return ov::toHandle<HWND>(ov::get("Window Record"_attr, window)); }

ovRef viewOf(ov::In window) { return ov::get("View"_attr, window); }

// The desktop's main window, or NULL while there is none.
ovRef mainWindow() {
  auto main = ov::send("Get Main Window"_sel, ov::universal("Get Desktop"_uni).get());
  return main.failed() ? nullptr : main.take();
}

bool applicationIsMdi() { return ov::isTrue(ov::get("MDI?"_attr, ov::universal("Get Application"_uni).get())); }

// The object of the window's tree that owns a platform window, or NULL.
ovRef ownerOfHandle(ovC_object* window, HWND hwnd) {
  return ov::send<2>("Contains Handle"_sel, window, {ov::handleValue(hwnd)}).take(1);
}

// The window a message's lParam names (a control's, a scroll bar's).
HWND lParamWindow(const vorn::EventMessage& m) { return reinterpret_cast<HWND>(m.lParam); }

// An MDI child's own message gets the platform's MDI child default.
void mdiChildDefault(ovC_object* window, const vorn::EventMessage& m) {
  if (m.hwnd != recordOf(window) || !ov::isTrue(ov::get("Child?"_attr, window)) || !applicationIsMdi()) return;
  DefMDIChildProcA(m.hwnd, m.message, m.wParam, m.lParam);
}

// The MDI frame's own message gets the platform's frame default, whose
// answer the window procedure returns.
void mdiFrameDefault(ovC_object* window, const vorn::EventMessage& m) {
  if (!applicationIsMdi()) return;
  ovRef main = mainWindow();
  HWND frame = main ? recordOf(main) : nullptr;
  if (!frame || frame != recordOf(window) || m.hwnd != frame) return;
  HWND client = ov::toHandle<HWND>(ov::send("Get Window Record"_sel, viewOf(main)).get());
  gReturnValue.set(ov::integer(static_cast<int32_t>(DefFrameProcA(frame, client, m.message, m.wParam, m.lParam))));
}

namespace window {

// A paint: the object owning the painted platform window draws the
// invalid area while "Current Device" holds the paint's device context.
ovStatus paint(ovC_object* w, ovC_object* event) {
  HWND hwnd = vorn::MessageOf(event).hwnd;
  ovRef ps = ov::newRecord("PAINTSTRUCT"_ext);
  HDC hdc = BeginPaint(hwnd, ov::recordMemory<PAINTSTRUCT>(ps));
  if (hdc) {
    ovRef painted = ownerOfHandle(w, hwnd);
    ov::tell("Set Device Context"_sel, w, {ov::handleValue(hdc), ps});
    ov::tell("Draw"_sel, painted, {ov::rectFrom(ov::field<RECT>(ps, ovFields::kPaintRect))});
    EndPaint(hwnd, ov::recordMemory<PAINTSTRUCT>(ps));
    gCurrentDevice.set(nullptr);
    ov::set("Device Context"_attr, w, nullptr);
  }
  ov::disposeRecord(ps);
  return ovSuccess;
}

// A background erase: a view sets up its background on the device context
// the message brings, and the platform hears that the background is
// erased. Anything else is not erased by the framework. The device in use
// before (NULL outside a paint) is in use again afterwards.
ovStatus eraseBackground(ovC_object* w, const vorn::EventMessage& m) {
  ovRef hdc = ov::handleValue(reinterpret_cast<HDC>(m.wParam));
  ovRef erased = ownerOfHandle(w, m.hwnd);
  if (!ov::isA(erased, "View"_cls)) return ovFailure;
  ovRef device = gCurrentDevice.get();
  ovRef context = ov::get("Device Context"_attr, w);
  ov::tell("Set Device Context"_sel, w, {hdc, nullptr});
  ov::tell("Set Up Background"_sel, erased);
  gReturnValue.set(ov::integer(1));
  gCurrentDevice.set(device);
  ov::set("Device Context"_attr, w, context);
  return ovSuccess;
}

ovStatus Update(const ov::Args& a) {
  ovC_object* event = a[1];
  if (ov::isNone(event)) {
    UpdateWindow(recordOf(a.receiver()));
    return ovSuccess;
  }
  const vorn::EventMessage m = vorn::MessageOf(event);
  if (m.name == "BACKGROUND") return eraseBackground(a.receiver(), m);
  return paint(a.receiver(), event);
}

// An accelerator's command: the menu item of that number, else the item
// whose keys hold it, else the window's own keys.
ovStatus accelerator(ovC_object* w, ovC_object* event, int32_t id) {
  ovRef menubar = ov::send("Get Menubar"_sel, w).take();
  if (menubar && ov::send<2>("Find Item By ID"_sel, menubar, {ov::integer(id)}).get(1))
    return ov::send<0>("On Command"_sel, menubar, {event}).status;
  ovRef item = ov::send("Find Item By Key"_sel, w, {ov::integer(id)}).take();
  return ov::send<0>("Key Down"_sel, item ? item.get() : w, {nullptr, nullptr, event}).status;
}

// A command goes to the control that sent it (a notification of a control
// that is not the window's is dropped), to the menubar (a menu choice) or
// to the owner of an accelerator.
ovStatus OnCommand(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* event = a[1];
  const vorn::EventMessage m = vorn::MessageOf(event);
  mdiFrameDefault(w, m);
  if (m.lParam != 0) {
    ovRef item = ownerOfHandle(w, lParamWindow(m));
    return item ? ov::send<0>("On Command"_sel, item, {event}).status : ovSuccess;
  }
  if (m.wParamHi() == 0) return ov::send<0>("On Command"_sel, ov::send("Get Menubar"_sel, w).get(), {event}).status;
  if (m.wParamHi() == 1) return accelerator(w, event, m.wParamLo());
  return ovSuccess;
}

// A resize: the stored place and size follow the platform window, and the
// view takes the new client area as its frame.
ovStatus Grow(const ov::Args& a) {
  ovC_object* w = a.receiver();
  const vorn::EventMessage m = vorn::MessageOf(a[1]);
  mdiChildDefault(w, m);
  mdiFrameDefault(w, m);
  ov::tell("Reset Bounds"_sel, w);
  RECT client{};
  GetClientRect(recordOf(w), &client);
  return ov::send<0>("Set Frame"_sel, viewOf(w), {ov::rectFrom(client)}).status;
}

ovStatus Drag(const ov::Args& a) {
  mdiChildDefault(a.receiver(), vorn::MessageOf(a[1]));
  return ov::send<0>("Reset Bounds"_sel, a.receiver()).status;
}

// "Location" and "Size" from the platform window; the view is resized from
// the old size to the new.
ovStatus ResetBounds(const ov::Args& a) {
  ovC_object* w = a.receiver();
  RECT r{};
  GetWindowRect(recordOf(w), &r);
  ov::set("Location"_attr, w, ov::point(r.top, r.left));
  ovRef old = ov::get("Size"_attr, w);
  ovRef size = ov::point(r.bottom - r.top, r.right - r.left);
  ov::set("Size"_attr, w, size);
  return ov::send<0>("Size View"_sel, w, {old, size}).status;
}

// Whether the event's platform window is this window or one of its views:
// mouse events of other windows are not this window's.
bool isOwnEvent(ovC_object* w, const vorn::EventMessage& m) { return ownerOfHandle(w, m.hwnd) != nullptr; }

// The view a mouse-down goes to: for a scroll event of a nested view's
// standard bars, that view, wherever the pointer is (a key scrolls too);
// for any other event, and for the window's own bars (a window answers no
// "Is View?", which would count as a yes), the root view, which finds the
// item under it.
ovRef clickedView(ovC_object* w, const vorn::EventMessage& m) {
  if (m.name == "VSCROLL" || m.name == "HSCROLL") {
    ovRef owner = ownerOfHandle(w, m.hwnd);
    if (owner && owner.get() != w && ov::send<0>("Is View?"_sel, owner).succeeded()) return owner;
  }
  return viewOf(w);
}

// A click (or scroll, or notification) goes to the view, which finds the
// item under it; fails for another window's event. An event of the
// window's own record without a handle or a position is the menu bar's;
// one of a view's record (its standard bars scrolling) stays the view's.
ovStatus MouseDown(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* event = a[1];
  const vorn::EventMessage m = vorn::MessageOf(event);
  if (!isOwnEvent(w, m)) return ovFailure;
  ovRef menubar = ov::get("Menubar"_attr, w);
  bool onWindow = m.hwnd == recordOf(w);
  if (menubar && onWindow && m.lParam == 0 && m.wParamHi() == 0)
    return ov::send<0>("Mouse Down"_sel, menubar, {event}).status;
  return ov::send<0>("Mouse Down"_sel, clickedView(w, m), {ov::pointFrom(m.where), event}).status;
}

ovStatus MouseMoved(const ov::Args& a) {
  if (!isOwnEvent(a.receiver(), vorn::MessageOf(a[1]))) return ovSuccess;
  return ov::send<0>("Mouse Moved"_sel, viewOf(a.receiver()), {a[1]}).status;
}

ovStatus MouseUp(const ov::Args& a) {
  ovRef view = viewOf(a.receiver());
  ov::tell("Prepare Self"_sel, view);
  ovRef where = ov::send("Get Local Where"_sel, a.receiver(), {a[1]}).take();
  return ov::send<0>("Mouse Up"_sel, view, {where, a[1]}).status;
}

// The view's method of the same name gets the event's screen point.
ovStatus ToView(const ovMethodSelector& method, const ov::Args& a) {
  return ov::send<0>(method, viewOf(a.receiver()), {ov::pointFrom(vorn::MessageOf(a[1]).where), a[1]}).status;
}

// The view shapes the cursor over its frame; elsewhere it is the arrow.
ovStatus ChangeCursor(const ov::Args& a) {
  ovRef view = viewOf(a.receiver());
  ovRef where = ov::send("Get Local Where"_sel, view, {a[1]}).take();
  RECT frame = ov::toRECT(ov::send("Get Frame"_sel, view).get());
  if (PtInRect(&frame, ov::toPOINT(where))) return ov::send<0>("Change Cursor"_sel, view, {where, a[1]}).status;
  ov::tell(ov::universal<0>("Simple Arrow Cursor"_uni));
  ov::tell(ov::universal<0>("Set Last Help"_uni, {nullptr}));
  return ovSuccess;
}

// A control asks for its colours: the item owning it answers.
ovStatus ChangeColor(const ov::Args& a) {
  ovRef item = ownerOfHandle(a.receiver(), lParamWindow(vorn::MessageOf(a[1])));
  return item ? ov::send<0>("Change Color"_sel, item, {a[1]}).status : ovSuccess;
}

// The fonts the target uses, as a list: none without a target that has a
// font, a new font when it has none of its own.
ovStatus GetFont(const ov::Args& a) {
  ovRef target = ov::get("Target"_attr, a.receiver());
  if (!target || ov::send<0>("Has Font?"_sel, target).failed()) {
    a.put(0, ov::emptyList());
    return ovSuccess;
  }
  ovRef font = ov::send("Get Font"_sel, target).take();
  if (!font) font = ov::make("Font"_cls).take();
  a.put(0, ov::isList(font) ? std::move(font) : ov::listOf({font}));
  return ovSuccess;
}

// Enables "Close", and the font menus for a target with a font; then the
// owner, and the active MDI child of a main window, have their say.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* w = a.receiver();
  auto [menubar, event, modal] = a.inputs<1, 2, 3>();
  if (!ov::isTrue(modal)) {
    ov::tell("Set Item Enabled?"_sel, menubar, {ov::text("Close"), w, gdDefaultTrue});
    if (ov::length(ov::send("Get Font"_sel, w).get()) > 0)
      for (const char* name : {"Font", "Font Size", "Font Style"})
        if (ov::send<0>("Set Item Enabled?"_sel, menubar, {ov::text(name), w, gdDefaultTrue}).failed()) break;
  }
  ovRef owner = ov::get("Owner"_attr, w);
  if (owner && !ov::isNone(owner)) ov::tell("Update Menus"_sel, owner, {menubar, event, modal});
  if (ov::send<0>("Is Main Window?"_sel, w).failed() || ov::universal<0>("Is MDI?"_uni).failed()) return ovSuccess;
  ovRef child = ov::send("Get Active Child"_sel, viewOf(w)).take();
  if (child && child.get() != w) ov::tell("Update Menus"_sel, child, {menubar, event, modal});
  return ovSuccess;
}

ovStatus IsMainWindow(const ov::Args& a) {
  ovRef main = mainWindow();
  HWND record = recordOf(a.receiver());
  return main && record && recordOf(main) == record ? ovSuccess : ovFailure;
}

// (TRUE, the window) for its own platform window, else what its view finds.
ovStatus ContainsHandle(const ov::Args& a) {
  HWND hwnd = ov::toHandle<HWND>(a[1]);
  if (hwnd && hwnd == recordOf(a.receiver())) {
    a.put(0, ov::boolean(true));
    a.put(1, a.receiver());
    return ovSuccess;
  }
  auto found = ov::send<2>("Contains Handle"_sel, viewOf(a.receiver()), {a[1]});
  a.put(0, found[0] ? found.take(0) : ov::boolean(false));
  a.put(1, found.take(1));
  return ovSuccess;
}

}  // namespace window

const ovClassMethods kWindowEventMethods(
    "Window"_cls, ov::methods({{"Update"_sel, ov::routine<window::Update>},
                               {"On Command"_sel, ov::routine<window::OnCommand>},
                               {"Grow"_sel, ov::routine<window::Grow>},
                               {"Drag"_sel, ov::routine<window::Drag>},
                               {"Reset Bounds"_sel, ov::routine<window::ResetBounds>},
                               {"Mouse Down"_sel, ov::routine<window::MouseDown>},
                               {"Mouse Moved"_sel, ov::routine<window::MouseMoved>},
                               {"Mouse Up"_sel, ov::routine<window::MouseUp>},
                               {"Change Cursor"_sel, ov::routine<window::ChangeCursor>},
                               {"Change Color"_sel, ov::routine<window::ChangeColor>},
                               {"Get Font"_sel, ov::routine<window::GetFont>},
                               {"Update Menus"_sel, ov::routine<window::UpdateMenus>},
                               {"Is Main Window?"_sel, ov::routine<window::IsMainWindow>},
                               {"Contains Handle"_sel, ov::routine<window::ContainsHandle>}},
                              ov::forwarding<window::ToView, "Mouse Down Middle", "Mouse Down Right", "Mouse Up Middle",
                                             "Mouse Up Right">()));

}  // namespace
