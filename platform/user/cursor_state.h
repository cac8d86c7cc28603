// Where the mouse is, as the input has left it.
#pragma once

#include "platform/win32.h"

namespace platform::user {

void moveCursor(POINT screen);
POINT cursorPosition();

}  // namespace platform::user
