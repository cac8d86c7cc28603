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

#include "framework/platform_context.h"
#include "framework/persistents.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

ovPersistent gCurrentDevice("Current Device");

namespace {

namespace sel {
const ovMethodSelector Activate("Activate");
const ovMethodSelector AddFloating("Add Floating");
const ovMethodSelector AddToDesktop("Add To Desktop");
const ovMethodSelector AddWindow("Add Window");
const ovMethodSelector BringToFront("Bring To Front");
const ovMethodSelector CheckModality("Check Modality");
const ovMethodSelector Close("Close");
const ovMethodSelector CreateWindow("Create Window");
const ovMethodSelector Dismiss("Dismiss");
const ovMethodSelector FindItem("Find Item");
const ovMethodSelector FindItemByKey("Find Item By Key");
const ovMethodSelector FindWindowItem("Find Window Item");
const ovMethodSelector GetActivateFlag("Get Activate Flag");
const ovMethodSelector GetBorder("Get Border");
const ovMethodSelector GetExtendedStyle("Get Extended Style");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetInitialMenus("Get Initial Menus");
const ovMethodSelector GetIsForeground("Get Is Foreground?");
const ovMethodSelector GetLocation("Get Location");
const ovMethodSelector GetLocationMode("Get Location Mode");
const ovMethodSelector GetMainWindow("Get Main Window");
const ovMethodSelector GetMenubar("Get Menubar");
const ovMethodSelector GetMenubarRecord("Get Menubar Record");
const ovMethodSelector GetSize("Get Size");
const ovMethodSelector GetTitle("Get Title");
const ovMethodSelector GetUniqueId("Get Unique ID");
const ovMethodSelector GetValue("Get Value");
const ovMethodSelector GetWhere("Get Where");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector Hilite("Hilite");
const ovMethodSelector ModalCommander("Modal Commander");
const ovMethodSelector Open("Open");
const ovMethodSelector OpenAccelerators("Open Accelerators");
const ovMethodSelector OpenMenubar("Open Menubar");
const ovMethodSelector Quit("Quit");
const ovMethodSelector RemoveFloating("Remove Floating");
const ovMethodSelector RemoveWindow("Remove Window");
const ovMethodSelector Resize("Resize");
const ovMethodSelector SetLocationByMode("Set Location by Mode");
const ovMethodSelector SetModal("Set Modal?");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector SetValue("Set Value");
const ovMethodSelector SetVisible("Set Visible?");
const ovMethodSelector Stack("Stack");
const ovMethodSelector Tab("Tab");
const ovMethodSelector Unhilite("Unhilite");
}  // namespace sel

namespace attr {
const ovAttributeSelector AcceleratorTable("Accelerator Table");
const ovAttributeSelector Active("Active?");
const ovAttributeSelector Border("Border");
const ovAttributeSelector Caption("Caption?");
const ovAttributeSelector Child("Child?");
const ovAttributeSelector Commander("Commander");
const ovAttributeSelector DefaultItem("Default Item");
const ovAttributeSelector DeviceContext("Device Context");
const ovAttributeSelector ExtendedStyle("Extended Style");
const ovAttributeSelector Flags("Flags");
const ovAttributeSelector Floating("Floating?");
const ovAttributeSelector Frame("Frame");
const ovAttributeSelector HasMenubar("Has Menubar?");
const ovAttributeSelector InitialMenus("Initial Menus");
const ovAttributeSelector KeyBehavior("Key Behavior");
const ovAttributeSelector LastItem("Last Item");
const ovAttributeSelector Location("Location");
const ovAttributeSelector LocationMode("Location Mode");
const ovAttributeSelector Maximize("Maximize?");
const ovAttributeSelector Mdi("MDI?");
const ovAttributeSelector Menubar("Menubar");
const ovAttributeSelector Minimize("Minimize?");
const ovAttributeSelector Modal("Modal?");
const ovAttributeSelector Name("Name");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector Size("Size");
const ovAttributeSelector StackingOffset("Stacking Offset");
const ovAttributeSelector SysMenu("Sys Menu?");
const ovAttributeSelector TabOrder("Tab Order");
const ovAttributeSelector Target("Target");
const ovAttributeSelector Title("Title");
const ovAttributeSelector View("View");
const ovAttributeSelector Visible("Visible?");
const ovAttributeSelector WindowRecord("Window Record");
const ovAttributeSelector WindowRecords("Window Records");
}  // namespace attr

namespace cls {
const ovClassName Menubar("Menubar");
}  // namespace cls

namespace uni {
const ovUniversalName GetApplication("Get Application");
const ovUniversalName GetClassName("Get Class Name");
const ovUniversalName GetDesktop("Get Desktop");
const ovUniversalName GetFrontWindow("Get Front Window");
const ovUniversalName IsMdi("Is MDI?");
const ovUniversalName SetTarget("Set Target");
}  // namespace uni


ovRef application() { return ov::universal(uni::GetApplication).take(); }

ovRef desktop() { return ov::universal(uni::GetDesktop).take(); }

// The desktop's main window, or NULL while there is none.
ovRef mainWindow() {
  auto main = ov::send(sel::GetMainWindow, desktop());
  return main.failed() ? nullptr : main.take();
}

// The front window, or NULL when there is none.
ovRef frontWindow() {
  auto front = ov::universal(uni::GetFrontWindow);
  return front.failed() ? nullptr : front.take();
}

HWND recordOf(ov::In window) { return ov::toHandle<HWND>(ov::get(attr::WindowRecord, window)); }

bool flag(const ovAttributeSelector& attribute, ovC_object* object) {
  return ov::isTrue(ov::get(attribute, object));
}

bool applicationIsMdi() { return flag(attr::Mdi, application().get()); }

// The MDI client: the platform window of the main window's view, or NULL.
HWND mdiClient() {
  ovRef main = mainWindow();
  if (!main) return nullptr;
  return ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, ov::get(attr::View, main)).get());
}

// Enables or disables every open window, as a modal window requires.
void enableAll(bool enable) {
  ovRef records = ov::get(attr::WindowRecords, desktop());
  for (uint32_t i = 0; i < ov::length(records); ++i) EnableWindow(ov::toHandle<HWND>(ov::element(records, i)), enable);
}

bool isOfMainWindowClass(ovC_object* window) {
  ovRef mainClass = ov::send(sel::GetMainWindow, application()).take();
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
  if (!flag(attr::HasMenubar, window)) return nullptr;
  ov::send<0>(sel::OpenMenubar, window);
  return ov::toHandle<HMENU>(ov::send(sel::GetMenubarRecord, ov::get(attr::Menubar, window)).get());
}

// No parent for the main window itself; an MDI child lives in the main
// window's client, any other window is owned by the main window.
HWND parentFor(ovC_object* window) {
  ovRef main = mainWindow();
  if (!main) return nullptr;
  if (flag(attr::Child, window)) return ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, ov::get(attr::View, main)).get());
  return recordOf(main);
}

// The menubar a failed creation leaves behind is closed again.
void abandonMenubar(ovC_object* window) {
  ovRef menubar = ov::get(attr::Menubar, window);
  if (!menubar) return;
  ov::send<0>(sel::Close, menubar);
  ov::set(attr::Menubar, window, nullptr);
}

// The platform window, with the computed styles, the menubar, the title the
// window's class gives and its stored size and place; the view's frame
// becomes the client area. Fails when the platform makes no window.
ovStatus CreateWindow(const ov::Args& a) {
  ovC_object* w = a.receiver();
  HMENU menu = menuFor(w);
  POINT size = ov::toPOINT(ov::send(sel::GetSize, w).get());
  POINT at = ov::toPOINT(ov::send(sel::GetLocation, w).get());
  std::string className = ov::cString(ov::universal(uni::GetClassName).get());
  std::string title = ov::cString(ov::send(sel::GetTitle, w).get());
  HWND hwnd = CreateWindowExA(static_cast<DWORD>(ov::toInt(ov::send(sel::GetExtendedStyle, w).get())), className.c_str(),
                              title.c_str(), static_cast<DWORD>(ov::toInt(ov::send(sel::GetFlags, w).get())), at.x, at.y,
                              size.x, size.y, parentFor(w), menu, vorn::ApplicationInstance(), nullptr);
  if (!hwnd) {
    abandonMenubar(w);
    return ovFailure;
  }
  RECT client{};
  GetClientRect(hwnd, &client);
  if (ovRef view = ov::get(attr::View, w)) ov::set(attr::Frame, view, ov::rectFrom(client));
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
  ovRef mode = ov::send(sel::GetLocationMode, w).take();
  ov::set(attr::Location, w, ov::send(sel::SetLocationByMode, w, {mode}).get());
  if (recordOf(w)) return ov::send<0>(sel::BringToFront, w).status;
  bool modal = flag(attr::Modal, w);
  if (modal) enableAll(false);
  auto made = ov::send(sel::CreateWindow, w);
  if (made.failed() || !made.get()) {
    if (modal) enableAll(true);
    return ovFailure;
  }
  ov::set(attr::Owner, w, a[1]);
  ov::set(attr::WindowRecord, w, made.get());
  if (ovRef view = ov::get(attr::View, w)) ov::send<0>(sel::Open, view, {w});
  ov::set(attr::Active, w, gdDefaultTrue);
  ov::send<0>(sel::AddToDesktop, w, {made.get()});
  ov::send<0>(sel::SetTarget, desktop(), {w, nullptr});
  ov::send<0>(sel::Tab, w, {w, gdDefaultFalse});
  HWND hwnd = ov::toHandle<HWND>(made.get());
  if (flag(attr::Visible, w)) {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
  }
  if (flag(attr::Floating, w)) ov::send<0>(sel::AddFloating, desktop(), {w});
  ov::send<0>(sel::OpenAccelerators, w);
  return ovSuccess;
}

// The border's frame bits, WS_CHILD for a child and always
// WS_CLIPCHILDREN, or-ed with the window's own "Flags".
ovStatus GetFlags(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef border = ov::get(attr::Border, w);
  int32_t bits = border ? ov::toInt(ov::send(sel::GetBorder, border).get()) : 0;
  if (flag(attr::Child, w)) bits |= WS_CHILD;
  a.put(0, ov::integer(ov::toInt(ov::get(attr::Flags, w)) | bits | WS_CLIPCHILDREN));
  return ovSuccess;
}

// A floating window is a topmost tool window; an MDI child says so.
ovStatus GetExtendedStyle(const ov::Args& a) {
  ovC_object* w = a.receiver();
  int32_t style = ov::toInt(ov::get(attr::ExtendedStyle, w));
  if (flag(attr::Floating, w)) style |= WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  if (flag(attr::Child, w) && applicationIsMdi()) style |= WS_EX_MDICHILD;
  a.put(0, ov::integer(style));
  return ovSuccess;
}

ovStatus GetLocationMode(const ov::Args& a) {
  ovRef mode = ov::get(attr::LocationMode, a.receiver());
  a.put(0, ov::isInteger(mode) ? std::move(mode) : ov::integer(1));
  return ovSuccess;
}

// The free space of the screen around the window, divided by the given
// parts vertically and by two horizontally.
ovRef placedOnScreen(ovC_object* w, int32_t verticalParts) {
  POINT screen = screenCorner();
  POINT size = ov::toPOINT(ov::send(sel::GetSize, w).get());
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
    if (ovRef front = frontWindow()) location = ov::send(sel::Stack, w, {ov::get(attr::Location, front)}).take();
  }
  a.put(0, location ? std::move(location) : ov::get(attr::Location, w));
  return ovSuccess;
}

// The front window's place moved by "Stacking Offset", or NULL when the
// window would not fit on the screen there.
ovStatus Stack(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef size = ov::get(attr::Size, w);
  if (!size) return ovSuccess;
  POINT front = ov::toPOINT(a[1]);
  POINT offset = ov::toPOINT(ov::get(attr::StackingOffset, w));
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
  if (ov::send<0>(sel::Dismiss, w, {gdDefaultTrue}).failed()) return ovFailure;
  ov::set(attr::Active, w, gdDefaultFalse);
  ov::set(attr::Target, w, nullptr);
  ov::set(attr::LastItem, w, nullptr);
  if (HACCEL table = ov::toHandle<HACCEL>(ov::get(attr::AcceleratorTable, w))) {
    DestroyAcceleratorTable(table);
    ov::set(attr::AcceleratorTable, w, nullptr);
  }
  if (ovRef menubar = ov::get(attr::Menubar, w)) {
    ov::send<0>(sel::Close, menubar);
    ov::set(attr::Menubar, w, nullptr);
  }
  if (flag(attr::Floating, w)) ov::send<0>(sel::RemoveFloating, desktop(), {w});
  if (ovRef keys = ov::get(attr::KeyBehavior, w)) ov::send<0>(sel::Close, keys);
  return ovSuccess;
}

// Closing the application's main window quits the application, which
// closes it on the way out.
ovStatus Close(const ov::Args& a) {
  if (isOfMainWindowClass(a.receiver())) return ov::send<0>(sel::Quit, application()).status;
  return CloseMainWindow(a);
}

// An MDI child is destroyed by its client, any other window directly. The
// main view is no multiple-document client of the platform's and leaves
// the child alive: it is then destroyed here, so that no closed window
// stays on screen.
void destroyPlatformWindow(ovC_object* w, HWND hwnd) {
  HWND client = flag(attr::Child, w) && applicationIsMdi() ? mdiClient() : nullptr;
  if (client) SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

// Takes the window down: a forced exit of the target, the owner closed
// (which ends it for a window of any other class than the main window's),
// the other windows enabled again after a modal one, the view closed, the
// window out of the desktop and its platform window destroyed.
ovStatus Dismiss(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (ov::isTrue(a[1]) && ov::send<0>(sel::SetTarget, w, {nullptr, gdDefaultTrue}).failed()) return ovFailure;
  ovRef owner = ov::get(attr::Owner, w);
  if (owner && !ov::isNone(owner)) {
    if (ov::send<0>(sel::Close, owner).failed()) return ovFailure;
    if (!isOfMainWindowClass(w)) return ovSuccess;
  }
  if (flag(attr::Modal, w)) enableAll(true);
  if (ovRef view = ov::get(attr::View, w)) ov::send<0>(sel::Close, view);
  ov::send<0>(sel::RemoveWindow, desktop(), {w});
  destroyPlatformWindow(w, recordOf(w));
  ov::set(attr::WindowRecord, w, nullptr);
  ov::set(attr::Owner, w, nullptr);
  return ovSuccess;
}

// The window in front of the others: the one in front loses its hilite and
// this one gains it; when it is already in front (or a modal window is),
// it only takes the target back.
ovStatus BringToFront(const ov::Args& a) {
  ovC_object* w = a.receiver();
  HWND hwnd = recordOf(w);
  if (!hwnd) return ovSuccess;
  if (ov::send<0>(sel::Unhilite, w).failed())
    return ov::send<0>(sel::SetTarget, desktop(), {w, ov::get(attr::Target, w)}).status;
  ovRef front = flag(attr::Floating, w) ? nullptr : frontWindow();
  if (front) ov::send<0>(sel::Hilite, front, {gdDefaultFalse});
  HWND client = flag(attr::Child, w) && ov::universal<0>(uni::IsMdi).succeeded() ? mdiClient() : nullptr;
  if (client) SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
  SetForegroundWindow(hwnd);
  return ov::send<0>(sel::Hilite, w, {ov::send(sel::GetIsForeground, application()).get()}).status;
}

// Takes the hilite from the front window; fails when this window is the
// front one or the front one is modal.
ovStatus Unhilite(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovRef front = frontWindow();
  if (!front) return ovTerminate;
  if (front.get() == w || flag(attr::Modal, front.get())) return ovFailure;
  if (!flag(attr::Floating, w)) ov::send<0>(sel::Hilite, front, {gdDefaultFalse});
  return ovSuccess;
}

// Hilites the window or takes its hilite away: modality, the target's
// activation and the application's target follow; a floating window only
// passes it to its view.
ovStatus Hilite(const ov::Args& a) {
  ovC_object* w = a.receiver();
  ovC_object* on = a[1];
  if (!flag(attr::Floating, w)) {
    ov::send<0>(sel::CheckModality, w, {on});
    ovRef target = ov::get(attr::Target, w);
    if (target) ov::send<0>(sel::Activate, target, {on});
    ov::universal<0>(uni::SetTarget, {ov::isTrue(on) ? target.get() : nullptr});
  }
  return ov::send<0>(sel::Hilite, ov::get(attr::View, w), {on}).status;
}

// A window coming to the front makes the desktop and the commander modal
// exactly when it is.
ovStatus CheckModality(const ov::Args& a) {
  if (!ov::isTrue(a[1])) return ovSuccess;
  ovRef modal = ov::get(attr::Modal, a.receiver());
  ov::send<0>(sel::SetModal, desktop(), {modal});
  ov::send<0>(sel::ModalCommander, ov::get(attr::Commander, application()), {modal});
  return ovSuccess;
}

ovStatus GetUniqueId(const ov::Args& a) {
  a.put(0, ov::send(sel::GetUniqueId, desktop()).take());
  return ovSuccess;
}

ovStatus SetTitle(const ov::Args& a) {
  ov::set(attr::Title, a.receiver(), a[1]);
  if (HWND hwnd = recordOf(a.receiver())) SetWindowTextA(hwnd, ov::cString(a[1]).c_str());
  return ovSuccess;
}

ovStatus SetVisible(const ov::Args& a) {
  ov::set(attr::Visible, a.receiver(), a[1]);
  ShowWindow(recordOf(a.receiver()), ov::isTrue(a[1]) ? SW_SHOW : SW_HIDE);
  return ovSuccess;
}

// Floating windows hide while the application is in the background, and
// come back with it; other windows stay as they are.
template <bool Resuming>
ovStatus SuspendOrResume(const ov::Args& a) {
  ovC_object* w = a.receiver();
  if (!flag(attr::Floating, w)) return ovSuccess;
  ov::send<0>(sel::Hilite, w, {ov::boolean(Resuming)});
  return ov::send<0>(sel::SetVisible, w, {ov::boolean(Resuming)}).status;
}

ovStatus OpenMenubar(const ov::Args& a) {
  ovRef menubar = ov::make(cls::Menubar).take();
  ov::set(attr::Owner, menubar, a.receiver());
  ov::set(attr::Menubar, a.receiver(), menubar);
  return ov::send<0>(sel::Open, menubar).status;
}

// The view answers for the window: the same call with the same inputs.
template <const ovMethodSelector& Method>
ovStatus ToView(const ov::Args& a) {
  auto answer = ov::send(Method, ov::get(attr::View, a.receiver()), {a[1], a[2]});
  a.put(0, answer.take());
  return answer.status;
}

ovStatus SizeView(const ov::Args& a) {
  return ov::send<0>(sel::Resize, ov::get(attr::View, a.receiver()), {a[1], a[2]}).status;
}

// A window is the origin of its item tree.
ovStatus Origin(const ov::Args& a) {
  a.put(0, ov::point(0, 0));
  return ovSuccess;
}

// The window's own menubar, or else the main window's, which a window
// without one shares; NULL when neither has one.
ovStatus GetMenubar(const ov::Args& a) {
  ovRef menubar = ov::get(attr::Menubar, a.receiver());
  ovRef main = menubar ? nullptr : mainWindow();
  if (main && main.get() != a.receiver()) menubar = ov::send(sel::GetMenubar, main).take();
  a.put(0, std::move(menubar));
  return ovSuccess;
}

// The window's own menus, or the application's when it lists none.
ovStatus GetMenus(const ov::Args& a) {
  ovRef menus = ov::get(attr::InitialMenus, a.receiver());
  if (ov::length(menus) == 0) menus = ov::send(sel::GetInitialMenus, application()).take();
  a.put(0, std::move(menus));
  return ovSuccess;
}

// The event's screen point in the window's client coordinates.
ovStatus GetLocalWhere(const ov::Args& a) {
  POINT p = ov::toPOINT(ov::send(sel::GetWhere, a[1]).get());
  ScreenToClient(recordOf(a.receiver()), &p);
  a.put(0, ov::pointFrom(p));
  return ovSuccess;
}

ovStatus SetDeviceContext(const ov::Args& a) {
  gCurrentDevice.set(ov::listOf({a[1], a[2]}));
  ov::set(attr::DeviceContext, a.receiver(), a[1]);
  return ovSuccess;
}

ovStatus AddToDesktop(const ov::Args& a) {
  ov::send<0>(sel::AddWindow, desktop(), {a.receiver()});
  return ov::send<0>(sel::BringToFront, a.receiver()).status;
}

ovStatus Activate(const ov::Args& a) {
  ovRef on = ov::send(sel::GetActivateFlag, a[1]).take();
  return ov::send<0>(sel::Hilite, a.receiver(), {on}).status;
}

}  // namespace window

namespace window_border {

// The frame style: a caption, the border's own bits, the system menu and
// the minimize and maximize boxes, each as the border asks.
ovStatus GetBorder(const ov::Args& a) {
  ovC_object* b = a.receiver();
  int32_t style = flag(attr::Caption, b) ? WS_CAPTION : 0;
  style |= ov::toInt(ov::get(attr::Border, b));
  if (flag(attr::SysMenu, b)) style |= WS_SYSMENU;
  if (flag(attr::Minimize, b)) style |= WS_MINIMIZEBOX;
  if (flag(attr::Maximize, b)) style |= WS_MAXIMIZEBOX;
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
    .name = "Window",
    .attributes = {"Name",           "Title",
                   "Modal?",         "Window Record",
                   "Maximum Size",   "Minimum Size",
                   "Active?",        "Visible?",
                   "Location",       "Size",
                   "HasGrow?",       "HasClose?",
                   "Owner",          "View",
                   "Target",         "Tab Order",
                   "Default Item",   "Last Item",
                   "Offscreen",      "Key Behavior",
                   "Data Mapping",   "Floating?",
                   "Location Mode",  "Stacking Offset",
                   "Flags",          "Extended Style",
                   "Border",         "Child?",
                   "Device Context", "Accelerator Table",
                   "Accelerators",   "Current Item ID",
                   "Initial Menus",  "Menubar",
                   "Has Menubar?"},
    .methods = {{"Open", ov::routine<window::Open>},
                {"Create Window", ov::routine<window::CreateWindow>},
                {"Get Flags", ov::routine<window::GetFlags>},
                {"Get Extended Style", ov::routine<window::GetExtendedStyle>},
                {"Get Location Mode", ov::routine<window::GetLocationMode>},
                {"Set Location by Mode", ov::routine<window::SetLocationByMode>},
                {"Stack", ov::routine<window::Stack>},
                {"Close", ov::routine<window::Close>},
                {"Close Main Window", ov::routine<window::CloseMainWindow>},
                {"Dismiss", ov::routine<window::Dismiss>},
                {"Bring To Front", ov::routine<window::BringToFront>},
                {"Unhilite", ov::routine<window::Unhilite>},
                {"Hilite", ov::routine<window::Hilite>},
                {"Check Modality", ov::routine<window::CheckModality>},
                {"Get Unique ID", ov::routine<window::GetUniqueId>},
                {"Set Title", ov::routine<window::SetTitle>},
                {"Set Visible?", ov::routine<window::SetVisible>},
                {"Suspend", ov::routine<window::SuspendOrResume<false>>},
                {"Resume", ov::routine<window::SuspendOrResume<true>>},
                {"Open Menubar", ov::routine<window::OpenMenubar>},
                {"Find Item", ov::routine<window::ToView<sel::FindItem>>},
                {"Find Item By Key", ov::routine<window::ToView<sel::FindItemByKey>>},
                {"Find Window Item", ov::routine<window::ToView<sel::FindWindowItem>>},
                {"Get Value", ov::routine<window::ToView<sel::GetValue>>},
                {"Set Value", ov::routine<window::ToView<sel::SetValue>>},
                {"Size View", ov::routine<window::SizeView>},
                {"Get Active?", ov::reader<attr::Active>},
                {"Get Border", ov::reader<attr::Border>},
                {"Get Default Item", ov::reader<attr::DefaultItem>},
                {"Get Device Context", ov::reader<attr::DeviceContext>},
                {"Get Location", ov::reader<attr::Location>},
                {"Get Modal?", ov::reader<attr::Modal>},
                {"Get Name", ov::reader<attr::Name>},
                {"Get Owner", ov::reader<attr::Owner>},
                {"Get Size", ov::reader<attr::Size>},
                {"Get Tab Order", ov::reader<attr::TabOrder>},
                {"Get Title", ov::reader<attr::Title>},
                {"Get Visible?", ov::reader<attr::Visible>},
                {"Get Window Record", ov::reader<attr::WindowRecord>},
                {"Get Window", ov::self},
                {"Get Background", ov::nothing},
                {"Get Origin", ov::routine<window::Origin>},
                {"Get Window Origin", ov::routine<window::Origin>},
                {"Get Menubar", ov::routine<window::GetMenubar>},
                {"Get Menus", ov::routine<window::GetMenus>},
                {"Get Local Where", ov::routine<window::GetLocalWhere>},
                {"Set Modal?", ov::writer<attr::Modal>},
                {"Set Device Context", ov::routine<window::SetDeviceContext>},
                {"Add To Desktop", ov::routine<window::AddToDesktop>},
                {"Activate", ov::routine<window::Activate>},
                {"Draw", ov::nothing},
                {"Hit Test", ov::nothing},
                {"Idle", ov::nothing},
                {"Prepare", ov::nothing},
                {"Process Key", ov::nothing},
                {"Set Port", ov::nothing},
                {"Set Up Drawing", ov::nothing},
                {"Post Draw Behavior?", ov::nothing},
                {"Targetable?", ov::failing}},
});

const ovClassDeclaration kWindowBorderClass({
    .name = "Window Border",
    .attributes = {"Border", "Caption?", "Minimize?", "Maximize?", "Sys Menu?"},
    .methods = {{"Get Border", ov::routine<window_border::GetBorder>}},
});

const ovUniversalDeclaration kGetCurrentDevice("Get Current Device", ov::routine<universal::GetCurrentDevice>);

}  // namespace
