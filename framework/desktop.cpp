// The desktop: the list of open framework windows with their platform
// handles, the front and main windows, modality for mouse clicks, the
// routing of mouse and command events to windows, and the cursor shape at
// idle time. The screens hang off it too.
//
// Invariant: "Windows" and "Window Records" have the same length and change
// together; element i of "Window Records" is the handle of element i of
// "Windows".
#include "framework/persistents.h"
#include "framework/pointer_probe.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/records.h"

ovPersistent gReturnValue("Return Value");

namespace {

namespace sel {
const ovMethodSelector ChangeColor("Change Color");
const ovMethodSelector ChangeCursor("Change Cursor");
const ovMethodSelector Close("Close");
const ovMethodSelector CloseMainWindow("Close Main Window");
const ovMethodSelector DefaultWindowProc("Default Window Proc");
const ovMethodSelector Drag("Drag");
const ovMethodSelector FindDesktopWindow("Find Desktop Window");
const ovMethodSelector GetActiveChild("Get Active Child");
const ovMethodSelector GetEventRecord("Get Event Record");
const ovMethodSelector GetFrontWindow("Get Front Window");
const ovMethodSelector GetHWnd("Get HWnd");
const ovMethodSelector GetInitialWindows("Get Initial Windows");
const ovMethodSelector GetMainWindow("Get Main Window");
const ovMethodSelector GetMenubar("Get Menubar");
const ovMethodSelector GetModal("Get Modal?");
const ovMethodSelector GetScreens("Get Screens");
const ovMethodSelector GetType("Get Type");
const ovMethodSelector GetWhere("Get Where");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector Grow("Grow");
const ovMethodSelector IsModal("Is Modal?");
const ovMethodSelector MouseDown("Mouse Down");
const ovMethodSelector MouseDownMiddle("Mouse Down Middle");
const ovMethodSelector MouseDownRight("Mouse Down Right");
const ovMethodSelector MouseMoved("Mouse Moved");
const ovMethodSelector MouseUp("Mouse Up");
const ovMethodSelector MouseUpMiddle("Mouse Up Middle");
const ovMethodSelector MouseUpRight("Mouse Up Right");
const ovMethodSelector OnCommand("On Command");
const ovMethodSelector Open("Open");
const ovMethodSelector OpenMainWindow("Open Main Window");
const ovMethodSelector Resume("Resume");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector Suspend("Suspend");
}  // namespace sel

namespace attr {
const ovAttributeSelector CurrentId("Current ID");
const ovAttributeSelector Floating("Floating");
const ovAttributeSelector LastHelp("Last Help");
const ovAttributeSelector LastWindow("Last Window");
const ovAttributeSelector MainWindow("Main Window");
const ovAttributeSelector Mdi("MDI?");
const ovAttributeSelector Modal("Modal?");
const ovAttributeSelector Screens("Screens");
const ovAttributeSelector View("View");
const ovAttributeSelector WindowRecords("Window Records");
const ovAttributeSelector Windows("Windows");
}  // namespace attr

namespace cls {
const ovClassName Screen("Screen");
}  // namespace cls

namespace uni {
const ovUniversalName GetApplication("Get Application");
const ovUniversalName GetClassName("Get Class Name");
const ovUniversalName RegisterClass("Register Class");
}  // namespace uni

ovRef application() { return ov::universal(uni::GetApplication).take(); }

// The position of a handle in "Window Records", or -1.
int32_t positionOfHandle(ovC_object* records, int32_t handle) {
  for (uint32_t i = 0; i < ov::length(records); ++i)
    if (ov::toInt(ov::element(records, i)) == handle) return static_cast<int32_t>(i);
  return -1;
}

// Removes position i from both lists together.
void removeAt(ovC_object* desktop, uint32_t i) {
  ov::set(attr::Windows, desktop, ov::without(ov::get(attr::Windows, desktop), i));
  ov::set(attr::WindowRecords, desktop, ov::without(ov::get(attr::WindowRecords, desktop), i));
}

// An answer that may fail: the failure is passed on, else the answer.
ovStatus answer(const ov::Args& a, ov::Results<1>&& r) {
  if (r.failed() || !r.get()) return ovFailure;
  a.put(0, r.take());
  return ovSuccess;
}

namespace desktop {

// Registers the framework's window class, then opens the main window and
// the initial windows; windows enter "Windows" through their own "Open".
ovStatus Open(const ov::Args& a) {
  ov::set(attr::Screens, a.receiver(), ov::sendToClass(cls::Screen, sel::GetScreens).get());
  ov::universal<0>(uni::RegisterClass, {ov::universal(uni::GetClassName).get(), ov::text("VornWndProc")});
  ovRef app = application();
  ov::send<0>(sel::OpenMainWindow, app, {a.receiver()});
  ovRef initial = ov::send(sel::GetInitialWindows, app).take();
  ov::forEach(initial, [](ovC_object* each) {
    ovRef window = ov::isText(each) ? ov::makeNamed(each).take() : ovRef::share(each);
    return ov::send<0>(sel::Open, window, {nullptr}).status;
  });
  return ovSuccess;
}

// Closes every window, the main window last, then unregisters the class.
ovStatus Close(const ov::Args& a) {
  auto main = ov::send(sel::GetMainWindow, a.receiver());
  ovRef mainWindow = main.failed() ? nullptr : main.take();
  int32_t at = ov::indexOf(ov::get(attr::Windows, a.receiver()), mainWindow);
  if (mainWindow && at >= 0) removeAt(a.receiver(), static_cast<uint32_t>(at));
  ov::forEach(ov::get(attr::Windows, a.receiver()),
              [](ovC_object* window) { return ov::send<0>(sel::Close, window).status; });
  if (mainWindow) ov::send<0>(sel::CloseMainWindow, mainWindow);
  std::string className = ov::cString(ov::universal(uni::GetClassName).get());
  UnregisterClassA(className.c_str(), GetModuleHandleA(nullptr));
  return ovSuccess;
}

ovStatus AddWindow(const ov::Args& a) {
  ovRef record = ov::send(sel::GetWindowRecord, a[1]).take();
  ov::set(attr::Windows, a.receiver(), ov::appended(ov::get(attr::Windows, a.receiver()), a[1]));
  ov::set(attr::WindowRecords, a.receiver(), ov::appended(ov::get(attr::WindowRecords, a.receiver()), record));
  return ovSuccess;
}

ovStatus RemoveWindow(const ov::Args& a) {
  int32_t at = ov::indexOf(ov::get(attr::Windows, a.receiver()), a[1]);
  if (at >= 0) removeAt(a.receiver(), static_cast<uint32_t>(at));
  return ovSuccess;
}

ovStatus AddFloating(const ov::Args& a) {
  ov::set(attr::Floating, a.receiver(), ov::appended(ov::get(attr::Floating, a.receiver()), a[1]));
  return ovSuccess;
}

ovStatus RemoveFloating(const ov::Args& a) {
  ovRef floating = ov::get(attr::Floating, a.receiver());
  int32_t at = ov::indexOf(floating, a[1]);
  if (at >= 0) ov::set(attr::Floating, a.receiver(), ov::without(floating, static_cast<uint32_t>(at)));
  return ovSuccess;
}

// The framework window owning a handle: the handle itself or, walking up
// the parents, the first ancestor the desktop knows.
ovStatus FindDesktopWindow(const ov::Args& a) {
  ovRef records = ov::get(attr::WindowRecords, a.receiver());
  HWND h = ov::toHandle<HWND>(a[1]);
  while (h) {
    int32_t at = positionOfHandle(records.get(), ov::toInt(ov::handleValue(h)));
    if (at >= 0) {
      a.put(0, ov::element(ov::get(attr::Windows, a.receiver()), static_cast<uint32_t>(at)));
      return ovSuccess;
    }
    h = GetParent(h);
  }
  return ovFailure;
}

// The active MDI child when MDI and not modal, else the framework window
// of the platform's active window.
ovStatus GetFrontWindow(const ov::Args& a) {
  ovRef app = application();
  auto main = ov::send(sel::GetMainWindow, a.receiver());
  if (main.failed()) return ovFailure;
  if (!ov::isTrue(ov::get(attr::Modal, a.receiver())) && ov::isTrue(ov::get(attr::Mdi, app)))
    return answer(a, ov::send(sel::GetActiveChild, ov::get(attr::View, main.get())));
  return answer(a, ov::send(sel::FindDesktopWindow, a.receiver(), {ov::handleValue(GetActiveWindow())}));
}

// The first open window of the class the application names as its main.
ovStatus GetMainWindow(const ov::Args& a) {
  ovRef mainClass = ov::get(attr::MainWindow, application());
  ovRef windows = ov::get(attr::Windows, a.receiver());
  for (uint32_t i = 0; i < ov::length(windows); ++i) {
    ovC_object* window = ov::element(windows, i);
    if (ov::textEquals(ov::classNameOf(window), ov::chars(mainClass))) {
      a.put(0, window);
      return ovSuccess;
    }
  }
  return ovFailure;
}

ovStatus GetMenubar(const ov::Args& a) {
  auto main = ov::send(sel::GetMainWindow, a.receiver());
  if (main.failed()) return ovFailure;
  return answer(a, ov::send(sel::GetMenubar, main.get()));
}

// Whether a click in w is allowed: always, unless a modal window other
// than w is in front.
ovStatus IsModal(const ov::Args& a) {
  auto front = ov::send(sel::GetFrontWindow, a.receiver());
  if (front.failed() || !front.get()) return ovSuccess;
  if (ov::isFalse(ov::send(sel::GetModal, front.get()).get())) return ovSuccess;
  int32_t frontRecord = ov::toInt(ov::send(sel::GetWindowRecord, front.get()).get());
  return frontRecord == ov::toInt(ov::send(sel::GetWindowRecord, a[1]).get()) ? ovSuccess : ovFailure;
}

// The next command number of the application.
ovStatus GetUniqueId(const ov::Args& a) {
  ovRef next = ov::integer(ov::toInt(ov::get(attr::CurrentId, a.receiver())) + 1);
  ov::set(attr::CurrentId, a.receiver(), next);
  a.put(0, std::move(next));
  return ovSuccess;
}

// The new target is the target given, or else the window, or else the
// desktop itself.
ovStatus SetTarget(const ov::Args& a) {
  ovC_object* target = a[2] ? a[2] : a[1] ? a[1] : a.receiver();
  return ov::send<0>(sel::SetTarget, application(), {target}).status;
}

// What a mouse-down of each event type asks of its window.
const ovMethodSelector* mouseDownAction(ovC_object* type) {
  for (const char* click : {"NOTIFY", "LCLICK", "RCLICK", "VSCROLL", "HSCROLL", "DOUBLEDOWN"})
    if (ov::textEquals(type, click)) return &sel::MouseDown;
  if (ov::textEquals(type, "MOVE")) return &sel::Drag;
  if (ov::textEquals(type, "GROW")) return &sel::Grow;
  if (ov::textEquals(type, "CLOSE")) return &sel::Close;
  return nullptr;
}

// Clicks, moves, resizes and close requests: dropped outside the modal
// front window.
ovStatus MouseDown(const ov::Args& a) {
  ovC_object* event = a[1];
  ov::set(attr::LastWindow, a.receiver(), nullptr);
  ovRef window = ov::send(sel::GetWindow, a.receiver(), {ov::send(sel::GetHWnd, event).get()}).take();
  if (!window) return ovSuccess;
  if (ov::send<0>(sel::IsModal, a.receiver(), {window}).failed()) return ovSuccess;
  ov::set(attr::LastWindow, a.receiver(), window);
  const ovMethodSelector* action = mouseDownAction(ov::send(sel::GetType, event).get());
  if (!action) return ovSuccess;
  if (action == &sel::Close) return ov::send<0>(sel::Close, window).status;
  return ov::send<0>(*action, window, {event}).status;
}

// The window of the event's handle gets the method of the same name.
template <const ovMethodSelector& Method>
ovStatus ToWindow(const ov::Args& a) {
  ovRef window = ov::send(sel::GetWindow, a.receiver(), {ov::send(sel::GetHWnd, a[1]).get()}).take();
  if (!window) return ovSuccess;
  return ov::send<0>(Method, window, {a[1]}).status;
}

// At idle time: the window under the pointer shapes the cursor when the
// pointer is in its client area.
ovStatus ChangeCursor(const ov::Args& a) {
  ovC_object* event = a[1];
  POINT p = ov::toPOINT(ov::send(sel::GetWhere, event).get());
  HWND under = vorn::WindowUnderPointer(p);
  ov::setField(ov::send(sel::GetEventRecord, event).get(), ovFields::kMsgHwnd, under);
  ovRef window = ov::send(sel::GetWindow, a.receiver(), {ov::handleValue(under)}).take();
  if (!window) return ovSuccess;
  HWND hwnd = ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, window).get());
  RECT client{};
  ScreenToClient(hwnd, &p);
  GetClientRect(hwnd, &client);
  if (PtInRect(&client, p)) ov::send<0>(sel::ChangeCursor, window, {event});
  return ovSuccess;
}

ovStatus Update(const ov::Args& a) { return ov::send<0>(sel::DefaultWindowProc, a[1]).status; }

// Floating windows, then the front window, hide or show with the
// application.
template <const ovMethodSelector& Method>
ovStatus SuspendOrResume(const ov::Args& a) {
  ovRef floating = ov::get(attr::Floating, a.receiver());
  ov::forEach(floating, [](ovC_object* window) { return ov::send<0>(Method, window).status; });
  auto front = ov::send(sel::GetFrontWindow, a.receiver());
  if (!front.failed() && front.get()) ov::send<0>(Method, front.get());
  return ovSuccess;
}

// Reads "Main Window", which a desktop does not hold: the answer is NULL.
ovStatus GetWindowRecord(const ov::Args& a) {
  a.put(0, ov::send(sel::GetWindowRecord, ov::get(attr::MainWindow, a.receiver())).take());
  return ovSuccess;
}

}  // namespace desktop

// A list holding one new screen.
ovStatus GetScreens(const ov::Args& a) {
  a.put(0, ov::listOf({ov::make(cls::Screen).get()}));
  return ovSuccess;
}

const ovClassDeclaration kDesktopClass({
    .name = "Desktop",
    .attributes = {"Screens", "Windows", "Window Records", "Floating", "Menubar", "Last Window", "Bounds", "Modal?",
                   "Last Help", "Current ID"},
    .methods = {{"Open", ov::routine<desktop::Open>},
                {"Close", ov::routine<desktop::Close>},
                {"Add Window", ov::routine<desktop::AddWindow>},
                {"Remove Window", ov::routine<desktop::RemoveWindow>},
                {"Add Floating", ov::routine<desktop::AddFloating>},
                {"Remove Floating", ov::routine<desktop::RemoveFloating>},
                {"Find Desktop Window", ov::routine<desktop::FindDesktopWindow>},
                {"Get Window", ov::routine<desktop::FindDesktopWindow>},
                {"Get Front Window", ov::routine<desktop::GetFrontWindow>},
                {"Get Main Window", ov::routine<desktop::GetMainWindow>},
                {"Get Menubar", ov::routine<desktop::GetMenubar>},
                {"Is Modal?", ov::routine<desktop::IsModal>},
                {"Get Modal?", ov::reader<attr::Modal>},
                {"Set Modal?", ov::writer<attr::Modal>},
                {"Get Screens", ov::reader<attr::Screens>},
                {"Set Last Help", ov::writer<attr::LastHelp>},
                {"Get Unique ID", ov::routine<desktop::GetUniqueId>},
                {"Set Target", ov::routine<desktop::SetTarget>},
                {"Mouse Down", ov::routine<desktop::MouseDown>},
                {"Mouse Down Right", ov::routine<desktop::ToWindow<sel::MouseDownRight>>},
                {"Mouse Down Middle", ov::routine<desktop::ToWindow<sel::MouseDownMiddle>>},
                {"Mouse Moved", ov::routine<desktop::ToWindow<sel::MouseMoved>>},
                {"Mouse Up", ov::routine<desktop::ToWindow<sel::MouseUp>>},
                {"Mouse Up Right", ov::routine<desktop::ToWindow<sel::MouseUpRight>>},
                {"Mouse Up Middle", ov::routine<desktop::ToWindow<sel::MouseUpMiddle>>},
                {"On Command", ov::routine<desktop::ToWindow<sel::OnCommand>>},
                {"Change Color", ov::routine<desktop::ToWindow<sel::ChangeColor>>},
                {"Change Cursor", ov::routine<desktop::ChangeCursor>},
                {"Update", ov::routine<desktop::Update>},
                {"Suspend", ov::routine<desktop::SuspendOrResume<sel::Suspend>>},
                {"Resume", ov::routine<desktop::SuspendOrResume<sel::Resume>>},
                {"Idle", ov::nothing},
                {"Key Down", ov::nothing},
                {"Set Up Drawing", ov::nothing},
                {"Update Menus", ov::nothing},
                {"Get Window Record", ov::routine<desktop::GetWindowRecord>}},
});

const ovClassDeclaration kScreenClass({
    .name = "Screen",
    .attributes = {"Screen Record"},
    .methods = {{"Get Screens", ov::routine<GetScreens>}},
});

}  // namespace
