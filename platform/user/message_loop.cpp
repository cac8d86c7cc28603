// Reading the queue: PeekMessageA and GetMessageA.
//
// Order of what a read finds, as in Windows: posted messages, then input
// messages, then the quit request, then WM_PAINT for a window needing paint,
// then due timers.
//
// Idle wait: PeekMessageA never blocks its caller while something is there,
// but when the previous call also found nothing and nothing was drawn since
// (the caller was not busy meanwhile), it waits before answering again:
// until input, a posted message or the next timer (with no timer, until
// input or a post). A polling loop therefore sleeps between idle passes
// instead of spinning, and an idle program does not wake at all: work that
// a loop defers to later passes must be announced with a posted message or
// a timer, as the framework does for its deferred commands.
#include "platform/backend.h"
#include "platform/user/cursor_state.h"
#include "platform/user/input_messages.h"
#include "platform/user/painting.h"
#include "platform/user/termination_request.h"
#include "platform/user/timers.h"

namespace platform::user {
namespace {

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

bool takePaint(MSG& out, HWND filter, UINT first, UINT last) {
  Window* w = windowToPaint();
  if (!w) return false;
  MSG msg{w->hwnd, WM_PAINT, 0, 0, GetTickCount(), cursorPosition()};
  if (!passesFilter(msg, filter, first, last)) return false;
  out = msg;
  return true;
}

bool takeQuit(MessageQueue& queue, MSG& out, bool remove) {
  int exitCode = 0;
  if (!queue.takeQuit(exitCode, remove)) return false;
  out = {nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, GetTickCount(), cursorPosition()};
  return true;
}

bool takeMessage(MessageQueue& queue, MSG& out, HWND filter, UINT first, UINT last, bool remove) {
  backend().pollInput();
  deliverTerminationRequest();
  return queue.takePosted(out, filter, first, last, remove) || takeInput(queue, out, filter, first, last, remove) ||
         takeQuit(queue, out, remove) || takePaint(out, filter, first, last) ||
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
  bool remove = wRemoveMsg & PM_REMOVE;
  bool found = takeMessage(queue, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove);
  if (!found) {
    bool drewSinceLastRead = presentSurfaces();
    DWORD wait = timeToNextTimer(queue);
    if (queue.lastPeekEmpty && !drewSinceLastRead && wait > 0) {
      backend().waitForInput(wait);
      found = takeMessage(queue, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove);
    }
  }
  queue.lastPeekEmpty = !found;
  if (found) remember(queue, *lpMsg);
  return found;
}

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (!lpMsg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  MessageQueue& queue = currentQueue();
  while (!takeMessage(queue, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true)) {
    presentSurfaces();
    backend().waitForInput(timeToNextTimer(queue));
  }
  queue.lastPeekEmpty = false;
  remember(queue, *lpMsg);
  return lpMsg->message != WM_QUIT;
}

// A kind counts as new when the previous call did not find it; the queue
// does not record arrivals one by one.
DWORD WINAPI GetQueueStatus(UINT flags) {
  MessageQueue& queue = currentQueue();
  backend().pollInput();
  UINT kinds = queue.pendingKinds();
  if (windowToPaint()) kinds |= QS_PAINT;
  if (timeToNextTimer(queue) == 0) kinds |= QS_TIMER;
  kinds &= flags;
  UINT fresh = kinds & ~queue.kindsAtLastStatus;
  queue.kindsAtLastStatus = kinds;
  return MAKELONG(fresh, kinds);
}

LONG WINAPI GetMessageTime(void) { return static_cast<LONG>(currentQueue().lastMessageTime); }

DWORD WINAPI GetMessagePos(void) {
  POINT p = currentQueue().lastMessagePos;
  return static_cast<DWORD>(MAKELONG(p.x, p.y));
}
