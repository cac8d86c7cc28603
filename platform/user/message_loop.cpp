// Reading the queue: PeekMessageA, GetMessageA and GetQueueStatus.
//
// Order of what a read finds, as in Windows: posted messages, then input
// messages, then the quit request, then WM_PAINT for a window needing paint,
// then due timers.
//
// PeekMessageA never waits, as in Windows: a read that finds nothing
// presents what was drawn since and answers at once. Waiting belongs to the
// caller that knows it is idle (WaitMessage, MsgWaitForMultipleObjectsEx,
// message_wait.cpp), and to GetMessageA.
#include "platform/backend.h"
#include "platform/user/cursor_state.h"
#include "platform/user/input_messages.h"
#include "platform/user/painting.h"
#include "platform/user/queue_status.h"
#include "platform/user/termination_request.h"
#include "platform/user/timers.h"

namespace platform::user {
namespace {

constexpr UINT kEveryKind = QS_ALLINPUT | QS_ALLPOSTMESSAGE;

bool takeReady(MessageQueue& queue, MSG& out, HWND filter, UINT first, UINT last, bool remove) {
  for (auto it = queue.ready.begin(); it != queue.ready.end(); ++it) {
    if (!passesFilter(*it, filter, first, last)) continue;
    out = *it;
    if (remove) queue.ready.erase(it);
    return true;
  }
  return false;
}

bool takeInput(MessageQueue& queue, MSG& out, HWND filter, UINT first, UINT last, bool remove) {
  if (takeReady(queue, out, filter, first, last, remove)) return true;
  RawInput input;
  while (queue.takeRawInput(input)) {
    translateInput(queue, input);
    if (takeReady(queue, out, filter, first, last, remove)) return true;
  }
  return false;
}

// Paint needed once the WM_PAINT handed out is handled was asked for anew
// (or not yet painted): it counts as new.
bool takePaint(MessageQueue& queue, MSG& out, HWND filter, UINT first, UINT last) {
  Window* w = windowToPaint();
  if (!w) return false;
  MSG msg{w->hwnd, WM_PAINT, 0, 0, GetTickCount(), cursorPosition()};
  if (!passesFilter(msg, filter, first, last)) return false;
  out = msg;
  queue.paintSeen = false;
  return true;
}

bool takeQuit(MessageQueue& queue, MSG& out, bool remove) {
  int exitCode = 0;
  if (!queue.takeQuit(exitCode, remove)) return false;
  out = {nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, GetTickCount(), cursorPosition()};
  return true;
}

// A read looks at the whole queue, whatever its filter: nothing in it is new
// afterwards.
bool takeMessage(MessageQueue& queue, MSG& out, HWND filter, UINT first, UINT last, bool remove) {
  backend().pollInput();
  deliverTerminationRequest();
  lookAt(queue, kEveryKind);
  return queue.takePosted(out, filter, first, last, remove) || takeInput(queue, out, filter, first, last, remove) ||
         takeQuit(queue, out, remove) || takePaint(queue, out, filter, first, last) ||
         takeDueTimer(queue, out, filter, remove);
}

void remember(MessageQueue& queue, const MSG& msg) {
  queue.lastMessageTime = msg.time;
  queue.lastMessagePos = msg.pt;
}

}  // namespace

}  // namespace platform::user

using namespace platform;
using namespace platform::user;

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  MessageQueue& queue = currentQueue();
  bool found = takeMessage(queue, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg & PM_REMOVE);
  if (found) remember(queue, *lpMsg);
  else presentSurfaces();
  return found;
}

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  MessageQueue& queue = currentQueue();
  while (!takeMessage(queue, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true)) WaitMessage();
  remember(queue, *lpMsg);
  return lpMsg->message != WM_QUIT;
}

DWORD WINAPI GetQueueStatus(UINT flags) {
  if (flags & ~kEveryKind) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  MessageQueue& queue = currentQueue();
  backend().pollInput();
  UINT queued = queuedKinds(queue) & flags;
  return MAKELONG(lookAt(queue, flags), queued);
}

LONG WINAPI GetMessageTime(void) { return static_cast<LONG>(currentQueue().lastMessageTime); }

DWORD WINAPI GetMessagePos(void) {
  POINT p = currentQueue().lastMessagePos;
  return static_cast<DWORD>(MAKELONG(p.x, p.y));
}
