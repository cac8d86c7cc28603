#include "platform/input.h"

#include "platform/user/message_queue.h"

namespace platform::input {
namespace {

using user::RawInput;

void deliver(RawInput event) {
  event.time = GetTickCount();
  user::inputQueue().postInput(std::move(event));
}

}  // namespace

void mouseMove(POINT screen) {
  RawInput e;
  e.kind = RawInput::Kind::MouseMove;
  e.point = screen;
  deliver(std::move(e));
}

void mouseButton(Button button, bool down, POINT screen) {
  RawInput e;
  e.kind = RawInput::Kind::MouseButton;
  e.button = button;
  e.down = down;
  e.point = screen;
  deliver(std::move(e));
}

void key(UINT virtualKey, bool down) {
  RawInput e;
  e.kind = RawInput::Kind::Key;
  e.virtualKey = virtualKey;
  e.down = down;
  deliver(std::move(e));
}

void text(std::string_view characters) {
  RawInput e;
  e.kind = RawInput::Kind::Text;
  e.text = characters;
  deliver(std::move(e));
}

void closeRequest(HWND window) { systemCommand(window, SC_CLOSE); }

void systemCommand(HWND window, UINT command) {
  RawInput e;
  e.kind = RawInput::Kind::SystemCommand;
  e.window = window;
  e.command = command;
  deliver(std::move(e));
}

void activation(HWND window, bool active) {
  RawInput e;
  e.kind = RawInput::Kind::Activation;
  e.window = window;
  e.down = active;
  deliver(std::move(e));
}

void placement(HWND window, const RECT& screenRect) {
  RawInput e;
  e.kind = RawInput::Kind::Placement;
  e.window = window;
  e.rect = screenRect;
  deliver(std::move(e));
}

}  // namespace platform::input
