#include "platform/termination.h"

#include <atomic>
#include <cerrno>
#include <csignal>

#include "platform/event_descriptor.h"

namespace platform {
namespace {

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free flag");

std::atomic<int> gSignal{0};
std::atomic<int> gPending{0};
std::atomic<int> gDescriptor{-1};

// Async-signal-safe only: atomic stores and a write that cannot block.
extern "C" void onTerminationSignal(int number) {
  int savedErrno = errno;
  gSignal.store(number);
  gPending.store(1);
  signalEventDescriptor(gDescriptor.load());
  errno = savedErrno;
}

bool inheritedAsIgnored(int number) {
  struct sigaction current {};
  return sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

void handle(int number) {
  if (inheritedAsIgnored(number)) return;
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  sigaddset(&action.sa_mask, SIGTERM);
  sigaddset(&action.sa_mask, SIGINT);
  action.sa_flags = SA_RESTART;
  sigaction(number, &action, nullptr);
}

}  // namespace

void closeOnTerminationSignals() {
  if (gDescriptor.load() >= 0) return;
  int descriptor = makeEventDescriptor();
  if (descriptor < 0) return;
  gDescriptor.store(descriptor);
  handle(SIGTERM);
  handle(SIGINT);
}

int terminationSignal() { return gSignal.load(); }

}  // namespace platform

namespace platform::termination {

int wakeDescriptor() { return gDescriptor.load(); }

void drainWake() { drainEventDescriptor(gDescriptor.load()); }

bool takeRequest() { return requestPending() && gPending.exchange(0) != 0; }

bool requestPending() { return gPending.load(std::memory_order_relaxed) != 0; }

}  // namespace platform::termination
