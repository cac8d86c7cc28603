#include "platform/user/input_messages.h"

#include <cstdlib>

#include "platform/user/activation.h"
#include "platform/user/cursor_state.h"
#include "platform/user/keyboard.h"
#include "platform/user/window.h"
#include "platform/user/window_class.h"

namespace platform::user {
namespace {

struct ButtonInfo {
  UINT virtualKey;
  UINT down, up, doubleClick;
  UINT ncDown, ncUp, ncDoubleClick;
};

const ButtonInfo& infoOf(input::Button button) {
  static const ButtonInfo info[] = {
      {VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK},
      {VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK},
      {VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_NCMBUTTONDOWN, WM_NCMBUTTONUP, WM_NCMBUTTONDBLCLK},
  };
  return info[static_cast<int>(button)];
}

struct LastClick {
  HWND window = nullptr;
  input::Button button = input::Button::Left;
  DWORD time = 0;
  POINT point{};
  bool valid = false;
};
LastClick lastClick;

UINT messageOf(const RawInput& in, bool client) {
  if (in.kind == RawInput::Kind::MouseMove) return client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
  const ButtonInfo& info = infoOf(in.button);
  if (client) return in.down ? info.down : info.up;
  return in.down ? info.ncDown : info.ncUp;
}

// False when the window asked for the click to be eaten.
bool activateByClick(Window* target, int hit, UINT message) {
  Window* top = topLevelOf(target);
  if (top == activeWindow()) return true;
  LRESULT answer = callWindowProc(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->hwnd), MAKELPARAM(hit, message));
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && windowFrom(top->hwnd)) activate(top, WA_CLICKACTIVE);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool closeEnough(POINT a, POINT b) {
  return std::abs(a.x - b.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(a.y - b.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// The second press of a double click becomes a WM_*BUTTONDBLCLK, in the
// client area only for classes that ask for it with CS_DBLCLKS.
UINT detectDoubleClick(Window* target, const RawInput& in, UINT message, bool client) {
  bool wanted = !client || (target->windowClass && (target->windowClass->info.style & CS_DBLCLKS));
  const LastClick& last = lastClick;
  bool isDouble = wanted && last.valid && last.window == target->hwnd && last.button == in.button &&
                  in.time - last.time <= GetDoubleClickTime() && closeEnough(last.point, in.point);
  if (isDouble) {
    lastClick.valid = false;
    const ButtonInfo& info = infoOf(in.button);
    return client ? info.doubleClick : info.ncDoubleClick;
  }
  lastClick = {target->hwnd, in.button, in.time, in.point, true};
  return message;
}

void queueMouseMessage(MessageQueue& queue, Window* target, UINT message, int hit, const RawInput& in) {
  MSG msg{target->hwnd, message, 0, 0, in.time, in.point};
  if (hit == HTCLIENT) {
    POINT origin = clientOrigin(target);
    msg.wParam = mouseKeyFlags();
    msg.lParam = MAKELPARAM(in.point.x - origin.x, in.point.y - origin.y);
  } else {
    msg.wParam = static_cast<WPARAM>(hit);
    msg.lParam = MAKELPARAM(in.point.x, in.point.y);
  }
  queue.ready.push_back(msg);
}

void mouseInput(MessageQueue& queue, const RawInput& in) {
  moveCursor(in.point);
  bool press = in.kind == RawInput::Kind::MouseButton && in.down;
  if (in.kind == RawInput::Kind::MouseButton) recordKey(infoOf(in.button).virtualKey, in.down);
  Window* target = captureWindow();
  int hit = HTCLIENT;
  bool captured = target != nullptr;
  if (!captured) {
    target = windowUnder(in.point, hit);
    if (target == &desktop() || hit == HTNOWHERE || hit == HTERROR) return;
  }
  HWND hwnd = target->hwnd;
  UINT message = messageOf(in, hit == HTCLIENT);
  if (press && !captured && hit == HTCLIENT) notifyParentsOfPress(target, message, in.point);
  if (!windowFrom(hwnd)) return;
  if (press && !captured && !activateByClick(target, hit, message)) return;
  if (!captured && windowFrom(hwnd)) callWindowProc(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(hit, message));
  if (!windowFrom(hwnd)) return;
  if (press) message = detectDoubleClick(target, in, message, hit == HTCLIENT);
  queueMouseMessage(queue, target, message, hit, in);
}

// Keys go to the focus window; with no focus, to the active window as
// system keys. Alt (without Ctrl) and F10 make system keys too.
void keyInput(MessageQueue& queue, const RawInput& in) {
  bool altBefore = keyIsDown(VK_MENU);
  bool wasDown = recordKey(in.virtualKey, in.down);
  bool alt = keyIsDown(VK_MENU), ctrl = keyIsDown(VK_CONTROL);
  Window* target = focusWindow();
  bool system = !target || (alt && !ctrl) || in.virtualKey == VK_F10 || (in.virtualKey == VK_MENU && !ctrl);
  if (!target) target = activeWindow();
  if (!target || !topLevelOf(target)->isEnabled()) return;
  UINT message = in.down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  bool context = in.down ? alt : altBefore;
  DWORD flags = 1u | (context ? 1u << 29 : 0u) | (wasDown ? 1u << 30 : 0u) | (in.down ? 0u : 1u << 31);
  queue.ready.push_back({target->hwnd, message, in.virtualKey, static_cast<LPARAM>(flags), in.time, cursorPosition()});
}

void textInput(MessageQueue& queue, const RawInput& in) {
  Window* target = focusWindow();
  if (!target) target = activeWindow();
  if (!target || !topLevelOf(target)->isEnabled()) return;
  for (char c : in.text)
    queue.ready.push_back({target->hwnd, WM_CHAR, static_cast<unsigned char>(c), 1, in.time, cursorPosition()});
}

void systemCommandInput(MessageQueue& queue, const RawInput& in) {
  Window* w = windowFrom(in.window);
  if (w && w->isTopLevel()) queue.ready.push_back({w->hwnd, WM_SYSCOMMAND, in.command, 0, in.time, cursorPosition()});
}

void activationInput(const RawInput& in) {
  Window* w = windowFrom(in.window);
  if (!in.down) deactivateApplication();
  else if (w && w->isTopLevel() && w->isVisible() && w->isEnabled()) activate(w, WA_ACTIVE);
}

// A minimised window keeps its place off the screen whatever the window
// manager reports of its icon.
void placementInput(const RawInput& in) {
  Window* w = windowFrom(in.window);
  if (!w || !w->isTopLevel() || w->isMinimized()) return;
  const RECT& r = in.rect;
  SetWindowPos(w->hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void translateInput(MessageQueue& queue, const RawInput& input) {
  switch (input.kind) {
    case RawInput::Kind::MouseMove:
    case RawInput::Kind::MouseButton: mouseInput(queue, input); break;
    case RawInput::Kind::Key: keyInput(queue, input); break;
    case RawInput::Kind::Text: textInput(queue, input); break;
    case RawInput::Kind::SystemCommand: systemCommandInput(queue, input); break;
    case RawInput::Kind::Activation: activationInput(input); break;
    case RawInput::Kind::Placement: placementInput(input); break;
  }
}

}  // namespace platform::user
