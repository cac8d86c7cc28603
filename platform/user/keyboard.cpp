#include "platform/user/keyboard.h"

#include <cstring>
#include <initializer_list>

namespace platform::user {
namespace {

BYTE keys[256];  // bit 0x80: down; bit 0x01: toggled by each press
UINT lastPressed = 0;

// The generic modifier keys follow their left and right keys.
UINT genericOf(UINT vk) {
  switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
  }
}

char punctuation(UINT vk, bool shift) {
  static const struct {
    UINT vk;
    char plain, shifted;
  } table[] = {{VK_OEM_1, ';', ':'},  {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
               {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
               {VK_OEM_3, '`', '~'},  {VK_OEM_4, '[', '{'},     {VK_OEM_5, '\\', '|'},
               {VK_OEM_6, ']', '}'},  {VK_OEM_7, '\'', '"'},    {VK_SPACE, ' ', ' '}};
  for (const auto& entry : table)
    if (entry.vk == vk) return shift ? entry.shifted : entry.plain;
  return 0;
}

char keypad(UINT vk) {
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<char>('0' + (vk - VK_NUMPAD0));
  switch (vk) {
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    default: return 0;
  }
}

int controlCharacter(UINT vk, bool ctrl) {
  switch (vk) {
    case VK_BACK: return ctrl ? 0x7F : 0x08;
    case VK_TAB: return ctrl ? 0 : 0x09;
    case VK_RETURN: return ctrl ? 0x0A : 0x0D;
    case VK_ESCAPE: return 0x1B;
    default: return -1;
  }
}

}  // namespace

bool recordKey(UINT virtualKey, bool down) {
  UINT vk = virtualKey & 0xFF;
  bool wasDown = keys[vk] & 0x80;
  if (down) lastPressed = genericOf(vk);
  for (UINT k : {vk, genericOf(vk)}) {
    if (down) keys[k] = static_cast<BYTE>(0x80 | ((keys[k] & 0x01) ^ (wasDown ? 0 : 1)));
    else keys[k] &= 0x01;
  }
  return wasDown;
}

bool keyIsDown(UINT virtualKey) { return keys[virtualKey & 0xFF] & 0x80; }
UINT lastKeyPressed() { return lastPressed; }
bool keyToggled(UINT virtualKey) { return keys[virtualKey & 0xFF] & 0x01; }
bool capsLockOn() { return keyToggled(VK_CAPITAL); }

int characterOf(UINT vk) {
  return characterFor(vk, {keyIsDown(VK_SHIFT), keyIsDown(VK_CONTROL), keyIsDown(VK_MENU), capsLockOn()});
}

int characterFor(UINT vk, const Modifiers& m) {
  int control = controlCharacter(vk, m.ctrl);
  if (control >= 0) return control;
  if (vk >= 'A' && vk <= 'Z') {
    if (m.ctrl && !m.alt) return static_cast<int>(vk - 'A' + 1);
    return (m.shift != m.capsLock) ? static_cast<int>(vk) : static_cast<int>(vk - 'A' + 'a');
  }
  if (m.ctrl && !m.alt) return 0;
  if (vk >= '0' && vk <= '9') return m.shift ? ")!@#$%^&*("[vk - '0'] : static_cast<int>(vk);
  if (char c = keypad(vk)) return c;
  return punctuation(vk, m.shift);
}

WPARAM mouseKeyFlags() {
  WPARAM flags = 0;
  if (keyIsDown(VK_LBUTTON)) flags |= MK_LBUTTON;
  if (keyIsDown(VK_RBUTTON)) flags |= MK_RBUTTON;
  if (keyIsDown(VK_MBUTTON)) flags |= MK_MBUTTON;
  if (keyIsDown(VK_SHIFT)) flags |= MK_SHIFT;
  if (keyIsDown(VK_CONTROL)) flags |= MK_CONTROL;
  return flags;
}

}  // namespace platform::user

short WINAPI GetKeyState(int nVirtKey) {
  using namespace platform::user;
  UINT vk = static_cast<UINT>(nVirtKey) & 0xFF;
  short state = keyIsDown(vk) ? static_cast<short>(0x8000) : 0;
  if (keyToggled(vk)) state |= 1;
  return state;
}

short WINAPI GetAsyncKeyState(int vKey) { return GetKeyState(vKey); }

// Searches the keys of the main keyboard (the keypad's duplicates left out)
// under no modifier, Shift, Ctrl and Ctrl+Shift, in that order.
SHORT WINAPI VkKeyScanA(CHAR ch) {
  using namespace platform::user;
  auto wanted = static_cast<int>(static_cast<unsigned char>(ch));
  for (int state : {0, 1, 2, 3}) {
    Modifiers m{(state & 1) != 0, (state & 2) != 0, false, false};
    for (UINT vk = 1; vk < 256; ++vk) {
      bool keypadKey = vk >= VK_NUMPAD0 && vk <= VK_DIVIDE;
      if (!keypadKey && characterFor(vk, m) == wanted) return static_cast<SHORT>(state << 8 | vk);
    }
  }
  return -1;
}
