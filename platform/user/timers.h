// Timers of the calling thread: WM_TIMER when due and nothing else waits.
#pragma once

#include "platform/user/message_queue.h"

namespace platform::user {

// A WM_TIMER for the first due timer, rescheduling it when remove.
bool takeDueTimer(MessageQueue& queue, MSG& out, HWND filter, bool remove);
// Whether a timer is due.
bool timerDue(MessageQueue& queue);
// Whether a timer fell due after tick since (and is due now).
bool timerDueSince(MessageQueue& queue, DWORD since);
// Milliseconds until the next timer the thread has not seen due falls due:
// 0 when one fell due since it last looked, INFINITE when there is none.
DWORD timeToNextTimer(MessageQueue& queue);
void killTimersOf(HWND window);

}  // namespace platform::user
