#include "framework/idle_wait.h"

#include <utility>

#include "framework/deferred_due.h"
#include "platform/win32.h"

namespace vorn {
namespace {

// Set by an idle pass that found no deferred command due.
bool gNothingToDo = false;

DWORD timeUntilFirstDue(ovC_object* commander) {
  return TimeUntilFirstDue(commander, static_cast<int32_t>(GetTickCount()));
}

// Whether input, a post, a timer or a paint request is there, or arrives
// within the time.
bool messageWithin(DWORD milliseconds) {
  return MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT;
}

}  // namespace

void NoteIdlePass(bool foundCommandDue) { gNothingToDo = !foundCommandDue; }

// An idle loop waits here instead of spinning.
void WaitIfIdle(ovC_object* commander) {
  if (std::exchange(gNothingToDo, false)) messageWithin(timeUntilFirstDue(commander));
}

bool LoopWouldWait(ovC_object* commander) {
  return gNothingToDo && timeUntilFirstDue(commander) != 0 && !messageWithin(0);
}

}  // namespace vorn
