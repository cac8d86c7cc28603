#include "platform/backends/wake_signal.h"

#include <algorithm>
#include <climits>

#include <poll.h>
#include <unistd.h>

#include "platform/event_descriptor.h"
#include "platform/termination.h"

namespace platform {

WakeSignal::WakeSignal() : descriptor_(makeEventDescriptor()) {}

WakeSignal::~WakeSignal() {
  if (descriptor_ >= 0) close(descriptor_);
}

// Without a descriptor of its own, a wait could not be ended early: it
// returns at once instead.
void WakeSignal::wait(DWORD milliseconds) {
  if (descriptor_ < 0) return;
  int timeout = milliseconds == INFINITE ? -1 : static_cast<int>(std::min<DWORD>(milliseconds, INT_MAX));
  pollfd watched[] = {{descriptor_, POLLIN, 0}, {termination::wakeDescriptor(), POLLIN, 0}};
  poll(watched, 2, timeout);
  if (watched[0].revents) drainEventDescriptor(descriptor_);
  if (watched[1].revents) termination::drainWake();
}

void WakeSignal::wake() { signalEventDescriptor(descriptor_); }

}  // namespace platform
