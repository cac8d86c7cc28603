// What a thread's queue holds, by QS_ kind, and what of it is new.
//
// Each time the thread looks at its queue (PeekMessageA, GetMessageA,
// GetQueueStatus, WaitMessage, MsgWaitForMultipleObjectsEx) what is there
// stops being new; a wait without MWMO_INPUTAVAILABLE waits for what is new.
// Posted messages and input are new from their arrival, a timer from the
// tick it falls due. Paint is new when a window needs it and none did at
// the last look, or a WM_PAINT was handed out since: the queue does not
// record invalidations one by one, and errs towards waking.
#pragma once

#include "platform/user/message_queue.h"

namespace platform::user {

// The QS_ kinds of what the queue holds: posted messages, input, paint
// needed, timers due.
UINT queuedKinds(MessageQueue& queue);
// The QS_ kinds that are new, without looking.
UINT newKinds(MessageQueue& queue);
// The QS_ kinds among kinds that are new, which the thread now has seen.
UINT lookAt(MessageQueue& queue, UINT kinds);

}  // namespace platform::user
