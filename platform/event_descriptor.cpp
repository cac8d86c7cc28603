#include "platform/event_descriptor.h"

#include <cstdint>

#include <sys/eventfd.h>
#include <unistd.h>

namespace platform {

int makeEventDescriptor() { return eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC); }

void signalEventDescriptor(int descriptor) {
  uint64_t one = 1;
  [[maybe_unused]] ssize_t written = write(descriptor, &one, sizeof one);
}

void drainEventDescriptor(int descriptor) {
  if (descriptor < 0) return;
  uint64_t count = 0;
  [[maybe_unused]] ssize_t taken = read(descriptor, &count, sizeof count);
}

}  // namespace platform
