// SDL keys to virtual keys: letters by the layout, the rest by position,
// the keypad by Num Lock.
#include <gtest/gtest.h>

#include "platform/backends/sdl/key_map.h"

namespace {

using platform::sdl::virtualKeyOf;

SDL_Keysym keyAt(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
  SDL_Keysym key{};
  key.scancode = scancode;
  key.sym = sym;
  key.mod = mod;
  return key;
}

TEST(SdlKeyMap, LettersFollowTheLayoutAndOtherKeysTheirPlace) {
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_A, SDLK_a)), 'A');
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_Q, SDLK_a)), 'A');          // French layout: A where Q is
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_Q, 0x0439)), 'Q');          // Cyrillic letter: by place
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_1, SDLK_AMPERSAND)), '1');  // French digit row
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_0, SDLK_0)), '0');
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_9, SDLK_9)), '9');
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON)), VK_OEM_1);
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_F1, SDLK_F1)), VK_F1);
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_F12, SDLK_F12)), VK_F12);
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_F13, SDLK_F13)), 0u);
}

TEST(SdlKeyMap, ModifiersAreTheGenericKeysAsInKeyMessages) {
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT)), VK_SHIFT);
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_RCTRL, SDLK_RCTRL)), VK_CONTROL);
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_LALT, SDLK_LALT)), VK_MENU);
  EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_RALT, SDLK_RALT)), VK_MENU);
}

TEST(SdlKeyMap, KeypadFollowsNumLock) {
  struct Case {
    SDL_Scancode scancode;
    UINT withNumLock, without;
  } cases[] = {
      {SDL_SCANCODE_KP_1, VK_NUMPAD0 + 1, VK_END},   {SDL_SCANCODE_KP_2, VK_NUMPAD0 + 2, VK_DOWN},
      {SDL_SCANCODE_KP_5, VK_NUMPAD0 + 5, VK_CLEAR}, {SDL_SCANCODE_KP_9, VK_NUMPAD9, VK_PRIOR},
      {SDL_SCANCODE_KP_0, VK_NUMPAD0, VK_INSERT},    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
      {SDL_SCANCODE_KP_ENTER, VK_RETURN, VK_RETURN}, {SDL_SCANCODE_KP_PLUS, VK_ADD, VK_ADD},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(SDL_GetScancodeName(c.scancode));
    EXPECT_EQ(virtualKeyOf(keyAt(c.scancode, 0, KMOD_NUM)), c.withNumLock);
    EXPECT_EQ(virtualKeyOf(keyAt(c.scancode, 0)), c.without);
  }
}

}  // namespace
