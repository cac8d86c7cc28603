#include "platform/backends/wake_signal.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "platform/termination.h"

namespace platform {
namespace {

void drain(int descriptor) {
  uint64_t count = 0;
  [[maybe_unused]] ssize_t taken = read(descriptor, &count, sizeof count);
}

}  // namespace

WakeSignal::WakeSignal() : descriptor_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

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
  if (watched[0].revents) drain(descriptor_);
  if (watched[1].revents) termination::drainWake();
}

void WakeSignal::wake() {
  uint64_t one = 1;
  [[maybe_unused]] ssize_t written = write(descriptor_, &one, sizeof one);
}

}  // namespace platform
