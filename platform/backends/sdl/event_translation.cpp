#include "platform/backends/sdl/event_translation.h"

#include "platform/backend.h"
#include "platform/backends/sdl/key_map.h"
#include "platform/backends/sdl/native_geometry.h"
#include "platform/input.h"
#include "platform/text/utf8.h"

namespace platform::sdl {
namespace {

bool buttonOf(Uint8 sdlButton, input::Button& button) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: button = input::Button::Left; return true;
    case SDL_BUTTON_RIGHT: button = input::Button::Right; return true;
    case SDL_BUTTON_MIDDLE: button = input::Button::Middle; return true;
    default: return false;
  }
}

}  // namespace

void EventTranslator::translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: mouseMotion(event.motion); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: mouseButton(event.button); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: key(event.key); break;
    case SDL_TEXTINPUT: text(event.text); break;
    case SDL_WINDOWEVENT: windowEvent(event.window); break;
    default: break;
  }
}

void EventTranslator::endBatch(bool programHasFocus) {
  if (focusLost_ && !programHasFocus) input::activation(nullptr, false);
  focusLost_ = false;
}

void EventTranslator::mouseMotion(const SDL_MouseMotionEvent& motion) {
  if (NativeWindow* native = lookup_(motion.windowID)) input::mouseMove(native->screenPoint(motion.x, motion.y));
}

void EventTranslator::mouseButton(const SDL_MouseButtonEvent& event) {
  NativeWindow* native = lookup_(event.windowID);
  input::Button button;
  if (native && buttonOf(event.button, button))
    input::mouseButton(button, event.state == SDL_PRESSED, native->screenPoint(event.x, event.y));
}

void EventTranslator::key(const SDL_KeyboardEvent& event) {
  modifiers_ = event.keysym.mod;
  if (UINT virtualKey = virtualKeyOf(event.keysym)) input::key(virtualKey, event.state == SDL_PRESSED);
}

void EventTranslator::text(const SDL_TextInputEvent& event) {
  bool ctrl = modifiers_ & KMOD_CTRL, alt = modifiers_ & KMOD_ALT;
  if (ctrl == alt) input::text(text::windows1252FromUtf8(event.text));
}

void EventTranslator::windowEvent(const SDL_WindowEvent& event) {
  NativeWindow* native = lookup_(event.windowID);
  if (!native) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: input::closeRequest(native->window()); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      focusLost_ = false;
      if (!native->isPopup()) input::activation(native->window(), true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST: focusLost_ = true; break;
    case SDL_WINDOWEVENT_MOVED:
      native->moved(event.data1, event.data2);
      placement(*native);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      native->resized(event.data1, event.data2);
      placement(*native);
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED: stateChange(*native); break;
    default: break;
  }
}

// The state the native window is in now, after every event read so far,
// is the one to follow: native windows also report the states the platform
// asked for, and those change nothing.
void EventTranslator::stateChange(NativeWindow& native) {
  HWND window = native.window();
  UINT now = native.minimized() ? SC_MINIMIZE : native.maximized() ? SC_MAXIMIZE : SC_RESTORE;
  UINT platform = IsIconic(window) ? SC_MINIMIZE : IsZoomed(window) ? SC_MAXIMIZE : SC_RESTORE;
  if (now != platform) input::systemCommand(window, now);
}

// Native windows also report the moves the platform asked for; those change
// nothing.
void EventTranslator::placement(NativeWindow& native) {
  RECT windowRect{};
  GetWindowRect(native.window(), &windowRect);
  RECT wanted = windowRectFor(native.rect(), windowRect, contentRect(native.window()));
  if (!EqualRect(&wanted, &windowRect)) input::placement(native.window(), wanted);
}

}  // namespace platform::sdl
