// Driving the application's run loop from outside it: what a scripted
// driver of the program and the framework's tests do between the inputs
// they give. These passes run until the program has nothing left to do, and
// stop before the loop would wait for more.
#pragma once

struct ovC_object;

namespace vorn {

enum class LoopOutcome {
  Idle,       // a pass found the queue empty and left it so, nothing due
  Stopped,    // a pass ended the loop: the application quit
  Unsettled,  // maxPasses passes and still busy
};

// Passes of the loop ("Run" on the application) until one finds the queue
// empty and leaves it so, with no deferred command due: messages, paints
// and due timers are handled, and deferred commands due now run. A message
// to the thread starts the passes, so that the first never sits in the
// loop's idle wait.
LoopOutcome RunUntilIdle(ovC_object* application, int maxPasses = 100000);

}  // namespace vorn
