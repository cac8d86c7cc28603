// Keyboard state and the US keyboard layout used to turn keys into
// characters.
#pragma once

#include "platform/win32.h"

namespace platform::user {

// Records a key going down or up; answers whether it was down before.
bool recordKey(UINT virtualKey, bool down);
bool keyIsDown(UINT virtualKey);
bool keyToggled(UINT virtualKey);
bool capsLockOn();

// The character a key makes with the current modifiers, or 0 for none.
int characterOf(UINT virtualKey);

// MK_ flags of the mouse buttons and Shift and Ctrl, for mouse messages.
WPARAM mouseKeyFlags();

}  // namespace platform::user
