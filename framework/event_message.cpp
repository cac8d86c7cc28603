#include "framework/event_message.h"

#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

namespace vorn {

namespace {

MessageSnapshot* current = nullptr;

EventMessage readFrom(ovC_object* event, ovC_object* platformEvent) {
  return {
      .hwnd = ov::toHandle<HWND>(ov::get("HWnd"_attr, platformEvent)),
      .message = static_cast<UINT>(ov::toInt(ov::get("Message"_attr, platformEvent))),
      .wParam = static_cast<WPARAM>(ov::messageWord(ov::get("WParam"_attr, platformEvent))),
      .lParam = ov::messageWord(ov::get("LParam"_attr, platformEvent)),
      .where = ov::field<POINT>(ov::get("Event Record"_attr, event), ovFields::kMsgPt),
      .name = std::string(ov::chars(ov::get("Type"_attr, platformEvent))),
  };
}

}  // namespace

MessageSnapshot::MessageSnapshot(ovC_object* event, ovC_object* platformEvent, const EventMessage& message)
    : event_(ovRef::share(event)), platformEvent_(ovRef::share(platformEvent)), message_(message), outer_(current) {
  current = this;
}

MessageSnapshot::~MessageSnapshot() { current = outer_; }

EventMessage MessageOf(ov::In event) {
  ovRef platformEvent = ov::get("Platform Event"_attr, event);
  if (current && current->event_.get() == event.get() && current->platformEvent_ == platformEvent)
    return current->message_;
  return readFrom(event.get(), platformEvent.get());
}

}  // namespace vorn
