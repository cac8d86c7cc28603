// The run loop's wait between passes.
//
// The loop takes one message per pass with PeekMessageA, which never waits.
// An idle pass that found no deferred command due had nothing to do, and
// neither has the next until input, a post, a timer or a paint request
// arrives or the first deferred command falls due; so the next pass first
// waits for whichever comes first, and an idle program sleeps instead of
// spinning through idle passes.
#pragma once

struct ovC_object;

namespace vorn {

// After an idle pass: whether it found a deferred command due.
void NoteIdlePass(bool foundCommandDue);
// Before a pass: after an idle pass that found nothing due, waits until
// something arrives or the commander's first deferred command falls due.
void WaitIfIdle(ovC_object* commander);
// Whether the next pass would wait: the last pass was idle with nothing
// due, and nothing has arrived or fallen due since.
bool LoopWouldWait(ovC_object* commander);

}  // namespace vorn
