// The framework's window class and its one window procedure.
//
// Every window the framework makes of its own kind (top-level windows, MDI
// children, the child windows of views) belongs to one platform window
// class whose procedure is the universal "VornWndProc". It names each
// message ("COMMAND", "LCLICK", "UPDATE", ...), attaches it to the current
// event as a "Platform Event", and hands the event to the commander's event
// handler. A named message returns what the handlers left in the persistent
// "Return Value"; an unnamed one gets the platform's default processing.
// One more message is answered here, without a name: WM_GETDRAWNITEMS, the
// platform's question for screen readers (drawn_items_answer.h), where the
// platform asks it (not on Windows).
#include "framework/key_scrolling.h"
#include "framework/platform_context.h"
#include "framework/persistents.h"
#include "framework/pointer_probe.h"
#include "platform/win32.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/records.h"
#ifdef WM_GETDRAWNITEMS
#include "framework/drawn_items_answer.h"
#endif

namespace {

namespace sel {
const ovMethodSelector Contains("Contains Handle");
const ovMethodSelector DoEvent("Do Event");
const ovMethodSelector GetHWnd("Get HWnd");
const ovMethodSelector GetMainWindow("Get Main Window");
const ovMethodSelector GetName("Get Name");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector HitTest("Hit Test");
const ovMethodSelector Quit("Quit");
}  // namespace sel

namespace attr {
const ovAttributeSelector Child("Child?");
const ovAttributeSelector EventHandler("Event Handler");
const ovAttributeSelector HWnd("HWnd");
const ovAttributeSelector LParam("LParam");
const ovAttributeSelector Mdi("MDI?");
const ovAttributeSelector Message("Message");
const ovAttributeSelector PlatformEvent("Platform Event");
const ovAttributeSelector Type("Type");
const ovAttributeSelector View("View");
const ovAttributeSelector WParam("WParam");
const ovAttributeSelector Windows("Windows");
}  // namespace attr

namespace cls {
const ovClassName PlatformEvent("Platform Event");
}  // namespace cls

namespace uni {
const ovUniversalName GetApplication("Get Application");
const ovUniversalName GetCommander("Get Commander");
const ovUniversalName GetDesktop("Get Desktop");
const ovUniversalName PostMenuUpdate("Post Menu Update");
}  // namespace uni

namespace prim {
const ovPrimitiveName Callback("callback");
const ovPrimitiveName GetResourceInfo("get-resource-info");
}  // namespace prim

// The event names of the messages the framework handles; any other
// message has none and gets default processing. WM_KEYDOWN has no name:
// keys arrive as WM_CHAR after TranslateMessage; only the navigation keys
// of a window with scroll bars are answered here, as scroll messages.
struct MessageName {
  UINT message;
  const char* name;
};
const MessageName kMessageNames[] = {
    {WM_COMMAND, "COMMAND"},
    {WM_LBUTTONDOWN, "LCLICK"},
    {WM_RBUTTONDOWN, "RCLICK"},
    {WM_MBUTTONDOWN, "MCLICK"},
    {WM_MOUSEMOVE, "MOUSEMOVE"},
    {WM_LBUTTONUP, "LUP"},
    {WM_RBUTTONUP, "RUP"},
    {WM_MBUTTONUP, "MUP"},
    {WM_MOVE, "MOVE"},
    {WM_SIZE, "GROW"},
    {WM_PAINT, "UPDATE"},
    {WM_CHAR, "KEYDOWN"},
    {WM_CLOSE, "CLOSE"},
    {WM_ACTIVATE, "ACTIVATE"},
    {WM_ACTIVATEAPP, "ACTIVATEAPP"},
    {WM_HSCROLL, "HSCROLL"},
    {WM_VSCROLL, "VSCROLL"},
    {WM_LBUTTONDBLCLK, "DOUBLEDOWN"},
    {WM_ERASEBKGND, "BACKGROUND"},
    {WM_CTLCOLORBTN, "CTLCOLOR"},
    {WM_CTLCOLOREDIT, "CTLCOLOR"},
    {WM_CTLCOLORLISTBOX, "CTLCOLOR"},
    {WM_CTLCOLORSCROLLBAR, "CTLCOLOR"},
    {WM_QUIT, "QUIT"},
};

const char* eventNameOf(UINT message) {
  for (const MessageName& m : kMessageNames)
    if (m.message == message) return m.name;
  return nullptr;
}

// The framework object owning the current event's handle gets "Hit Test".
void routeHitTest(ovC_object* event) {
  ovRef hwnd = ov::send(sel::GetHWnd, event).take();
  ovRef desktop = ov::universal(uni::GetDesktop).take();
  ovRef windows = ov::get(attr::Windows, desktop);
  for (uint32_t i = 0; i < ov::length(windows); ++i) {
    auto found = ov::send<2>(sel::Contains, ov::element(windows, i), {hwnd});
    if (found.get(1)) {
      ov::send<0>(sel::HitTest, found.get(1), {event});
      return;
    }
  }
}

// The platform's default for the window's kind: an MDI child's, an MDI
// frame's (with its client window), or the plain default.
LRESULT defaultProcessing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ovRef app = ov::universal(uni::GetApplication).take();
  bool mdi = ov::isTrue(ov::get(attr::Mdi, app));
  if (mdi) {
    ovRef desktop = ov::universal(uni::GetDesktop).take();
    auto window = ov::send(sel::GetWindow, desktop, {ov::handleValue(hwnd)});
    if (window.get() && ov::isTrue(ov::get(attr::Child, window.get())))
      return DefMDIChildProcA(hwnd, message, wParam, lParam);
    auto main = ov::send(sel::GetMainWindow, desktop);
    if (main.get() && ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, main.get()).get()) == hwnd) {
      HWND client = ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, ov::get(attr::View, main.get())).get());
      return DefFrameProcA(hwnd, client, message, wParam, lParam);
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Hands a named event to the commander's handler; the handlers' result.
ovRef handle(ovC_object* event, ovC_object* platformEvent, const char* name) {
  if (platformEvent) ov::set(attr::Type, platformEvent, ov::text(name));
  ovRef commander = ov::universal(uni::GetCommander).take();
  ovRef handler = ov::get(attr::EventHandler, commander);
  ov::send<0>(sel::DoEvent, handler, {event, commander});
  ovRef result = gReturnValue.get();
  gReturnValue.set(ov::integer(0));
  return result;
}

bool hasHandler() {
  ovRef commander = ov::universal(uni::GetCommander).take();
  return ov::get(attr::EventHandler, commander).get() != nullptr;
}

namespace universal {

ovStatus VornWndProc(const ov::Args& a) {
  ovRef event = gEvent.get();
  ovRef platformEvent = ov::make(cls::PlatformEvent).take();
  ov::set(attr::HWnd, platformEvent, a[0]);
  ov::set(attr::Message, platformEvent, a[1]);
  ov::set(attr::WParam, platformEvent, a[2]);
  ov::set(attr::LParam, platformEvent, a[3]);
  ov::set(attr::PlatformEvent, event, platformEvent);

  auto message = static_cast<UINT>(ov::toInt(a[1]));
  const char* name = eventNameOf(message);
  if (message == WM_QUIT) ov::send<0>(sel::Quit, ov::universal(uni::GetApplication).get());
  if (message == WM_NCHITTEST) routeHitTest(event.get());
#ifdef WM_GETDRAWNITEMS
  if (message == WM_GETDRAWNITEMS) {
    a.put(0, ov::integer(static_cast<int32_t>(
                 vorn::AnswerDrawnItems(ov::toHandle<HWND>(a[0]), reinterpret_cast<const DRAWNITEMS*>(ov::messageWord(a[3]))))));
    return ovSuccess;
  }
#endif
  if (message == WM_KEYDOWN && vorn::ScrollByKey(ov::toHandle<HWND>(a[0]), static_cast<WPARAM>(ov::messageWord(a[2])))) {
    a.put(0, ov::integer(0));
    return ovSuccess;
  }
  if (name && hasHandler()) {
    a.put(0, handle(event.get(), ov::get(attr::PlatformEvent, event).get(), name));
    return ovSuccess;
  }
  LRESULT result = defaultProcessing(ov::toHandle<HWND>(a[0]), message, ov::messageWord(a[2]), ov::messageWord(a[3]));
  // The pointer over a menu bar: menus are brought up to date before the
  // user can open one (not for the framework's own probes: pointer_probe.h).
  if (message == WM_NCHITTEST && result == HTMENU && !vorn::ProbingPointer()) ov::universal<0>(uni::PostMenuUpdate);
  a.put(0, ov::integer(static_cast<int32_t>(result)));
  return ovSuccess;
}

// The application's name joined with "MainWindow".
ovStatus GetClassName(const ov::Args& a) {
  ovRef app = ov::universal(uni::GetApplication).take();
  std::string name(ov::chars(ov::send(sel::GetName, app).get()));
  a.put(0, ov::text(name + "MainWindow"));
  return ovSuccess;
}

// Registers the framework window class under a name, its procedure being
// the universal a second name gives.
ovStatus RegisterClass(const ov::Args& a) {
  ovRef procedure = ov::primitive(prim::Callback, {a[1], ov::text("WNDPROC")}).take();
  HINSTANCE instance = vorn::ApplicationInstance();
  ovRef iconId = ov::primitive(prim::GetResourceInfo, {ov::text("OVApplicationICO"), ov::addressHandleValue(instance)}).take();
  std::string className = ov::cString(a[0]);
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = reinterpret_cast<WNDPROC>(ovToAddress(procedure.get()));
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCE(ov::toInt(iconId)));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = className.c_str();
  RegisterClassA(&wc);
  return ovSuccess;
}

}  // namespace universal

const ovUniversalDeclaration kVornWndProc("VornWndProc", ov::routine<universal::VornWndProc>);
const ovUniversalDeclaration kGetClassName("Get Class Name", ov::routine<universal::GetClassName>);
const ovUniversalDeclaration kRegisterClass("Register Class", ov::routine<universal::RegisterClass>);

}  // namespace
