// The framework's window class and its one window procedure.
//
// Every window the framework makes of its own kind (top-level windows, MDI
// children, the child windows of views) belongs to one platform window
// class whose procedure is the universal "VornWndProc". It names each
// message ("COMMAND", "LCLICK", "UPDATE", ...: message_events.cpp),
// attaches it to the current event as a "Platform Event" and, for the
// methods, as a typed snapshot (event_message.h), and hands the event to
// the commander's event handler. A named message returns what the handlers
// left in the persistent "Return Value"; an unnamed one gets the
// platform's default processing.
// One more message is answered here, without a name: WM_GETDRAWNITEMS, the
// platform's question for screen readers (drawn_items_answer.h), where the
// platform asks it (not on Windows).
#include "framework/event_message.h"
#include "framework/key_scrolling.h"
#include "framework/message_events.h"
#include "framework/persistents.h"
#include "framework/platform_context.h"
#include "framework/pointer_probe.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"
#ifdef WM_GETDRAWNITEMS
#include "framework/drawn_items_answer.h"
#endif

namespace {

// The framework object owning the current event's handle gets "Hit Test".
void routeHitTest(ovC_object* event, HWND handle) {
  ovRef hwnd = ov::handleValue(handle);
  ovRef desktop = ov::universal("Get Desktop"_uni).take();
  ovRef windows = ov::get("Windows"_attr, desktop);
  for (uint32_t i = 0; i < ov::length(windows); ++i) {
    auto found = ov::send<2>("Contains Handle"_sel, ov::element(windows, i), {hwnd});
    if (found.get(1)) {
      ov::tell("Hit Test"_sel, found.get(1), {event});
      return;
    }
  }
}

// The platform's default for the window's kind: an MDI child's, an MDI
// frame's (with its client window), or the plain default.
LRESULT defaultProcessing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ovRef app = ov::universal("Get Application"_uni).take();
  bool mdi = ov::isTrue(ov::get("MDI?"_attr, app));
  if (mdi) {
    ovRef desktop = ov::universal("Get Desktop"_uni).take();
    auto window = ov::send("Get Window"_sel, desktop, {ov::handleValue(hwnd)});
    if (window.get() && ov::isTrue(ov::get("Child?"_attr, window.get())))
      return DefMDIChildProcA(hwnd, message, wParam, lParam);
    auto main = ov::send("Get Main Window"_sel, desktop);
    if (main.get() && ov::toHandle<HWND>(ov::send("Get Window Record"_sel, main.get()).get()) == hwnd) {
      HWND client = ov::toHandle<HWND>(ov::send("Get Window Record"_sel, ov::get("View"_attr, main.get())).get());
      return DefFrameProcA(hwnd, client, message, wParam, lParam);
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Hands a named event to the commander's handler; the handlers' result.
ovRef handle(ovC_object* event, ovC_object* platformEvent, const char* name) {
  if (platformEvent) ov::set("Type"_attr, platformEvent, ov::text(name));
  ovRef commander = ov::universal("Get Commander"_uni).take();
  ovRef handler = ov::get("Event Handler"_attr, commander);
  ov::tell("Do Event"_sel, handler, {event, commander});
  ovRef result = gReturnValue.get();
  gReturnValue.set(ov::integer(0));
  return result;
}

bool hasHandler() {
  ovRef commander = ov::universal("Get Commander"_uni).take();
  return ov::get("Event Handler"_attr, commander).get() != nullptr;
}

// The procedure's inputs as the methods read them, with the pass's point.
vorn::EventMessage typedMessage(const ov::Args& a, ovC_object* event, const vorn::MessageEvent* named) {
  return {
      .hwnd = ov::toHandle<HWND>(a[0]),
      .message = static_cast<UINT>(ov::toInt(a[1])),
      .wParam = static_cast<WPARAM>(ov::messageWord(a[2])),
      .lParam = ov::messageWord(a[3]),
      .where = ov::field<POINT>(ov::get("Event Record"_attr, event), ovFields::kMsgPt),
      .name = named ? named->name : "",
  };
}

namespace universal {

ovStatus VornWndProc(const ov::Args& a) {
  ovRef event = gEvent.get();
  ovRef platformEvent = ov::make("Platform Event"_cls).take();
  ov::set("HWnd"_attr, platformEvent, a[0]);
  ov::set("Message"_attr, platformEvent, a[1]);
  ov::set("WParam"_attr, platformEvent, a[2]);
  ov::set("LParam"_attr, platformEvent, a[3]);
  ov::set("Platform Event"_attr, event, platformEvent);

  auto message = static_cast<UINT>(ov::toInt(a[1]));
  const vorn::MessageEvent* named = vorn::EventOfMessage(message);
  const vorn::EventMessage m = typedMessage(a, event.get(), named);
  vorn::MessageSnapshot snapshot(event.get(), platformEvent.get(), m);
  if (message == WM_QUIT) ov::tell("Quit"_sel, ov::universal("Get Application"_uni).get());
  if (message == WM_NCHITTEST) routeHitTest(event.get(), m.hwnd);
#ifdef WM_GETDRAWNITEMS
  if (message == WM_GETDRAWNITEMS) {
    a.put(0, ov::integer(
                 static_cast<int32_t>(vorn::AnswerDrawnItems(m.hwnd, reinterpret_cast<const DRAWNITEMS*>(m.lParam)))));
    return ovSuccess;
  }
#endif
  if (message == WM_KEYDOWN && vorn::ScrollByKey(m.hwnd, m.wParam)) {
    a.put(0, ov::integer(0));
    return ovSuccess;
  }
  if (named && hasHandler()) {
    a.put(0, handle(event.get(), ov::get("Platform Event"_attr, event).get(), named->name));
    return ovSuccess;
  }
  LRESULT result = defaultProcessing(m.hwnd, message, m.wParam, m.lParam);
  // The pointer over a menu bar: menus are brought up to date before the
  // user can open one (not for the framework's own probes: pointer_probe.h).
  if (message == WM_NCHITTEST && result == HTMENU && !vorn::ProbingPointer())
    ov::tell(ov::universal<0>("Post Menu Update"_uni));
  a.put(0, ov::integer(static_cast<int32_t>(result)));
  return ovSuccess;
}

// The application's name joined with "MainWindow".
ovStatus GetClassName(const ov::Args& a) {
  ovRef app = ov::universal("Get Application"_uni).take();
  std::string name(ov::chars(ov::send("Get Name"_sel, app).get()));
  a.put(0, ov::text(name + "MainWindow"));
  return ovSuccess;
}

// Registers the framework window class under a name, its procedure being
// the universal a second name gives.
ovStatus RegisterClass(const ov::Args& a) {
  ovRef procedure = ov::primitive("callback"_prim, {a[1], ov::text("WNDPROC")}).take();
  HINSTANCE instance = vorn::ApplicationInstance();
  ovRef iconId =
      ov::primitive("get-resource-info"_prim, {ov::text("OVApplicationICO"), ov::addressHandleValue(instance)}).take();
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

const ovUniversalDeclaration kVornWndProc("VornWndProc"_uni, ov::routine<universal::VornWndProc>);
const ovUniversalDeclaration kGetClassName("Get Class Name"_uni, ov::routine<universal::GetClassName>);
const ovUniversalDeclaration kRegisterClass("Register Class"_uni, ov::routine<universal::RegisterClass>);

}  // namespace
