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
// desktop, the window or the keyboard target (message_events.cpp). Handlers
// read the message through the accessors here or as the window procedure's
// typed snapshot (event_message.h), never from the platform directly.
#include "framework/deferred_due.h"
#include "framework/idle_wait.h"
#include "framework/message_events.h"
#include "framework/persistents.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

ovPersistent gEvent("Event");

namespace {

ovRef desktop() { return ov::universal("Get Desktop"_uni).take(); }

// The framework window owning the event's platform window, or NULL.
ovRef windowOf(ovC_object* event) {
  return ov::send("Get Window"_sel, desktop(), {ov::send("Get HWnd"_sel, event).get()}).take();
}

namespace platform_event {

// The high or low 16 bits of a message word, unsigned: a coordinate left of
// or above a window reads as a large positive number.
template <const auto& Word, int Shift>
ovStatus HalfWord(const ov::Args& a) {
  auto word = static_cast<uint32_t>(ovToInt32(ov::get(Word, a.receiver()).get()));
  a.put(0, ov::integer(static_cast<int32_t>((word >> Shift) & 0xFFFF)));
  return ovSuccess;
}

ovStatus DefaultWindowProc(const ov::Args& a) {
  ovC_object* e = a.receiver();
  LRESULT result =
      DefWindowProcA(ov::toHandle<HWND>(ov::get("HWnd"_attr, e)), ov::toInt(ov::get("Message"_attr, e)),
                     ov::messageWord(ov::get("WParam"_attr, e)), ov::messageWord(ov::get("LParam"_attr, e)));
  a.put(0, ov::integer(static_cast<int32_t>(result)));
  return ovSuccess;
}

ovStatus IsCommand(const ov::Args& a) {
  return ov::toInt(ov::get("Message"_attr, a.receiver())) == WM_COMMAND ? ovSuccess : ovFailure;
}

}  // namespace platform_event

namespace event {

ovStatus GetWhen(const ov::Args& a) {
  ovRef record = ov::get("Event Record"_attr, a.receiver());
  a.put(0, ov::integer(static_cast<int32_t>(ov::field<DWORD>(record, ovFields::kMsgTime))));
  return ovSuccess;
}

// The point in screen coordinates; (0, 0) without a record.
ovStatus GetWhere(const ov::Args& a) {
  POINT pt = ov::field<POINT>(ov::get("Event Record"_attr, a.receiver()), ovFields::kMsgPt);
  a.put(0, ov::point(pt.y, pt.x));
  return ovSuccess;
}

ovStatus GetActivateFlag(const ov::Args& a) {
  int32_t state = ov::toInt(ov::send("Get WParam Lo"_sel, a.receiver()).get());
  a.put(0, ov::boolean(state == WA_ACTIVE || state == WA_CLICKACTIVE));
  return ovSuccess;
}

// The character code of a WM_CHAR, and no modifiers.
ovStatus CheckKey(const ov::Args& a) {
  a.put(0, ov::send("Get WParam"_sel, a.receiver()).take());
  return ovSuccess;
}

}  // namespace event

namespace handler {

// Translates and dispatches a message, unless its window's accelerators
// took it.
void dispatch(ovC_object* handler, ovC_object* block) {
  if (ov::isTrue(ov::send("Pretranslate"_sel, handler, {block}).get())) return;
  MSG* msg = ov::recordMemory<MSG>(block);
  TranslateMessage(msg);
  DispatchMessageA(msg);
}

// An idle pass: an unnamed platform event, and the record rewritten to say
// "no message, now, with the pointer here".
void idle(ovC_object* handler, ovC_object* event, ovC_object* commander, ovC_object* block) {
  ov::set("Platform Event"_attr, event, ov::make("Platform Event"_cls).get());
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
  ov::tell("Null Event"_sel, handler, {event, commander});
  vorn::NoteIdlePass(commandDue);
}

// The message pump: one message, or one idle pass; after an idle pass with
// nothing to do, a wait first.
ovStatus DoNextEvent(const ov::Args& a) {
  vorn::WaitIfIdle(a[1]);
  ovRef event = ov::make("Event"_cls).take();
  ovRef block = ov::newRecord("MSG"_ext);
  BOOL got = PeekMessageA(ov::recordMemory<MSG>(block), nullptr, 0, 0, PM_REMOVE);
  gEvent.set(event);
  ov::tell("Set Event Record"_sel, event, {block});
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
  ov::tell("Do Deferred Command"_sel, a[2], {event});
  ovRef app = ov::universal("Get Application"_uni).take();
  if (!ov::isTrue(ov::send("Get Is Foreground?"_sel, app).get())) return ovSuccess;
  ov::tell("Change Cursor"_sel, desktop(), {event});
  if (ovRef target = ov::send("Get Target"_sel, app).take()) ov::tell("Idle"_sel, target, {event});
  return ovSuccess;
}

// A message for a framework window goes first to that window's accelerators.
ovStatus Pretranslate(const ov::Args& a) {
  HWND hwnd = ov::field<HWND>(a[1], ovFields::kMsgHwnd);
  auto window = ov::send("Get Window"_sel, desktop(), {ov::handleValue(hwnd)});
  bool handled = window.get() && ov::isTrue(ov::send("Pretranslate"_sel, window.get(), {a[1]}).get());
  a.put(0, ov::boolean(handled));
  return ovSuccess;
}

const ovMethodSelector* routeOf(ovC_object* platformEvent) {
  ovRef type = ov::get("Type"_attr, platformEvent);
  // A notification of code 1 (from an accelerator) counts as a key.
  if (ov::textEquals(type, "NOTIFY"))
    return ov::toInt(ov::send("Get WParam Hi"_sel, platformEvent).get()) == 1 ? &"Key Down"_sel : nullptr;
  if (!ov::isText(type)) return nullptr;
  return vorn::RouteOfEvent(ov::chars(type));
}

ovStatus DoEvent(const ov::Args& a) {
  ovRef platformEvent = ov::get("Platform Event"_attr, a[1]);
  if (!platformEvent) return ovSuccess;
  const ovMethodSelector* route = routeOf(platformEvent.get());
  if (!route) return ovSuccess;
  return ov::send<0>(*route, a.receiver(), {a[1], a[2]}).status;
}

// The desktop's method of the same name handles the event.
ovStatus ToDesktop(const ovMethodSelector& method, const ov::Args& a) {
  return ov::send<0>(method, desktop(), {a[1]}).status;
}

ovStatus MouseDown(const ov::Args& a) {
  ov::tell("Down Time"_sel, a.receiver(), {a[1]});
  return ov::send<0>("Mouse Down"_sel, desktop(), {a[1]}).status;
}

// Double clicks are detected by the platform; the handler only records one.
ovStatus DownTime(const ov::Args& a) {
  bool doubled = ov::textEquals(ov::send("Get Type"_sel, a[1]).get(), "DOUBLEDOWN");
  ov::tell("Set Double Down?"_sel, a[1], {ov::boolean(doubled)});
  return ovSuccess;
}

ovStatus KeyDown(const ov::Args& a) {
  auto target = ov::universal("Get Target"_uni);
  if (target.failed() || !target.get()) return ovSuccess;
  auto key = ov::send<2>("Check Key"_sel, a[1]);
  return ov::send<0>("Key Down"_sel, target.get(), {key.get(0), key.get(1), a[1]}).status;
}

// The framework window of the event's platform window gets the event.
ovStatus ToWindow(const ovMethodSelector& method, const ov::Args& a) {
  ovRef window = windowOf(a[1]);
  if (!window) return ovSuccess;
  return ov::send<0>(method, window, {a[1]}).status;
}

// The application is activated (wParam 1) or deactivated (anything else).
ovStatus OsEvent(const ov::Args& a) {
  bool activated = ov::toInt(ov::send("Get WParam"_sel, a[1]).get()) == 1;
  ovRef app = ov::universal("Get Application"_uni).take();
  ov::tell(
      ov::callNamed<0>(ov::text(activated ? "/Resume" : "/Suspend"), "Event Handler"_cls, ov::listOf({app, a[1]})));
  return ovSuccess;
}

}  // namespace handler

const ovClassDeclaration kPlatformEventClass({
    .name = "Platform Event"_cls,
    .attributes = {"Type"_attr, "HWnd"_attr, "Message"_attr, "LParam"_attr, "WParam"_attr},
    .methods = ov::methods({{"Get WParam Hi"_sel, ov::routine<platform_event::HalfWord<"WParam"_attr, 16>>},
                            {"Get WParam Lo"_sel, ov::routine<platform_event::HalfWord<"WParam"_attr, 0>>},
                            {"Get LParam Hi"_sel, ov::routine<platform_event::HalfWord<"LParam"_attr, 16>>},
                            {"Get LParam Lo"_sel, ov::routine<platform_event::HalfWord<"LParam"_attr, 0>>},
                            {"Default Window Proc"_sel, ov::routine<platform_event::DefaultWindowProc>},
                            {"Is Command?"_sel, ov::routine<platform_event::IsCommand>}},
                           ov::getters<"HWnd", "Message", "WParam", "LParam", "Type">()),
});

const ovClassDeclaration kEventClass({
    .name = "Event"_cls,
    .attributes = {"Event Handler"_attr, "Event Record"_attr, "Double Down?"_attr, "Double Up?"_attr,
                   "Platform Event"_attr},
    .methods = ov::methods(
        {{"Get When"_sel, ov::routine<event::GetWhen>},
         {"Get Where"_sel, ov::routine<event::GetWhere>},
         {"Get Notify Code"_sel, ov::askHeld<"Platform Event"_attr, "Get WParam Hi"_sel>},
         {"Get Activate Flag"_sel, ov::routine<event::GetActivateFlag>},
         {"Check Key"_sel, ov::routine<event::CheckKey>}},
        ov::askedOf<"Platform Event", "Get HWnd", "Get Message", "Get WParam", "Get WParam Hi", "Get WParam Lo",
                    "Get LParam", "Get LParam Hi", "Get LParam Lo", "Get Type", "Default Window Proc", "Is Command?">(),
        ov::getters<"Event Record">(), ov::setters<"Event Record", "Double Down?">()),
});

const ovClassDeclaration kEventHandlerClass({
    .name = "Event Handler"_cls,
    .attributes = {"Sleep"_attr, "Mouse Region"_attr, "Where"_attr, "Down Time"_attr, "Up Time"_attr, "Filters"_attr,
                   "Background Sleep"_attr},
    .methods =
        ov::methods({{"Do Event"_sel, ov::routine<handler::DoEvent>},
                     {"Do Next Event"_sel, ov::routine<handler::DoNextEvent>},
                     {"Null Event"_sel, ov::routine<handler::NullEvent>},
                     {"Pretranslate"_sel, ov::routine<handler::Pretranslate>},
                     {"Key Down"_sel, ov::routine<handler::KeyDown>},
                     {"Mouse Down"_sel, ov::routine<handler::MouseDown>},
                     {"Update Event"_sel, ov::forwarded<handler::ToWindow, "Update"_sel>},
                     {"Activate Event"_sel, ov::forwarded<handler::ToWindow, "Activate"_sel>},
                     {"OS Event"_sel, ov::routine<handler::OsEvent>},
                     {"Down Time"_sel, ov::routine<handler::DownTime>}},
                    ov::forwarding<handler::ToDesktop, "On Command", "Mouse Down Right", "Mouse Down Middle",
                                   "Mouse Moved", "Mouse Up", "Mouse Up Right", "Mouse Up Middle", "Change Color">(),
                    ov::doingNothing<"Open", "Close">()),
});

}  // namespace
