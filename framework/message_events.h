// What a Windows message becomes in the framework: the name of its event
// and the event handler's method that routes it. The one table of both is
// message_events.cpp; a message it does not name gets the platform's
// default processing.
#pragma once

#include <string_view>

#include "platform/win32.h"
#include "runtime/tables/declarations.h"

namespace vorn {

struct MessageEvent {
  UINT message;
  const char* name;
  // The handler's method for the event; nullptr for an event no handler
  // routes (WM_QUIT ends the loop at the window procedure).
  const ovMethodSelector* route;
};

// The message's event, or nullptr for a message the framework leaves to
// the platform.
const MessageEvent* EventOfMessage(UINT message);
// The handler's method for an event name, or nullptr.
const ovMethodSelector* RouteOfEvent(std::string_view name);

}  // namespace vorn
