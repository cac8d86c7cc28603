// A termination signal's request (platform/termination.h) delivered when
// the queue is read.
#pragma once

namespace platform::user {

// When a signal came since the last call: WM_CANCELMODE to the window that
// has the mouse capture (an open menu ends), then a close request to every
// shown top-level window with a caption, front to back; WM_QUIT when there
// is none.
void deliverTerminationRequest();

}  // namespace platform::user
