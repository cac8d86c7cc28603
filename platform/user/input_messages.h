// Turning raw input into window messages, when the queue is read.
#pragma once

#include "platform/user/message_queue.h"

namespace platform::user {

// Handles one raw input event; the messages it makes go to queue.ready
// (some, like activation, are sent on the spot instead).
void translateInput(MessageQueue& queue, const RawInput& input);

}  // namespace platform::user
