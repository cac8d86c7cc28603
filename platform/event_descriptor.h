// Event descriptors (eventfd): a counter that a wait can watch with poll
// beside other descriptors, written from another thread or a signal
// handler to end that wait.
#pragma once

namespace platform {

// A non-blocking descriptor closed on exec; -1 when none could be made.
int makeEventDescriptor();
// Makes the descriptor readable. Async-signal-safe: a single write.
void signalEventDescriptor(int descriptor);
// Takes what was signalled, so that the next wait waits again. Does nothing
// for -1 or a descriptor with nothing to read.
void drainEventDescriptor(int descriptor);

}  // namespace platform
