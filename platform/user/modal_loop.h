// A message loop that runs inside a call until its owner is done: an open
// menu being tracked, a modal dialog.
#pragma once

#include "platform/win32.h"

namespace platform::user {

class ModalLoop {
 public:
  virtual ~ModalLoop() = default;
  virtual bool done() const = 0;
  // Sees each message before it is translated and dispatched; true when it
  // took the message itself.
  virtual bool preview(MSG& msg) = 0;
  // The queue has run dry (once each time it does).
  virtual void idle() = 0;
};

// Runs the loop until done() holds; false when WM_QUIT ended it instead,
// in which case the quit request is made again for the loop outside.
bool runModalLoop(ModalLoop& loop);

}  // namespace platform::user
