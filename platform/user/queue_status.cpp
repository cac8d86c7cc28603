#include "platform/user/queue_status.h"

#include "platform/user/painting.h"
#include "platform/user/timers.h"

namespace platform::user {
namespace {

bool paintNeeded() { return windowToPaint() != nullptr; }

UINT newPaintAndTimers(MessageQueue& queue) {
  UINT kinds = 0;
  if (paintNeeded() && !queue.paintSeen) kinds |= QS_PAINT;
  if (timerDueSince(queue, queue.timersSeenAt)) kinds |= QS_TIMER;
  return kinds;
}

}  // namespace

UINT queuedKinds(MessageQueue& queue) {
  UINT kinds = queue.pendingKinds();
  if (paintNeeded()) kinds |= QS_PAINT;
  if (timerDue(queue)) kinds |= QS_TIMER;
  return kinds;
}

UINT newKinds(MessageQueue& queue) { return queue.arrivals() | newPaintAndTimers(queue); }

// The tick is read before the timers are: one falling due meanwhile stays
// new rather than being missed.
UINT lookAt(MessageQueue& queue, UINT kinds) {
  DWORD now = GetTickCount();
  UINT fresh = (queue.takeArrivals(kinds) | newPaintAndTimers(queue)) & kinds;
  if (kinds & QS_PAINT) queue.paintSeen = paintNeeded();
  if (kinds & QS_TIMER) queue.timersSeenAt = now;
  return fresh;
}

}  // namespace platform::user
