// Keyboard state and the US keyboard layout used to turn keys into
// characters.
#pragma once

#include "platform/win32.h"

namespace platform::user {

// Records a key going down or up; answers whether it was down before.
bool recordKey(UINT virtualKey, bool down);
bool keyIsDown(UINT virtualKey);
// The last key (or mouse button) that went down, the generic key for the
// left and right Shift, Ctrl and Alt.
UINT lastKeyPressed();
bool keyToggled(UINT virtualKey);
bool capsLockOn();

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool capsLock = false;
};

// The character a key makes with the current modifiers, or with the given
// ones; 0 for none.
int characterOf(UINT virtualKey);
int characterFor(UINT virtualKey, const Modifiers& modifiers);

// MK_ flags of the mouse buttons and Shift and Ctrl, for mouse messages.
WPARAM mouseKeyFlags();

}  // namespace platform::user
