// Events: one Windows message (or one idle tick) on its way through the
// framework, and the event handler that pumps messages and routes events.
//
// The pump takes one message per pass with PeekMessageA, which never waits;
// after an idle pass with nothing to do, the next pass first waits
// (idle_wait.h).
//
// The loop makes an "Event" per pass and keeps it in the persistent
// "Event"; the window procedure attaches the raw message as a "Platform
// Event" and names it; the handler routes the event by that name to the
// desktop, the window or the keyboard target. Handlers read message
// parameters through the accessors here, never from the platform directly.
#include "framework/deferred_due.h"
#include "framework/idle_wait.h"
#include "framework/persistents.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/records.h"

ovPersistent gEvent("Event");

namespace {

namespace sel {
const ovMethodSelector ActivateEvent("Activate Event");
const ovMethodSelector Activate("Activate");
const ovMethodSelector ChangeColor("Change Color");
const ovMethodSelector ChangeCursor("Change Cursor");
const ovMethodSelector CheckKey("Check Key");
const ovMethodSelector DefaultWindowProc("Default Window Proc");
const ovMethodSelector DoDeferredCommand("Do Deferred Command");
const ovMethodSelector DownTime("Down Time");
const ovMethodSelector GetHWnd("Get HWnd");
const ovMethodSelector GetIsForeground("Get Is Foreground?");
const ovMethodSelector GetLParam("Get LParam");
const ovMethodSelector GetMessage("Get Message");
const ovMethodSelector GetTarget("Get Target");
const ovMethodSelector GetType("Get Type");
const ovMethodSelector GetWParam("Get WParam");
const ovMethodSelector GetWParamHi("Get WParam Hi");
const ovMethodSelector GetWParamLo("Get WParam Lo");
const ovMethodSelector GetLParamHi("Get LParam Hi");
const ovMethodSelector GetLParamLo("Get LParam Lo");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector Idle("Idle");
const ovMethodSelector IsCommand("Is Command?");
const ovMethodSelector KeyDown("Key Down");
const ovMethodSelector MouseDown("Mouse Down");
const ovMethodSelector MouseDownMiddle("Mouse Down Middle");
const ovMethodSelector MouseDownRight("Mouse Down Right");
const ovMethodSelector MouseMoved("Mouse Moved");
const ovMethodSelector MouseUp("Mouse Up");
const ovMethodSelector MouseUpMiddle("Mouse Up Middle");
const ovMethodSelector MouseUpRight("Mouse Up Right");
const ovMethodSelector NullEvent("Null Event");
const ovMethodSelector OnCommand("On Command");
const ovMethodSelector OsEvent("OS Event");
const ovMethodSelector Pretranslate("Pretranslate");
const ovMethodSelector SetDoubleDown("Set Double Down?");
const ovMethodSelector SetEventRecord("Set Event Record");
const ovMethodSelector Update("Update");
const ovMethodSelector UpdateEvent("Update Event");
}  // namespace sel

namespace attr {
const ovAttributeSelector DoubleDown("Double Down?");
const ovAttributeSelector EventRecord("Event Record");
const ovAttributeSelector HWnd("HWnd");
const ovAttributeSelector LParam("LParam");
const ovAttributeSelector Message("Message");
const ovAttributeSelector PlatformEvent("Platform Event");
const ovAttributeSelector Type("Type");
const ovAttributeSelector WParam("WParam");
}  // namespace attr

namespace cls {
const ovClassName Event("Event");
const ovClassName EventHandler("Event Handler");
const ovClassName PlatformEvent("Platform Event");
}  // namespace cls

namespace uni {
const ovUniversalName GetApplication("Get Application");
const ovUniversalName GetDesktop("Get Desktop");
const ovUniversalName GetTarget("Get Target");
}  // namespace uni

namespace ext {
const ovExternalName Msg("MSG");
}  // namespace ext

ovRef desktop() { return ov::universal(uni::GetDesktop).take(); }

// The framework window owning the event's platform window, or NULL.
ovRef windowOf(ovC_object* event) {
  return ov::send(sel::GetWindow, desktop(), {ov::send(sel::GetHWnd, event).get()}).take();
}

namespace platform_event {

// The high or low 16 bits of a message word, unsigned: a coordinate left of
// or above a window reads as a large positive number.
template <const ovAttributeSelector& Word, int Shift>
ovStatus HalfWord(const ov::Args& a) {
  auto word = static_cast<uint32_t>(ovToInt32(ov::get(Word, a.receiver()).get()));
  a.put(0, ov::integer(static_cast<int32_t>((word >> Shift) & 0xFFFF)));
  return ovSuccess;
}

ovStatus DefaultWindowProc(const ov::Args& a) {
  ovC_object* e = a.receiver();
  LRESULT result = DefWindowProcA(ov::toHandle<HWND>(ov::get(attr::HWnd, e)), ov::toInt(ov::get(attr::Message, e)),
                                  ov::messageWord(ov::get(attr::WParam, e)), ov::messageWord(ov::get(attr::LParam, e)));
  a.put(0, ov::integer(static_cast<int32_t>(result)));
  return ovSuccess;
}

ovStatus IsCommand(const ov::Args& a) {
  return ov::toInt(ov::get(attr::Message, a.receiver())) == WM_COMMAND ? ovSuccess : ovFailure;
}

}  // namespace platform_event

namespace event {

// What the event's platform event answers to the same question.
template <const ovMethodSelector& Question>
ovStatus Forward(const ov::Args& a) {
  auto answer = ov::send(Question, ov::get(attr::PlatformEvent, a.receiver()));
  a.put(0, answer.take());
  return answer.status;
}

ovStatus GetWhen(const ov::Args& a) {
  ovRef record = ov::get(attr::EventRecord, a.receiver());
  a.put(0, ov::integer(static_cast<int32_t>(ov::field<DWORD>(record, ovFields::kMsgTime))));
  return ovSuccess;
}

// The point in screen coordinates; (0, 0) without a record.
ovStatus GetWhere(const ov::Args& a) {
  POINT pt = ov::field<POINT>(ov::get(attr::EventRecord, a.receiver()), ovFields::kMsgPt);
  a.put(0, ov::point(pt.y, pt.x));
  return ovSuccess;
}

ovStatus GetActivateFlag(const ov::Args& a) {
  int32_t state = ov::toInt(ov::send(sel::GetWParamLo, a.receiver()).get());
  a.put(0, ov::boolean(state == WA_ACTIVE || state == WA_CLICKACTIVE));
  return ovSuccess;
}

// The character code of a WM_CHAR, and no modifiers.
ovStatus CheckKey(const ov::Args& a) {
  a.put(0, ov::send(sel::GetWParam, a.receiver()).take());
  return ovSuccess;
}

}  // namespace event

namespace handler {

// Translates and dispatches a message, unless its window's accelerators
// took it.
void dispatch(ovC_object* handler, ovC_object* block) {
  if (ov::isTrue(ov::send(sel::Pretranslate, handler, {block}).get())) return;
  MSG* msg = ov::recordMemory<MSG>(block);
  TranslateMessage(msg);
  DispatchMessageA(msg);
}

// An idle pass: an unnamed platform event, and the record rewritten to say
// "no message, now, with the pointer here".
void idle(ovC_object* handler, ovC_object* event, ovC_object* commander, ovC_object* block) {
  ov::set(attr::PlatformEvent, event, ov::make(cls::PlatformEvent).get());
  DWORD now = GetTickCount();
  POINT where{};
  GetCursorPos(&where);
  MSG* msg = ov::recordMemory<MSG>(block);
  msg->message = 0;
  msg->lParam = 0;
  msg->wParam = 0;
  msg->pt = where;
  msg->time = now;
  bool commandDue = vorn::FirstDue(commander, static_cast<int32_t>(now));
  ov::send<0>(sel::NullEvent, handler, {event, commander});
  vorn::NoteIdlePass(commandDue);
}

// The message pump: one message, or one idle pass; after an idle pass with
// nothing to do, a wait first.
ovStatus DoNextEvent(const ov::Args& a) {
  vorn::WaitIfIdle(a[1]);
  ovRef event = ov::make(cls::Event).take();
  ovRef block = ov::newRecord(ext::Msg);
  BOOL got = PeekMessageA(ov::recordMemory<MSG>(block), nullptr, 0, 0, PM_REMOVE);
  gEvent.set(event);
  ov::send<0>(sel::SetEventRecord, event, {block});
  if (got)
    dispatch(a.receiver(), block.get());
  else
    idle(a.receiver(), event.get(), a[1], block.get());
  ov::disposeRecord(block);
  return ovSuccess;
}

// Idle work: at most one due deferred command; then, in the foreground
// only, the cursor and the target's idle time.
ovStatus NullEvent(const ov::Args& a) {
  ovC_object* event = a[1];
  ov::send<0>(sel::DoDeferredCommand, a[2], {event});
  ovRef app = ov::universal(uni::GetApplication).take();
  if (!ov::isTrue(ov::send(sel::GetIsForeground, app).get())) return ovSuccess;
  ov::send<0>(sel::ChangeCursor, desktop(), {event});
  if (ovRef target = ov::send(sel::GetTarget, app).take()) ov::send<0>(sel::Idle, target, {event});
  return ovSuccess;
}

// A message for a framework window goes first to that window's accelerators.
ovStatus Pretranslate(const ov::Args& a) {
  HWND hwnd = ov::field<HWND>(a[1], ovFields::kMsgHwnd);
  auto window = ov::send(sel::GetWindow, desktop(), {ov::handleValue(hwnd)});
  bool handled = window.get() && ov::isTrue(ov::send(sel::Pretranslate, window.get(), {a[1]}).get());
  a.put(0, ov::boolean(handled));
  return ovSuccess;
}

// The routing table: each event name and the handler method it reaches.
struct Route {
  const char* name;
  const ovMethodSelector* method;
};
const Route kRoutes[] = {
    {"COMMAND", &sel::OnCommand},       {"KEYDOWN", &sel::KeyDown},
    {"MOVE", &sel::MouseDown},          {"LCLICK", &sel::MouseDown},
    {"GROW", &sel::MouseDown},          {"CLOSE", &sel::MouseDown},
    {"DOUBLEDOWN", &sel::MouseDown},    {"HSCROLL", &sel::MouseDown},
    {"VSCROLL", &sel::MouseDown},       {"RCLICK", &sel::MouseDownRight},
    {"MCLICK", &sel::MouseDownMiddle},  {"UPDATE", &sel::UpdateEvent},
    {"BACKGROUND", &sel::UpdateEvent},  {"MOUSEMOVE", &sel::MouseMoved},
    {"LUP", &sel::MouseUp},             {"RUP", &sel::MouseUpRight},
    {"MUP", &sel::MouseUpMiddle},       {"ACTIVATE", &sel::ActivateEvent},
    {"ACTIVATEAPP", &sel::OsEvent},     {"CTLCOLOR", &sel::ChangeColor},
};

const ovMethodSelector* routeOf(ovC_object* platformEvent) {
  ovRef type = ov::get(attr::Type, platformEvent);
  // A notification of code 1 (from an accelerator) counts as a key.
  if (ov::textEquals(type, "NOTIFY"))
    return ov::toInt(ov::send(sel::GetWParamHi, platformEvent).get()) == 1 ? &sel::KeyDown : nullptr;
  for (const Route& r : kRoutes)
    if (ov::textEquals(type, r.name)) return r.method;
  return nullptr;
}

ovStatus DoEvent(const ov::Args& a) {
  ovRef platformEvent = ov::get(attr::PlatformEvent, a[1]);
  if (!platformEvent) return ovSuccess;
  const ovMethodSelector* route = routeOf(platformEvent.get());
  if (!route) return ovSuccess;
  return ov::send<0>(*route, a.receiver(), {a[1], a[2]}).status;
}

// The desktop's method of the same name handles the event.
template <const ovMethodSelector& Method>
ovStatus ToDesktop(const ov::Args& a) {
  return ov::send<0>(Method, desktop(), {a[1]}).status;
}

ovStatus MouseDown(const ov::Args& a) {
  ov::send<0>(sel::DownTime, a.receiver(), {a[1]});
  return ov::send<0>(sel::MouseDown, desktop(), {a[1]}).status;
}

// Double clicks are detected by the platform; the handler only records one.
ovStatus DownTime(const ov::Args& a) {
  bool doubled = ov::textEquals(ov::send(sel::GetType, a[1]).get(), "DOUBLEDOWN");
  ov::send<0>(sel::SetDoubleDown, a[1], {ov::boolean(doubled)});
  return ovSuccess;
}

ovStatus KeyDown(const ov::Args& a) {
  auto target = ov::universal(uni::GetTarget);
  if (target.failed() || !target.get()) return ovSuccess;
  auto key = ov::send<2>(sel::CheckKey, a[1]);
  return ov::send<0>(sel::KeyDown, target.get(), {key.get(0), key.get(1), a[1]}).status;
}

// The framework window of the event's platform window gets the event.
template <const ovMethodSelector& Method>
ovStatus ToWindow(const ov::Args& a) {
  ovRef window = windowOf(a[1]);
  if (!window) return ovSuccess;
  return ov::send<0>(Method, window, {a[1]}).status;
}

// The application is activated (wParam 1) or deactivated (anything else).
ovStatus OsEvent(const ov::Args& a) {
  bool activated = ov::toInt(ov::send(sel::GetWParam, a[1]).get()) == 1;
  ovRef app = ov::universal(uni::GetApplication).take();
  ov::callNamed<0>(ov::text(activated ? "/Resume" : "/Suspend"), cls::EventHandler, ov::listOf({app, a[1]}));
  return ovSuccess;
}

}  // namespace handler

const ovClassDeclaration kPlatformEventClass({
    .name = "Platform Event",
    .attributes = {"Type", "HWnd", "Message", "LParam", "WParam"},
    .methods = {{"Get HWnd", ov::reader<attr::HWnd>},
                {"Get Message", ov::reader<attr::Message>},
                {"Get WParam", ov::reader<attr::WParam>},
                {"Get LParam", ov::reader<attr::LParam>},
                {"Get Type", ov::reader<attr::Type>},
                {"Get WParam Hi", ov::routine<platform_event::HalfWord<attr::WParam, 16>>},
                {"Get WParam Lo", ov::routine<platform_event::HalfWord<attr::WParam, 0>>},
                {"Get LParam Hi", ov::routine<platform_event::HalfWord<attr::LParam, 16>>},
                {"Get LParam Lo", ov::routine<platform_event::HalfWord<attr::LParam, 0>>},
                {"Default Window Proc", ov::routine<platform_event::DefaultWindowProc>},
                {"Is Command?", ov::routine<platform_event::IsCommand>}},
});

const ovClassDeclaration kEventClass({
    .name = "Event",
    .attributes = {"Event Handler", "Event Record", "Double Down?", "Double Up?", "Platform Event"},
    .methods = {{"Get HWnd", ov::routine<event::Forward<sel::GetHWnd>>},
                {"Get Message", ov::routine<event::Forward<sel::GetMessage>>},
                {"Get WParam", ov::routine<event::Forward<sel::GetWParam>>},
                {"Get WParam Hi", ov::routine<event::Forward<sel::GetWParamHi>>},
                {"Get WParam Lo", ov::routine<event::Forward<sel::GetWParamLo>>},
                {"Get LParam", ov::routine<event::Forward<sel::GetLParam>>},
                {"Get LParam Hi", ov::routine<event::Forward<sel::GetLParamHi>>},
                {"Get LParam Lo", ov::routine<event::Forward<sel::GetLParamLo>>},
                {"Get Type", ov::routine<event::Forward<sel::GetType>>},
                {"Default Window Proc", ov::routine<event::Forward<sel::DefaultWindowProc>>},
                {"Is Command?", ov::routine<event::Forward<sel::IsCommand>>},
                {"Get Event Record", ov::reader<attr::EventRecord>},
                {"Set Event Record", ov::writer<attr::EventRecord>},
                {"Get When", ov::routine<event::GetWhen>},
                {"Get Where", ov::routine<event::GetWhere>},
                {"Get Notify Code", ov::routine<event::Forward<sel::GetWParamHi>>},
                {"Get Activate Flag", ov::routine<event::GetActivateFlag>},
                {"Check Key", ov::routine<event::CheckKey>},
                {"Set Double Down?", ov::writer<attr::DoubleDown>}},
});

const ovClassDeclaration kEventHandlerClass({
    .name = "Event Handler",
    .attributes = {"Sleep", "Mouse Region", "Where", "Down Time", "Up Time", "Filters", "Background Sleep"},
    .methods = {{"Do Event", ov::routine<handler::DoEvent>},
                {"Do Next Event", ov::routine<handler::DoNextEvent>},
                {"Null Event", ov::routine<handler::NullEvent>},
                {"Pretranslate", ov::routine<handler::Pretranslate>},
                {"On Command", ov::routine<handler::ToDesktop<sel::OnCommand>>},
                {"Key Down", ov::routine<handler::KeyDown>},
                {"Mouse Down", ov::routine<handler::MouseDown>},
                {"Mouse Down Right", ov::routine<handler::ToDesktop<sel::MouseDownRight>>},
                {"Mouse Down Middle", ov::routine<handler::ToDesktop<sel::MouseDownMiddle>>},
                {"Update Event", ov::routine<handler::ToWindow<sel::Update>>},
                {"Mouse Moved", ov::routine<handler::ToDesktop<sel::MouseMoved>>},
                {"Mouse Up", ov::routine<handler::ToDesktop<sel::MouseUp>>},
                {"Mouse Up Right", ov::routine<handler::ToDesktop<sel::MouseUpRight>>},
                {"Mouse Up Middle", ov::routine<handler::ToDesktop<sel::MouseUpMiddle>>},
                {"Activate Event", ov::routine<handler::ToWindow<sel::Activate>>},
                {"OS Event", ov::routine<handler::OsEvent>},
                {"Change Color", ov::routine<handler::ToDesktop<sel::ChangeColor>>},
                {"Down Time", ov::routine<handler::DownTime>},
                {"Open", ov::nothing},
                {"Close", ov::nothing}},
});

}  // namespace
