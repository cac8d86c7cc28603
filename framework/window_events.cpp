// What an open window does with the events the desktop hands it: paints
// and background erases, commands from controls, menus and accelerators,
// moves and resizes, the mouse, the cursor and control colours, and its
// share of menu enabling.
//
// The window procedure is re-entered by platform calls made here (painting
// erases the background first; the default frame procedure may send
// messages), and each entry replaces the current event's message, so every
// method reads the parameters it needs before it calls out.
#include "framework/persistents.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

namespace {

namespace sel {
const ovMethodSelector ChangeColor("Change Color");
const ovMethodSelector ChangeCursor("Change Cursor");
const ovMethodSelector ContainsHandle("Contains Handle");
const ovMethodSelector Draw("Draw");
const ovMethodSelector FindItemById("Find Item By ID");
const ovMethodSelector FindItemByKey("Find Item By Key");
const ovMethodSelector GetActiveChild("Get Active Child");
const ovMethodSelector GetFont("Get Font");
const ovMethodSelector GetFrame("Get Frame");
const ovMethodSelector GetHWnd("Get HWnd");
const ovMethodSelector GetLParam("Get LParam");
const ovMethodSelector GetLocalWhere("Get Local Where");
const ovMethodSelector GetMainWindow("Get Main Window");
const ovMethodSelector GetMenubar("Get Menubar");
const ovMethodSelector GetMessage("Get Message");
const ovMethodSelector GetType("Get Type");
const ovMethodSelector GetWParam("Get WParam");
const ovMethodSelector GetWParamHi("Get WParam Hi");
const ovMethodSelector GetWParamLo("Get WParam Lo");
const ovMethodSelector GetWhere("Get Where");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector HasFont("Has Font?");
const ovMethodSelector IsMainWindow("Is Main Window?");
const ovMethodSelector IsView("Is View?");
const ovMethodSelector KeyDown("Key Down");
const ovMethodSelector MouseDown("Mouse Down");
const ovMethodSelector MouseDownMiddle("Mouse Down Middle");
const ovMethodSelector MouseDownRight("Mouse Down Right");
const ovMethodSelector MouseMoved("Mouse Moved");
const ovMethodSelector MouseUp("Mouse Up");
const ovMethodSelector MouseUpMiddle("Mouse Up Middle");
const ovMethodSelector MouseUpRight("Mouse Up Right");
const ovMethodSelector OnCommand("On Command");
const ovMethodSelector PrepareSelf("Prepare Self");
const ovMethodSelector ResetBounds("Reset Bounds");
const ovMethodSelector SetDeviceContext("Set Device Context");
const ovMethodSelector SetFrame("Set Frame");
const ovMethodSelector SetItemEnabled("Set Item Enabled?");
const ovMethodSelector SetUpBackground("Set Up Background");
const ovMethodSelector SizeView("Size View");
const ovMethodSelector UpdateMenus("Update Menus");
}  // namespace sel

namespace attr {
const ovAttributeSelector Child("Child?");
const ovAttributeSelector DeviceContext("Device Context");
const ovAttributeSelector Location("Location");
const ovAttributeSelector Mdi("MDI?");
const ovAttributeSelector Menubar("Menubar");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Size("Size");
const ovAttributeSelector Target("Target");
const ovAttributeSelector View("View");
const ovAttributeSelector WindowRecord("Window Record");
}  // namespace attr

namespace cls {
const ovClassName Font("Font");
const ovClassName View("View");
}  // namespace cls

namespace uni {
const ovUniversalName GetApplication("Get Application");
const ovUniversalName GetDesktop("Get Desktop");
const ovUniversalName IsMdi("Is MDI?");
const ovUniversalName SetLastHelp("Set Last Help");
const ovUniversalName SimpleArrowCursor("Simple Arrow Cursor");
}  // namespace uni

namespace ext {
const ovExternalName PaintStruct("PAINTSTRUCT");
}  // namespace ext

HWND recordOf(ov::In window) { return ov::toHandle<HWND>(ov::get(attr::WindowRecord, window)); }

ovRef viewOf(ov::In window) { return ov::get(attr::View, window); }

// The desktop's main window, or NULL while there is none.
ovRef mainWindow() {
  auto main = ov::send(sel::GetMainWindow, ov::universal(uni::GetDesktop).get());
  return main.failed() ? nullptr : main.take();
}

bool applicationIsMdi() { return ov::isTrue(ov::get(attr::Mdi, ov::universal(uni::GetApplication).get())); }

// The object of the window's tree that owns a platform window, or NULL.
ovRef ownerOfHandle(ovC_object* window, ovC_object* hwnd) {
  return ov::send<2>(sel::ContainsHandle, window, {hwnd}).take(1);
}

int32_t intAnswer(const ovMethodSelector& question, ovC_object* event) {
  return ov::toInt(ov::send(question, event).get());
}

// A message as the event carries it, read before any call can replace it.
struct Message {
  explicit Message(ovC_object* event)
      : hwnd(ov::send(sel::GetHWnd, event).take()),
        message(static_cast<UINT>(intAnswer(sel::GetMessage, event))),
        wParam(ov::messageWord(ov::send(sel::GetWParam, event).get())),
        lParam(ov::messageWord(ov::send(sel::GetLParam, event).get())) {}
  HWND handle() const { return ov::toHandle<HWND>(hwnd); }

  ovRef hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// An MDI child's own message gets the platform's MDI child default.
void mdiChildDefault(ovC_object* window, const Message& m) {
  if (m.handle() != recordOf(window) || !ov::isTrue(ov::get(attr::Child, window)) || !applicationIsMdi()) return;
  DefMDIChildProcA(m.handle(), m.message, m.wParam, m.lParam);
}

// The MDI frame's own message gets the platform's frame default, whose
// answer the window procedure returns.
void mdiFrameDefault(ovC_object* window, const Message& m) {
  if (!applicationIsMdi()) return;
  ovRef main = mainWindow();
  HWND frame = main ? recordOf(main) : nullptr;
  if (!frame || frame != recordOf(window) || m.handle() != frame) return;
  HWND client = ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, viewOf(main)).get());
  gReturnValue.set(ov::integer(static_cast<int32_t>(DefFrameProcA(frame, client, m.message, m.wParam, m.lParam))));
}

namespace window {

// A paint: the object owning the painted platform window draws the
// invalid area while "Current Device" holds the paint's device context.
ovStatus paint(ovC_object* w, ovC_object* event) {
  ovRef hwnd = ov::send(sel::GetHWnd, event).take();
  ovRef ps = ov::newRecord(ext::PaintStruct);
  HDC hdc = BeginPaint(ov::toHandle<HWND>(hwnd), ov::recordMemory<PAINTSTRUCT>(ps));
  if (hdc) {
    ovRef painted = ownerOfHandle(w, hwnd.get());
    ov::send<0>(sel::SetDeviceContext, w, {ov::handleValue(hdc), ps});
    ov::send<0>(sel::Draw, painted, {ov::rectFrom(ov::field<RECT>(ps, ovFields::kPaintRect))});
    EndPaint(ov::toHandle<HWND>(hwnd), ov::recordMemory<PAINTSTRUCT>(ps));
    gCurrentDevice.set(nullptr);
    ov::set(attr::DeviceContext, w, nullptr);
  }
  ov::disposeRecord(ps);
  return ovSuccess;
}

// A background erase: a view sets up its background on the device context
// the message brings, and the platform hears that the background is
// erased. Anything else is not erased by the framework. The device in use
// before (NULL outside a paint) is in use again afterwards.
ovStatus eraseBackground(ovC_object* w, ovC_object* event) {
  ovRef hdc = ov::send(sel::GetWParam, event).take();
  ovRef erased = ownerOfHandle(w, ov::send(sel::GetHWnd, event).get());
  if (!ov::isA(erased, cls::View)) return ovFailure;
  ovRef device = gCurrentDevice.get();
  ovRef context = ov::get(attr::DeviceContext, w);
  ov::send<0>(sel::SetDeviceContext, w, {hdc, nullptr});
  ov::send<0>(sel::SetUpBackground, erased);
  gReturnValue.set(ov::integer(1));
  gCurrentDevice.set(device);
  ov::set(attr::DeviceContext, w, context);
  return ovSuccess;
}

ovStatus Update(const ov::Args& a) {
  ovC_object* event = a[1];
  if (ov::isNone(event)) {
    UpdateWindow(recordOf(a.receiver()));
    return ovSuccess;
  }
  if (ov::textEquals(ov::send(sel::GetType, event).get(), "BACKGROUND")) return eraseBackground(a.receiver(), event);
  return paint(a.receiver(), event);
}

// An accelerator's command: the menu item of that number, else the item
// whose keys hold it, else the window's own keys.
ovStatus accelerator(ovC_object* w, ovC_object* event, int32_t id) {
  ovRef menubar = ov::send(sel::GetMenubar, w).take();
  if (menubar && ov::send<2>(sel::FindItemById, menubar, {ov::integer(id)}).get(1))
    return ov::send<0>(sel::OnCommand, menubar, {event}).status;
  ovRef item = ov::send(sel::FindItemByKey, w, {ov::integer(id)}).take();
  return ov::send<0>(sel::KeyDown, item ? item.get() : w, {nullptr, nullptr, event}).status;
}

// A command goes to the control that sent it (a notification of a control
// that is not the window's is dropped), to the menubar (a menu choice) or
// to the owner of an accelerator.
ovStatus OnCommand(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* event = a[1];
  Message m(event);
  int32_t source = intAnswer(sel::GetWParamHi, event);
  int32_t id = intAnswer(sel::GetWParamLo, event);
  ovRef control = ov::send(sel::GetLParam, event).take();
  mdiFrameDefault(w, m);
  if (m.lParam != 0) {
    ovRef item = ownerOfHandle(w, control.get());
    return item ? ov::send<0>(sel::OnCommand, item, {event}).status : ovSuccess;
  }
  if (source == 0) return ov::send<0>(sel::OnCommand, ov::send(sel::GetMenubar, w).get(), {event}).status;
  if (source == 1) return accelerator(w, event, id);
  return ovSuccess;
}

// A resize: the stored place and size follow the platform window, and the
// view takes the new client area as its frame.
ovStatus Grow(const ov::Args& a) {
  ovC_object* w = a.receiver();
  Message m(a[1]);
  mdiChildDefault(w, m);
  mdiFrameDefault(w, m);
  ov::send<0>(sel::ResetBounds, w);
  RECT client{};
  GetClientRect(recordOf(w), &client);
  return ov::send<0>(sel::SetFrame, viewOf(w), {ov::rectFrom(client)}).status;
}

ovStatus Drag(const ov::Args& a) {
  Message m(a[1]);
  mdiChildDefault(a.receiver(), m);
  return ov::send<0>(sel::ResetBounds, a.receiver()).status;
}

// "Location" and "Size" from the platform window; the view is resized from
// the old size to the new.
ovStatus ResetBounds(const ov::Args& a) {
  ovC_object* w = a.receiver();
  RECT r{};
  GetWindowRect(recordOf(w), &r);
  ov::set(attr::Location, w, ov::point(r.top, r.left));
  ovRef old = ov::get(attr::Size, w);
  ovRef size = ov::point(r.bottom - r.top, r.right - r.left);
  ov::set(attr::Size, w, size);
  return ov::send<0>(sel::SizeView, w, {old, size}).status;
}

// Whether the event's platform window is this window or one of its views:
// mouse events of other windows are not this window's.
bool isOwnEvent(ovC_object* w, ovC_object* event) {
  return ownerOfHandle(w, ov::send(sel::GetHWnd, event).get()) != nullptr;
}

// The view a mouse-down goes to: for a scroll event of a nested view's
// standard bars, that view, wherever the pointer is (a key scrolls too);
// for any other event the root view, which finds the item under it.
ovRef clickedView(ovC_object* w, ovC_object* event) {
  ovRef type = ov::send(sel::GetType, event).take();
  if (ov::textEquals(type, "VSCROLL") || ov::textEquals(type, "HSCROLL")) {
    ovRef owner = ownerOfHandle(w, ov::send(sel::GetHWnd, event).get());
    if (owner && ov::send<0>(sel::IsView, owner).succeeded()) return owner;
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
  if (!isOwnEvent(w, event)) return ovFailure;
  ovRef menubar = ov::get(attr::Menubar, w);
  bool onWindow = ov::toHandle<HWND>(ov::send(sel::GetHWnd, event).get()) == recordOf(w);
  if (menubar && onWindow && intAnswer(sel::GetLParam, event) == 0 && intAnswer(sel::GetWParamHi, event) == 0)
    return ov::send<0>(sel::MouseDown, menubar, {event}).status;
  return ov::send<0>(sel::MouseDown, clickedView(w, event), {ov::send(sel::GetWhere, event).get(), event}).status;
}

ovStatus MouseMoved(const ov::Args& a) {
  if (!isOwnEvent(a.receiver(), a[1])) return ovSuccess;
  return ov::send<0>(sel::MouseMoved, viewOf(a.receiver()), {a[1]}).status;
}

ovStatus MouseUp(const ov::Args& a) {
  ovRef view = viewOf(a.receiver());
  ov::send<0>(sel::PrepareSelf, view);
  ovRef where = ov::send(sel::GetLocalWhere, a.receiver(), {a[1]}).take();
  return ov::send<0>(sel::MouseUp, view, {where, a[1]}).status;
}

// The view's method of the same name gets the event's screen point.
template <const ovMethodSelector& Method>
ovStatus ToView(const ov::Args& a) {
  return ov::send<0>(Method, viewOf(a.receiver()), {ov::send(sel::GetWhere, a[1]).get(), a[1]}).status;
}

// The view shapes the cursor over its frame; elsewhere it is the arrow.
ovStatus ChangeCursor(const ov::Args& a) {
  ovRef view = viewOf(a.receiver());
  ovRef where = ov::send(sel::GetLocalWhere, view, {a[1]}).take();
  RECT frame = ov::toRECT(ov::send(sel::GetFrame, view).get());
  if (PtInRect(&frame, ov::toPOINT(where))) return ov::send<0>(sel::ChangeCursor, view, {where, a[1]}).status;
  ov::universal<0>(uni::SimpleArrowCursor);
  ov::universal<0>(uni::SetLastHelp, {nullptr});
  return ovSuccess;
}

// A control asks for its colours: the item owning it answers.
ovStatus ChangeColor(const ov::Args& a) {
  ovRef item = ownerOfHandle(a.receiver(), ov::send(sel::GetLParam, a[1]).get());
  return item ? ov::send<0>(sel::ChangeColor, item, {a[1]}).status : ovSuccess;
}

// The fonts the target uses, as a list: none without a target that has a
// font, a new font when it has none of its own.
ovStatus GetFont(const ov::Args& a) {
  ovRef target = ov::get(attr::Target, a.receiver());
  if (!target || ov::send<0>(sel::HasFont, target).failed()) {
    a.put(0, ov::emptyList());
    return ovSuccess;
  }
  ovRef font = ov::send(sel::GetFont, target).take();
  if (!font) font = ov::make(cls::Font).take();
  a.put(0, ov::isList(font) ? std::move(font) : ov::listOf({font}));
  return ovSuccess;
}

// Enables "Close", and the font menus for a target with a font; then the
// owner, and the active MDI child of a main window, have their say.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* menubar = a[1];
  if (!ov::isTrue(a[3])) {
    ov::send<0>(sel::SetItemEnabled, menubar, {ov::text("Close"), w, gdDefaultTrue});
    if (ov::length(ov::send(sel::GetFont, w).get()) > 0)
      for (const char* name : {"Font", "Font Size", "Font Style"})
        if (ov::send<0>(sel::SetItemEnabled, menubar, {ov::text(name), w, gdDefaultTrue}).failed()) break;
  }
  ovRef owner = ov::get(attr::Owner, w);
  if (owner && !ov::isNone(owner)) ov::send<0>(sel::UpdateMenus, owner, {menubar, a[2], a[3]});
  if (ov::send<0>(sel::IsMainWindow, w).failed() || ov::universal<0>(uni::IsMdi).failed()) return ovSuccess;
  ovRef child = ov::send(sel::GetActiveChild, viewOf(w)).take();
  if (child && child.get() != w) ov::send<0>(sel::UpdateMenus, child, {menubar, a[2], a[3]});
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
  auto found = ov::send<2>(sel::ContainsHandle, viewOf(a.receiver()), {a[1]});
  a.put(0, found[0] ? found.take(0) : ov::boolean(false));
  a.put(1, found.take(1));
  return ovSuccess;
}

}  // namespace window

const ovClassMethods kWindowEventMethods(
    "Window", {{"Update", ov::routine<window::Update>},
               {"On Command", ov::routine<window::OnCommand>},
               {"Grow", ov::routine<window::Grow>},
               {"Drag", ov::routine<window::Drag>},
               {"Reset Bounds", ov::routine<window::ResetBounds>},
               {"Mouse Down", ov::routine<window::MouseDown>},
               {"Mouse Moved", ov::routine<window::MouseMoved>},
               {"Mouse Up", ov::routine<window::MouseUp>},
               {"Mouse Down Middle", ov::routine<window::ToView<sel::MouseDownMiddle>>},
               {"Mouse Down Right", ov::routine<window::ToView<sel::MouseDownRight>>},
               {"Mouse Up Middle", ov::routine<window::ToView<sel::MouseUpMiddle>>},
               {"Mouse Up Right", ov::routine<window::ToView<sel::MouseUpRight>>},
               {"Change Cursor", ov::routine<window::ChangeCursor>},
               {"Change Color", ov::routine<window::ChangeColor>},
               {"Get Font", ov::routine<window::GetFont>},
               {"Update Menus", ov::routine<window::UpdateMenus>},
               {"Is Main Window?", ov::routine<window::IsMainWindow>},
               {"Contains Handle", ov::routine<window::ContainsHandle>}});

}  // namespace
