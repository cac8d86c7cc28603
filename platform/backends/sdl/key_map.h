// SDL keys as Windows virtual keys.
#pragma once

#include <SDL2/SDL_keyboard.h>

#include "platform/win32.h"

namespace platform::sdl {

// Letter keys follow the keyboard layout, as Windows' do; every other key
// is known by its position. The keypad's digits and point are navigation
// keys while Num Lock is off. 0 for a key Windows has no virtual key for.
UINT virtualKeyOf(const SDL_Keysym& key);

}  // namespace platform::sdl
