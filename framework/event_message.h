// The message an event carries, as plain typed fields: read once where the
// window procedure receives it, and handed to every method of its route
// without a send per field.
//
// Each entry of the window procedure makes a snapshot that lives as long as
// the entry. A method asking for its event's message gets that snapshot
// while the event still holds the platform event the entry made. Otherwise
// (an idle pass's event, an event built by hand, or an outer entry whose
// event a nested entry has since given another platform event, as the
// window procedure does) the message is read from the event's platform
// event and record, so a method sees exactly what the event's accessors
// answer.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"
#include "runtime/methods/kit.h"

namespace vorn {

struct EventMessage {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  // The pass's MSG point, in screen coordinates.
  POINT where{};
  // The event name the window procedure gave it; empty when unnamed.
  std::string name;

  // The high and low 16 bits of a word, unsigned: a coordinate left of or
  // above a window reads as a large positive number.
  static int32_t High(uintptr_t word) { return static_cast<int32_t>((word >> 16) & 0xFFFF); }
  static int32_t Low(uintptr_t word) { return static_cast<int32_t>(word & 0xFFFF); }
  int32_t wParamHi() const { return High(wParam); }
  int32_t wParamLo() const { return Low(wParam); }
  int32_t lParamHi() const { return High(static_cast<uintptr_t>(lParam)); }
  int32_t lParamLo() const { return Low(static_cast<uintptr_t>(lParam)); }
};

// The window procedure's snapshot of the message it was entered with, the
// current one while it lives.
class MessageSnapshot {
 public:
  MessageSnapshot(ovC_object* event, ovC_object* platformEvent, const EventMessage& message);
  ~MessageSnapshot();
  MessageSnapshot(const MessageSnapshot&) = delete;
  MessageSnapshot& operator=(const MessageSnapshot&) = delete;

 private:
  friend EventMessage MessageOf(ov::In event);
  ovRef event_;
  ovRef platformEvent_;
  EventMessage message_;
  MessageSnapshot* outer_;
};

// The message the event carries; zeros when it carries none.
EventMessage MessageOf(ov::In event);

}  // namespace vorn
