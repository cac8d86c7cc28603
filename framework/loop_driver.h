// Driving the application's run loop from outside it: what a scripted
// driver of the program and the framework's tests do between the inputs
// they give. The loop itself never waits for input; these passes run until
// the program has nothing left to do.
#pragma once

struct ovC_object;

namespace vorn {

enum class LoopOutcome {
  Idle,       // a pass found the queue empty and left it so
  Stopped,    // a pass ended the loop: the application quit
  Unsettled,  // maxPasses passes and still busy
};

// Passes of the loop ("Run" on the application) until one finds the queue
// empty and leaves it so: messages, paints and due timers are handled, and
// deferred commands due now run (the commander wakes the loop for them).
// A message to the thread starts the passes, so that the first never sits
// in the platform's idle wait.
LoopOutcome RunUntilIdle(ovC_object* application, int maxPasses = 100000);

}  // namespace vorn
