// SDL's events as the platform's input (platform/input.h).
//
// - Mouse positions become positions on the platform's screen (in its
//   pixels, display_scale.h) through the native window the event happened
//   in.
// - Keys become virtual keys. Typed text becomes Windows-1252 characters,
//   except while Ctrl or Alt is held without the other: SDL types the letter
//   of Alt+F too, but such keys make WM_SYSCHAR or control characters
//   through TranslateMessage instead.
// - The window manager's close button, moves and resizes become close
//   requests and placements, its minimising, maximising and restoring the
//   system commands that ask for the same; keyboard focus becomes
//   activation. Focus moving
//   from one of the program's windows to another is no loss of activation:
//   a loss counts only when, at the end of a batch of events, none of the
//   program's windows has the focus.
#pragma once

#include <functional>

#include <SDL2/SDL_events.h>

#include "platform/backends/sdl/native_window.h"

namespace platform::sdl {

class EventTranslator {
 public:
  // The native window of an SDL window id, or nullptr for none of ours.
  using WindowLookup = std::function<NativeWindow*(Uint32 windowId)>;

  explicit EventTranslator(WindowLookup lookup) : lookup_(std::move(lookup)) {}

  void translate(const SDL_Event& event);
  void endBatch(bool programHasFocus);

 private:
  void mouseMotion(const SDL_MouseMotionEvent& motion);
  void mouseButton(const SDL_MouseButtonEvent& button);
  void key(const SDL_KeyboardEvent& key);
  void text(const SDL_TextInputEvent& text);
  void windowEvent(const SDL_WindowEvent& event);
  void placement(NativeWindow& native);
  void stateChange(NativeWindow& native);

  WindowLookup lookup_;
  Uint16 modifiers_ = KMOD_NONE;
  bool focusLost_ = false;
};

}  // namespace platform::sdl
