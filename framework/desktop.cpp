// The desktop: the list of open framework windows with their platform
// handles, the front and main windows, modality for mouse clicks, the
// routing of mouse and command events to windows, and the cursor shape at
// idle time. The screens hang off it too.
//
// Invariant: "Windows" and "Window Records" have the same length and change
// together; element i of "Window Records" is the handle of element i of
// "Windows".
#include <string_view>

#include "framework/event_message.h"
#include "framework/persistents.h"
#include "framework/pointer_probe.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

ovPersistent gReturnValue("Return Value");

namespace {

ovRef application() { return ov::universal("Get Application"_uni).take(); }

// The position of a handle in "Window Records", or -1.
int32_t positionOfHandle(ovC_object* records, int32_t handle) {
  for (uint32_t i = 0; i < ov::length(records); ++i)
    if (ov::toInt(ov::element(records, i)) == handle) return static_cast<int32_t>(i);
  return -1;
}

// Removes position i from both lists together.
void removeAt(ovC_object* desktop, uint32_t i) {
  ov::set("Windows"_attr, desktop, ov::without(ov::get("Windows"_attr, desktop), i));
  ov::set("Window Records"_attr, desktop, ov::without(ov::get("Window Records"_attr, desktop), i));
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
  ov::set("Screens"_attr, a.receiver(), ov::sendToClass("Screen"_cls, "Get Screens"_sel).get());
  ov::tell(
      ov::universal<0>("Register Class"_uni, {ov::universal("Get Class Name"_uni).get(), ov::text("VornWndProc")}));
  ovRef app = application();
  ov::tell("Open Main Window"_sel, app, {a.receiver()});
  ovRef initial = ov::send("Get Initial Windows"_sel, app).take();
  ov::forEach(initial, [](ovC_object* each) {
    ovRef window = ov::isText(each) ? ov::makeNamed(each).take() : ovRef::share(each);
    return ov::send<0>("Open"_sel, window, {nullptr}).status;
  });
  return ovSuccess;
}

// Closes every window, the main window last, then unregisters the class.
ovStatus Close(const ov::Args& a) {
  auto main = ov::send("Get Main Window"_sel, a.receiver());
  ovRef mainWindow = main.failed() ? nullptr : main.take();
  int32_t at = ov::indexOf(ov::get("Windows"_attr, a.receiver()), mainWindow);
  if (mainWindow && at >= 0) removeAt(a.receiver(), static_cast<uint32_t>(at));
  ov::forEach(ov::get("Windows"_attr, a.receiver()),
              [](ovC_object* window) { return ov::send<0>("Close"_sel, window).status; });
  if (mainWindow) ov::tell("Close Main Window"_sel, mainWindow);
  std::string className = ov::cString(ov::universal("Get Class Name"_uni).get());
  UnregisterClassA(className.c_str(), GetModuleHandleA(nullptr));
  return ovSuccess;
}

ovStatus AddWindow(const ov::Args& a) {
  ovRef record = ov::send("Get Window Record"_sel, a[1]).take();
  ov::set("Windows"_attr, a.receiver(), ov::appended(ov::get("Windows"_attr, a.receiver()), a[1]));
  ov::set("Window Records"_attr, a.receiver(), ov::appended(ov::get("Window Records"_attr, a.receiver()), record));
  return ovSuccess;
}

ovStatus RemoveWindow(const ov::Args& a) {
  int32_t at = ov::indexOf(ov::get("Windows"_attr, a.receiver()), a[1]);
  if (at >= 0) removeAt(a.receiver(), static_cast<uint32_t>(at));
  return ovSuccess;
}

ovStatus AddFloating(const ov::Args& a) {
  ov::set("Floating"_attr, a.receiver(), ov::appended(ov::get("Floating"_attr, a.receiver()), a[1]));
  return ovSuccess;
}

ovStatus RemoveFloating(const ov::Args& a) {
  ovRef floating = ov::get("Floating"_attr, a.receiver());
  int32_t at = ov::indexOf(floating, a[1]);
  if (at >= 0) ov::set("Floating"_attr, a.receiver(), ov::without(floating, static_cast<uint32_t>(at)));
  return ovSuccess;
}

// The framework window owning a handle: the handle itself or, walking up
// the parents, the first ancestor the desktop knows.
ovStatus FindDesktopWindow(const ov::Args& a) {
  ovRef records = ov::get("Window Records"_attr, a.receiver());
  HWND h = ov::toHandle<HWND>(a[1]);
  while (h) {
    int32_t at = positionOfHandle(records.get(), ov::toInt(ov::handleValue(h)));
    if (at >= 0) {
      a.put(0, ov::element(ov::get("Windows"_attr, a.receiver()), static_cast<uint32_t>(at)));
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
  auto main = ov::send("Get Main Window"_sel, a.receiver());
  if (main.failed()) return ovFailure;
  if (!ov::isTrue(ov::get("Modal?"_attr, a.receiver())) && ov::isTrue(ov::get("MDI?"_attr, app)))
    return answer(a, ov::send("Get Active Child"_sel, ov::get("View"_attr, main.get())));
  return answer(a, ov::send("Find Desktop Window"_sel, a.receiver(), {ov::handleValue(GetActiveWindow())}));
}

// The first open window of the class the application names as its main.
ovStatus GetMainWindow(const ov::Args& a) {
  ovRef mainClass = ov::get("Main Window"_attr, application());
  ovRef windows = ov::get("Windows"_attr, a.receiver());
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
  auto main = ov::send("Get Main Window"_sel, a.receiver());
  if (main.failed()) return ovFailure;
  return answer(a, ov::send("Get Menubar"_sel, main.get()));
}

// Whether a click in w is allowed: always, unless a modal window other
// than w is in front.
ovStatus IsModal(const ov::Args& a) {
  auto front = ov::send("Get Front Window"_sel, a.receiver());
  if (front.failed() || !front.get()) return ovSuccess;
  if (ov::isFalse(ov::send("Get Modal?"_sel, front.get()).get())) return ovSuccess;
  int32_t frontRecord = ov::toInt(ov::send("Get Window Record"_sel, front.get()).get());
  return frontRecord == ov::toInt(ov::send("Get Window Record"_sel, a[1]).get()) ? ovSuccess : ovFailure;
}

// The next command number of the application.
ovStatus GetUniqueId(const ov::Args& a) {
  ovRef next = ov::integer(ov::toInt(ov::get("Current ID"_attr, a.receiver())) + 1);
  ov::set("Current ID"_attr, a.receiver(), next);
  a.put(0, std::move(next));
  return ovSuccess;
}

// The new target is the target given, or else the window, or else the
// desktop itself.
ovStatus SetTarget(const ov::Args& a) {
  auto [window, given] = a.inputs<1, 2>();
  ovC_object* target = given ? given : window ? window : a.receiver();
  return ov::send<0>("Set Target"_sel, application(), {target}).status;
}

// What a mouse-down of each event type asks of its window.
const ovMethodSelector* mouseDownAction(std::string_view type) {
  for (std::string_view click : {"NOTIFY", "LCLICK", "RCLICK", "VSCROLL", "HSCROLL", "DOUBLEDOWN"})
    if (type == click) return &"Mouse Down"_sel;
  if (type == "MOVE") return &"Drag"_sel;
  if (type == "GROW") return &"Grow"_sel;
  if (type == "CLOSE") return &"Close"_sel;
  return nullptr;
}

// Clicks, moves, resizes and close requests: dropped outside the modal
// front window.
ovStatus MouseDown(const ov::Args& a) {
  ovC_object* event = a[1];
  const vorn::EventMessage m = vorn::MessageOf(event);
  ov::set("Last Window"_attr, a.receiver(), nullptr);
  ovRef window = ov::send("Get Window"_sel, a.receiver(), {ov::handleValue(m.hwnd)}).take();
  if (!window) return ovSuccess;
  if (ov::send<0>("Is Modal?"_sel, a.receiver(), {window}).failed()) return ovSuccess;
  ov::set("Last Window"_attr, a.receiver(), window);
  const ovMethodSelector* action = mouseDownAction(m.name);
  if (!action) return ovSuccess;
  if (action == &"Close"_sel) return ov::send<0>("Close"_sel, window).status;
  return ov::send<0>(*action, window, {event}).status;
}

// The window of the event's handle gets the method of the same name.
ovStatus ToWindow(const ovMethodSelector& method, const ov::Args& a) {
  ovRef window = ov::send("Get Window"_sel, a.receiver(), {ov::handleValue(vorn::MessageOf(a[1]).hwnd)}).take();
  if (!window) return ovSuccess;
  return ov::send<0>(method, window, {a[1]}).status;
}

// At idle time: the window under the pointer shapes the cursor when the
// pointer is in its client area.
ovStatus ChangeCursor(const ov::Args& a) {
  ovC_object* event = a[1];
  POINT p = vorn::MessageOf(event).where;
  HWND under = vorn::WindowUnderPointer(p);
  ov::setField(ov::send("Get Event Record"_sel, event).get(), ovFields::kMsgHwnd, under);
  ovRef window = ov::send("Get Window"_sel, a.receiver(), {ov::handleValue(under)}).take();
  if (!window) return ovSuccess;
  HWND hwnd = ov::toHandle<HWND>(ov::send("Get Window Record"_sel, window).get());
  RECT client{};
  ScreenToClient(hwnd, &p);
  GetClientRect(hwnd, &client);
  if (PtInRect(&client, p)) ov::tell("Change Cursor"_sel, window, {event});
  return ovSuccess;
}

ovStatus Update(const ov::Args& a) { return ov::send<0>("Default Window Proc"_sel, a[1]).status; }

// Floating windows, then the front window, hide or show with the
// application.
ovStatus SuspendOrResume(const ovMethodSelector& method, const ov::Args& a) {
  ovRef floating = ov::get("Floating"_attr, a.receiver());
  ov::forEach(floating, [&method](ovC_object* window) { return ov::send<0>(method, window).status; });
  auto front = ov::send("Get Front Window"_sel, a.receiver());
  if (!front.failed() && front.get()) ov::tell(method, front.get());
  return ovSuccess;
}

// Reads "Main Window", which a desktop does not hold: the answer is NULL.
ovStatus GetWindowRecord(const ov::Args& a) {
  a.put(0, ov::send("Get Window Record"_sel, ov::get("Main Window"_attr, a.receiver())).take());
  return ovSuccess;
}

}  // namespace desktop

// A list holding one new screen.
ovStatus GetScreens(const ov::Args& a) {
  a.put(0, ov::listOf({ov::make("Screen"_cls).get()}));
  return ovSuccess;
}

const ovClassDeclaration kDesktopClass({
    .name = "Desktop"_cls,
    .attributes = {"Screens"_attr, "Windows"_attr, "Window Records"_attr, "Floating"_attr, "Menubar"_attr,
                   "Last Window"_attr, "Bounds"_attr, "Modal?"_attr, "Last Help"_attr, "Current ID"_attr},
    .methods = ov::methods(
        {{"Open"_sel, ov::routine<desktop::Open>},
         {"Close"_sel, ov::routine<desktop::Close>},
         {"Add Window"_sel, ov::routine<desktop::AddWindow>},
         {"Remove Window"_sel, ov::routine<desktop::RemoveWindow>},
         {"Add Floating"_sel, ov::routine<desktop::AddFloating>},
         {"Remove Floating"_sel, ov::routine<desktop::RemoveFloating>},
         {"Find Desktop Window"_sel, ov::routine<desktop::FindDesktopWindow>},
         {"Get Window"_sel, ov::routine<desktop::FindDesktopWindow>},
         {"Get Front Window"_sel, ov::routine<desktop::GetFrontWindow>},
         {"Get Main Window"_sel, ov::routine<desktop::GetMainWindow>},
         {"Get Menubar"_sel, ov::routine<desktop::GetMenubar>},
         {"Is Modal?"_sel, ov::routine<desktop::IsModal>},
         {"Get Unique ID"_sel, ov::routine<desktop::GetUniqueId>},
         {"Set Target"_sel, ov::routine<desktop::SetTarget>},
         {"Mouse Down"_sel, ov::routine<desktop::MouseDown>},
         {"Change Cursor"_sel, ov::routine<desktop::ChangeCursor>},
         {"Update"_sel, ov::routine<desktop::Update>},
         {"Get Window Record"_sel, ov::routine<desktop::GetWindowRecord>}},
        ov::forwarding<desktop::ToWindow, "Mouse Down Right", "Mouse Down Middle", "Mouse Moved", "Mouse Up",
                       "Mouse Up Right", "Mouse Up Middle", "On Command", "Change Color">(),
        ov::forwarding<desktop::SuspendOrResume, "Suspend", "Resume">(), ov::getters<"Modal?", "Screens">(),
        ov::setters<"Modal?", "Last Help">(), ov::doingNothing<"Idle", "Key Down", "Set Up Drawing", "Update Menus">()),
});

const ovClassDeclaration kScreenClass({
    .name = "Screen"_cls,
    .attributes = {"Screen Record"_attr},
    .methods = {{"Get Screens"_sel, ov::routine<GetScreens>}},
});

}  // namespace
