// Windows: opening an archived window as a live platform window, placing
// it, closing and dismissing it, bringing it to the front, its hilite and
// modality, and the fixed answers a window gives as the root of its item
// tree; the frame style of a window's border; the device a paint draws on.
//
// A window is open while "Window Record" holds its platform handle; it is
// then in the desktop's lists and "Active?" is TRUE. Every platform object
// it creates (window, menubar, accelerator table) is released by "Close",
// which sets the attribute back to NULL. While a window paints or erases,
// the persistent "Current Device" holds (device context, paint record or
// NULL); outside a paint it is NULL.
//
// How an open window routes events is in window_events.cpp; its keyboard
// target and accelerators are in window_keyboard.cpp.
#include <string>

#include "framework/event_message.h"
#include "framework/persistents.h"
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

ovPersistent gCurrentDevice("Current Device");

namespace {

ovRef application() { return ov::universal("Get Application"_uni).take(); }

ovRef desktop() { return ov::universal("Get Desktop"_uni).take(); }

// The desktop's main window, or NULL while there is none.
ovRef mainWindow() {
  auto main = ov::send("Get Main Window"_sel, desktop());
  return main.failed() ? nullptr : main.take();
}

// The front window, or NULL when there is none.
ovRef frontWindow() {
  auto front = ov::universal("Get Front Window"_uni);
  return front.failed() ? nullptr : front.take();
}

HWND recordOf(ov::In window) { return ov::toHandle<HWND>(ov::get("Window Record"_attr, window)); }

bool flag(const ovAttributeSelector& attribute, ovC_object* object) { return ov::isTrue(ov::get(attribute, object)); }

bool applicationIsMdi() { return flag("MDI?"_attr, application().get()); }

// The MDI client: the platform window of the main window's view, or NULL.
HWND mdiClient() {
  ovRef main = mainWindow();
  if (!main) return nullptr;
  return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, ov::get("View"_attr, main)).get());
}

// Enables or disables every open window, as a modal window requires.
void enableAll(bool enable) {
  ovRef records = ov::get("Window Records"_attr, desktop());
  for (uint32_t i = 0; i < ov::length(records); ++i) EnableWindow(ov::toHandle<HWND>(ov::element(records, i)), enable);
}

bool isOfMainWindowClass(ovC_object* window) {
  ovRef mainClass = ov::send("Get Main Window"_sel, application()).take();
  return ov::textEquals(ov::classNameOf(window), ov::chars(mainClass));
}

// The bottom-right corner of the screen.
POINT screenCorner() {
  RECT screen{};
  GetWindowRect(GetDesktopWindow(), &screen);
  return {screen.right, screen.bottom};
}

namespace window {

// The menubar's platform menu when the window has one (the menubar is
// opened for it), else none.
HMENU menuFor(ovC_object* window) {
  if (!flag("Has Menubar?"_attr, window)) return nullptr;
  ov::tell("Open Menubar"_sel, window);
  return ov::toHandle<HMENU>(ov::send("Get Menubar Record"_sel, ov::get("Menubar"_attr, window)).get());
}

// No parent for the main window itself; an MDI child lives in the main
// window's client, any other window is owned by the main window.
HWND parentFor(ovC_object* window) {
  ovRef main = mainWindow();
  if (!main) return nullptr;
  if (flag("Child?"_attr, window))
    return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, ov::get("View"_attr, main)).get());
  return recordOf(main);
}

// The menubar a failed creation leaves behind is closed again.
void abandonMenubar(ovC_object* window) {
  ovRef menubar = ov::get("Menubar"_attr, window);
  if (!menubar) return;
  ov::tell("Close"_sel, menubar);
  ov::set("Menubar"_attr, window, nullptr);
}

// The platform window, with the computed styles, the menubar, the title the
// window's class gives and its stored size and place; the view's frame
// becomes the client area. Fails when the platform makes no window.
ovStatus CreateWindow(const ov::Args& a) {
  ovC_object* w = a.receiver();
  HMENU menu = menuFor(w);
  POINT size = ov::toPOINT(ov::send("Get Size"_sel, w).get());
  POINT at = ov::toPOINT(ov::send("Get Location"_sel, w).get());
  std::string className = ov::cString(ov::universal("Get Class Name"_uni).get());
  std::string title = ov::cString(ov::send("Get Title"_sel, w).get());
  HWND hwnd =
      CreateWindowExA(static_cast<DWORD>(ov::toInt(ov::send("Get Extended Style"_sel, w).get())), className.c_str(),
                      title.c_str(), static_cast<DWORD>(ov::toInt(ov::send("Get Flags"_sel, w).get())), at.x, at.y,
                      size.x, size.y, parentFor(w), menu, vorn::ApplicationInstance(), nullptr);
  if (!hwnd) {
    abandonMenubar(w);
    return ovFailure;
  }
  RECT client{};
  GetClientRect(hwnd, &client);
  if (ovRef view = ov::get("View"_attr, w)) ov::set("Frame"_attr, view, ov::rectFrom(client));
  a.put(0, ov::handleValue(hwnd));
  return ovSuccess;
}

// Makes the window live: placed by its location mode, created, its view and
// items opened, registered with the desktop, the keyboard target on its
// first item in tab order, shown, its accelerators built. An open window is
// only brought to the front: its platform window stays where it is, though
// "Location" is placed by the mode again.
ovStatus Open(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef mode = ov::send("Get Location Mode"_sel, w).take();
  ov::set("Location"_attr, w, ov::send("Set Location by Mode"_sel, w, {mode}).get());
  if (recordOf(w)) return ov::send<0>("Bring To Front"_sel, w).status;
  bool modal = flag("Modal?"_attr, w);
  if (modal) enableAll(false);
  auto made = ov::send("Create Window"_sel, w);
  if (made.failed() || !made.get()) {
    if (modal) enableAll(true);
    return ovFailure;
  }
  ov::set("Owner"_attr, w, a[1]);
  ov::set("Window Record"_attr, w, made.get());
  if (ovRef view = ov::get("View"_attr, w)) ov::tell("Open"_sel, view, {w});
  ov::set("Active?"_attr, w, gdDefaultTrue);
  ov::tell("Add To Desktop"_sel, w, {made.get()});
  ov::tell("Set Target"_sel, desktop(), {w, nullptr});
  ov::tell("Tab"_sel, w, {w, gdDefaultFalse});
  HWND hwnd = ov::toHandle<HWND>(made.get());
  if (flag("Visible?"_attr, w)) {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
  }
  if (flag("Floating?"_attr, w)) ov::tell("Add Floating"_sel, desktop(), {w});
  ov::tell("Open Accelerators"_sel, w);
  return ovSuccess;
}

// The border's frame bits, WS_CHILD for a child and always
// WS_CLIPCHILDREN, or-ed with the window's own "Flags".
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef border = ov::get("Border"_attr, w);
  int32_t bits = border ? ov::toInt(ov::send("Get Border"_sel, border).get()) : 0;
  if (flag("Child?"_attr, w)) bits |= WS_CHILD;
  a.put(0, ov::integer(ov::toInt(ov::get("Flags"_attr, w)) | bits | WS_CLIPCHILDREN));
  return ovSuccess;
}

// A floating window is a topmost tool window; an MDI child says so.
ovStatus GetExtendedStyle(const ov::Args& a) {
  ovC_object* w = a.receiver();
  int32_t style = ov::toInt(ov::get("Extended Style"_attr, w));
  if (flag("Floating?"_attr, w)) style |= WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  if (flag("Child?"_attr, w) && applicationIsMdi()) style |= WS_EX_MDICHILD;
  a.put(0, ov::integer(style));
  return ovSuccess;
}

ovStatus GetLocationMode(const ov::Args& a) {
  ovRef mode = ov::get("Location Mode"_attr, a.receiver());
  a.put(0, ov::isInteger(mode) ? std::move(mode) : ov::integer(1));
  return ovSuccess;
}

// The free space of the screen around the window, divided by the given
// parts vertically and by two horizontally.
ovRef placedOnScreen(ovC_object* w, int32_t verticalParts) {
  POINT screen = screenCorner();
  POINT size = ov::toPOINT(ov::send("Get Size"_sel, w).get());
  return ov::point((screen.y - size.y) / verticalParts, (screen.x - size.x) / 2);
}

// Mode 2 centres the window on the screen, mode 3 places it as an alert
// (a third of the free space above it), mode 4 stacks it on the front
// window; a stacked place that would leave the screen, like any other
// mode, keeps the stored "Location".
ovStatus SetLocationByMode(const ov::Args& a) {
  ovC_object* w = a.receiver();
  int32_t mode = ov::toInt(a[1]);
  ovRef location;
  if (mode == 2 || mode == 3) location = placedOnScreen(w, mode);
  if (mode == 4) {
    if (ovRef front = frontWindow()) location = ov::send("Stack"_sel, w, {ov::get("Location"_attr, front)}).take();
  }
  a.put(0, location ? std::move(location) : ov::get("Location"_attr, w));
  return ovSuccess;
}

// The front window's place moved by "Stacking Offset", or NULL when the
// window would not fit on the screen there.
ovStatus Stack(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef size = ov::get("Size"_attr, w);
  if (!size) return ovSuccess;
  POINT front = ov::toPOINT(a[1]);
  POINT offset = ov::toPOINT(ov::get("Stacking Offset"_attr, w));
  POINT extent = ov::toPOINT(size);
  POINT at{front.x + offset.x, front.y + offset.y};
  POINT corner{at.x + extent.x, at.y + extent.y};
  RECT screen{};
  GetWindowRect(GetDesktopWindow(), &screen);
  if (PtInRect(&screen, corner)) a.put(0, ov::pointFrom(at));
  return ovSuccess;
}

// Dismisses the window and releases what it holds beside its platform
// window: the accelerator table, the menubar, its place among the floating
// windows and its keys. Stops, the window open, when the target refuses to
// leave.
ovStatus CloseMainWindow(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (ov::send<0>("Dismiss"_sel, w, {gdDefaultTrue}).failed()) return ovFailure;
  ov::set("Active?"_attr, w, gdDefaultFalse);
  ov::set("Target"_attr, w, nullptr);
  ov::set("Last Item"_attr, w, nullptr);
  if (HACCEL table = ov::toHandle<HACCEL>(ov::get("Accelerator Table"_attr, w))) {
    DestroyAcceleratorTable(table);
    ov::set("Accelerator Table"_attr, w, nullptr);
  }
  if (ovRef menubar = ov::get("Menubar"_attr, w)) {
    ov::tell("Close"_sel, menubar);
    ov::set("Menubar"_attr, w, nullptr);
  }
  if (flag("Floating?"_attr, w)) ov::tell("Remove Floating"_sel, desktop(), {w});
  if (ovRef keys = ov::get("Key Behavior"_attr, w)) ov::tell("Close"_sel, keys);
  return ovSuccess;
}

// Closing the application's main window quits the application, which
// closes it on the way out.
ovStatus Close(const ov::Args& a) {
  if (isOfMainWindowClass(a.receiver())) return ov::send<0>("Quit"_sel, application()).status;
  return CloseMainWindow(a);
}

// An MDI child is destroyed by its client, any other window directly. The
// main view is no multiple-document client of the platform's and leaves
// the child alive: it is then destroyed here, so that no closed window
// stays on screen.
void destroyPlatformWindow(ovC_object* w, HWND hwnd) {
  HWND client = flag("Child?"_attr, w) && applicationIsMdi() ? mdiClient() : nullptr;
  if (client) SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

// Takes the window down: a forced exit of the target, the owner closed
// (which ends it for a window of any other class than the main window's),
// the other windows enabled again after a modal one, the view closed, the
// window out of the desktop and its platform window destroyed.
ovStatus Dismiss(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (ov::isTrue(a[1]) && ov::send<0>("Set Target"_sel, w, {nullptr, gdDefaultTrue}).failed()) return ovFailure;
  ovRef owner = ov::get("Owner"_attr, w);
  if (owner && !ov::isNone(owner)) {
    if (ov::send<0>("Close"_sel, owner).failed()) return ovFailure;
    if (!isOfMainWindowClass(w)) return ovSuccess;
  }
  if (flag("Modal?"_attr, w)) enableAll(true);
  if (ovRef view = ov::get("View"_attr, w)) ov::tell("Close"_sel, view);
  ov::tell("Remove Window"_sel, desktop(), {w});
  destroyPlatformWindow(w, recordOf(w));
  ov::set("Window Record"_attr, w, nullptr);
  ov::set("Owner"_attr, w, nullptr);
  return ovSuccess;
}

// The window in front of the others: the one in front loses its hilite and
// this one gains it; when it is already in front (or a modal window is),
// it only takes the target back.
ovStatus BringToFront(const ov::Args& a) {
  ovC_object* w = a.receiver();
  HWND hwnd = recordOf(w);
  if (!hwnd) return ovSuccess;
  if (ov::send<0>("Unhilite"_sel, w).failed())
    return ov::send<0>("Set Target"_sel, desktop(), {w, ov::get("Target"_attr, w)}).status;
  ovRef front = flag("Floating?"_attr, w) ? nullptr : frontWindow();
  if (front) ov::tell("Hilite"_sel, front, {gdDefaultFalse});
  HWND client = flag("Child?"_attr, w) && ov::universal<0>("Is MDI?"_uni).succeeded() ? mdiClient() : nullptr;
  if (client) SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
  SetForegroundWindow(hwnd);
  return ov::send<0>("Hilite"_sel, w, {ov::send("Get Is Foreground?"_sel, application()).get()}).status;
}

// Takes the hilite from the front window; fails when this window is the
// front one or the front one is modal.
ovStatus Unhilite(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef front = frontWindow();
  if (!front) return ovTerminate;
  if (front.get() == w || flag("Modal?"_attr, front.get())) return ovFailure;
  if (!flag("Floating?"_attr, w)) ov::tell("Hilite"_sel, front, {gdDefaultFalse});
  return ovSuccess;
}

// Hilites the window or takes its hilite away: modality, the target's
// activation and the application's target follow; a floating window only
// passes it to its view.
ovStatus Hilite(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* on = a[1];
  if (!flag("Floating?"_attr, w)) {
    ov::tell("Check Modality"_sel, w, {on});
    ovRef target = ov::get("Target"_attr, w);
    if (target) ov::tell("Activate"_sel, target, {on});
    ov::tell(ov::universal<0>("Set Target"_uni, {ov::isTrue(on) ? target.get() : nullptr}));
  }
  return ov::send<0>("Hilite"_sel, ov::get("View"_attr, w), {on}).status;
}

// A window coming to the front makes the desktop and the commander modal
// exactly when it is.
ovStatus CheckModality(const ov::Args& a) {
  if (!ov::isTrue(a[1])) return ovSuccess;
  ovRef modal = ov::get("Modal?"_attr, a.receiver());
  ov::tell("Set Modal?"_sel, desktop(), {modal});
  ov::tell("Modal Commander"_sel, ov::get("Commander"_attr, application()), {modal});
  return ovSuccess;
}

ovStatus GetUniqueId(const ov::Args& a) {
  a.put(0, ov::send("Get Unique ID"_sel, desktop()).take());
  return ovSuccess;
}

ovStatus SetTitle(const ov::Args& a) {
  ov::set("Title"_attr, a.receiver(), a[1]);
  if (HWND hwnd = recordOf(a.receiver())) SetWindowTextA(hwnd, ov::cString(a[1]).c_str());
  return ovSuccess;
}

ovStatus SetVisible(const ov::Args& a) {
  ov::set("Visible?"_attr, a.receiver(), a[1]);
  ShowWindow(recordOf(a.receiver()), ov::isTrue(a[1]) ? SW_SHOW : SW_HIDE);
  return ovSuccess;
}

// Floating windows hide while the application is in the background, and
// come back with it; other windows stay as they are.
template <bool Resuming>
ovStatus SuspendOrResume(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (!flag("Floating?"_attr, w)) return ovSuccess;
  ov::tell("Hilite"_sel, w, {ov::boolean(Resuming)});
  return ov::send<0>("Set Visible?"_sel, w, {ov::boolean(Resuming)}).status;
}

ovStatus OpenMenubar(const ov::Args& a) {
  ovRef menubar = ov::make("Menubar"_cls).take();
  ov::set("Owner"_attr, menubar, a.receiver());
  ov::set("Menubar"_attr, a.receiver(), menubar);
  return ov::send<0>("Open"_sel, menubar).status;
}

// The view answers for the window: the same call with the same inputs.
ovStatus ToView(const ovMethodSelector& method, const ov::Args& a) {
  auto answer = ov::send(method, ov::get("View"_attr, a.receiver()), {a[1], a[2]});
  a.put(0, answer.take());
  return answer.status;
}

ovStatus SizeView(const ov::Args& a) {
  return ov::send<0>("Resize"_sel, ov::get("View"_attr, a.receiver()), {a[1], a[2]}).status;
}

// A window is the origin of its item tree.
ovStatus Origin(const ov::Args& a) {
  a.put(0, ov::point(0, 0));
  return ovSuccess;
}

// The window's own menubar, or else the main window's, which a window
// without one shares; NULL when neither has one.
ovStatus GetMenubar(const ov::Args& a) {
  ovRef menubar = ov::get("Menubar"_attr, a.receiver());
  ovRef main = menubar ? nullptr : mainWindow();
  if (main && main.get() != a.receiver()) menubar = ov::send("Get Menubar"_sel, main).take();
  a.put(0, std::move(menubar));
  return ovSuccess;
}

// The window's own menus, or the application's when it lists none.
ovStatus GetMenus(const ov::Args& a) {
  ovRef menus = ov::get("Initial Menus"_attr, a.receiver());
  if (ov::length(menus) == 0) menus = ov::send("Get Initial Menus"_sel, application()).take();
  a.put(0, std::move(menus));
  return ovSuccess;
}

// The event's screen point in the window's client coordinates.
ovStatus GetLocalWhere(const ov::Args& a) {
  POINT p = vorn::MessageOf(a[1]).where;
  ScreenToClient(recordOf(a.receiver()), &p);
  a.put(0, ov::pointFrom(p));
  return ovSuccess;
}

ovStatus SetDeviceContext(const ov::Args& a) {
  gCurrentDevice.set(ov::listOf({a[1], a[2]}));
  ov::set("Device Context"_attr, a.receiver(), a[1]);
  return ovSuccess;
}

ovStatus AddToDesktop(const ov::Args& a) {
  ov::tell("Add Window"_sel, desktop(), {a.receiver()});
  return ov::send<0>("Bring To Front"_sel, a.receiver()).status;
}

ovStatus Activate(const ov::Args& a) {
  ovRef on = ov::send("Get Activate Flag"_sel, a[1]).take();
  return ov::send<0>("Hilite"_sel, a.receiver(), {on}).status;
}

}  // namespace window

namespace window_border {

// The frame style: a caption, the border's own bits, the system menu and
// the minimize and maximize boxes, each as the border asks.
ovStatus GetBorder(const ov::Args& a) {
  ovC_object* b = a.receiver();
  int32_t style = flag("Caption?"_attr, b) ? WS_CAPTION : 0;
  style |= ov::toInt(ov::get("Border"_attr, b));
  if (flag("Sys Menu?"_attr, b)) style |= WS_SYSMENU;
  if (flag("Minimize?"_attr, b)) style |= WS_MINIMIZEBOX;
  if (flag("Maximize?"_attr, b)) style |= WS_MAXIMIZEBOX;
  a.put(0, ov::integer(style));
  return ovSuccess;
}

}  // namespace window_border

namespace universal {

// The device context of the paint in progress, or NULL.
ovStatus GetCurrentDevice(const ov::Args& a) {
  a.put(0, ov::element(gCurrentDevice.get(), 0));
  return ovSuccess;
}

}  // namespace universal

const ovClassDeclaration kWindowClass({
    .name = "Window"_cls,
    .attributes = {"Name"_attr,           "Title"_attr,
                   "Modal?"_attr,         "Window Record"_attr,
                   "Maximum Size"_attr,   "Minimum Size"_attr,
                   "Active?"_attr,        "Visible?"_attr,
                   "Location"_attr,       "Size"_attr,
                   "HasGrow?"_attr,       "HasClose?"_attr,
                   "Owner"_attr,          "View"_attr,
                   "Target"_attr,         "Tab Order"_attr,
                   "Default Item"_attr,   "Last Item"_attr,
                   "Offscreen"_attr,      "Key Behavior"_attr,
                   "Data Mapping"_attr,   "Floating?"_attr,
                   "Location Mode"_attr,  "Stacking Offset"_attr,
                   "Flags"_attr,          "Extended Style"_attr,
                   "Border"_attr,         "Child?"_attr,
                   "Device Context"_attr, "Accelerator Table"_attr,
                   "Accelerators"_attr,   "Current Item ID"_attr,
                   "Initial Menus"_attr,  "Menubar"_attr,
                   "Has Menubar?"_attr},
    .methods = ov::methods(
        {{"Open"_sel, ov::routine<window::Open>},
         {"Create Window"_sel, ov::routine<window::CreateWindow>},
         {"Get Flags"_sel, ov::routine<window::GetFlags>},
         {"Get Extended Style"_sel, ov::routine<window::GetExtendedStyle>},
         {"Get Location Mode"_sel, ov::routine<window::GetLocationMode>},
         {"Set Location by Mode"_sel, ov::routine<window::SetLocationByMode>},
         {"Stack"_sel, ov::routine<window::Stack>},
         {"Close"_sel, ov::routine<window::Close>},
         {"Close Main Window"_sel, ov::routine<window::CloseMainWindow>},
         {"Dismiss"_sel, ov::routine<window::Dismiss>},
         {"Bring To Front"_sel, ov::routine<window::BringToFront>},
         {"Unhilite"_sel, ov::routine<window::Unhilite>},
         {"Hilite"_sel, ov::routine<window::Hilite>},
         {"Check Modality"_sel, ov::routine<window::CheckModality>},
         {"Get Unique ID"_sel, ov::routine<window::GetUniqueId>},
         {"Set Title"_sel, ov::routine<window::SetTitle>},
         {"Set Visible?"_sel, ov::routine<window::SetVisible>},
         {"Suspend"_sel, ov::routine<window::SuspendOrResume<false>>},
         {"Resume"_sel, ov::routine<window::SuspendOrResume<true>>},
         {"Open Menubar"_sel, ov::routine<window::OpenMenubar>},
         {"Size View"_sel, ov::routine<window::SizeView>},
         {"Get Window"_sel, ov::self},
         {"Get Origin"_sel, ov::routine<window::Origin>},
         {"Get Window Origin"_sel, ov::routine<window::Origin>},
         {"Get Menubar"_sel, ov::routine<window::GetMenubar>},
         {"Get Menus"_sel, ov::routine<window::GetMenus>},
         {"Get Local Where"_sel, ov::routine<window::GetLocalWhere>},
         {"Set Device Context"_sel, ov::routine<window::SetDeviceContext>},
         {"Add To Desktop"_sel, ov::routine<window::AddToDesktop>},
         {"Activate"_sel, ov::routine<window::Activate>},
         {"Targetable?"_sel, ov::failing}},
        ov::forwarding<window::ToView, "Find Item", "Find Item By Key", "Find Window Item", "Get Value", "Set Value">(),
        ov::getters<"Active?", "Border", "Default Item", "Device Context", "Location", "Modal?", "Name", "Owner",
                    "Size", "Tab Order", "Title", "Visible?", "Window Record">(),
        ov::setters<"Modal?">(),
        ov::doingNothing<"Get Background", "Draw", "Hit Test", "Idle", "Prepare", "Process Key", "Set Port",
                         "Set Up Drawing", "Post Draw Behavior?">()),
});

const ovClassDeclaration kWindowBorderClass({
    .name = "Window Border"_cls,
    .attributes = {"Border"_attr, "Caption?"_attr, "Minimize?"_attr, "Maximize?"_attr, "Sys Menu?"_attr},
    .methods = {{"Get Border"_sel, ov::routine<window_border::GetBorder>}},
});

const ovUniversalDeclaration kGetCurrentDevice("Get Current Device"_uni, ov::routine<universal::GetCurrentDevice>);

}  // namespace
