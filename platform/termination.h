// Ending the program from outside: SIGTERM and SIGINT become the request a
// window manager's close button makes, so that the program ends through its
// own shutdown, as when a person closes its window.
//
// The signal handler only records the request and writes an event
// descriptor that the backends' waits watch (nothing else is safe in a
// handler). The next read of the queue ends a mode that holds the pointer
// (an open menu) and turns the request into a close request (WM_SYSCOMMAND,
// SC_CLOSE) to every shown top-level window that has a caption, front to
// back, so owned windows such as dialogs close before their owners; with no
// such window it posts WM_QUIT. A signal that comes
// while an earlier one is still being handled asks again; the descriptor is
// never closed, so a late signal never writes into a reused one.
#pragma once

namespace platform {

// Installs the handlers (once; a later call does nothing). A signal the
// process inherited as ignored stays ignored. Programs call this at start;
// tests and other processes that do not keep their usual reaction.
void closeOnTerminationSignals();

// The last termination signal that came (SIGTERM, SIGINT), 0 when none did.
int terminationSignal();

}  // namespace platform

namespace platform::termination {

// For the platform itself. The descriptor that becomes readable when a
// signal comes (-1 before closeOnTerminationSignals): a backend's wait
// watches it besides its own and calls drainWake after waking.
int wakeDescriptor();
void drainWake();
// Whether a request came since the last call.
bool takeRequest();
// Whether a request came that takeRequest has not taken yet.
bool requestPending();

}  // namespace platform::termination
