#include "platform/user/timers.h"

#include <algorithm>

#include "platform/user/window.h"

namespace platform::user {
namespace {

bool due(const Timer& t, DWORD now) { return static_cast<int32_t>(now - t.due) >= 0; }

Timer* findTimer(MessageQueue& queue, HWND window, UINT_PTR id) {
  for (Timer& t : queue.timers)
    if (t.window == window && t.id == id) return &t;
  return nullptr;
}

UINT_PTR freshThreadTimerId(MessageQueue& queue) {
  UINT_PTR id = 1;
  while (findTimer(queue, nullptr, id)) ++id;
  return id;
}

}  // namespace

bool takeDueTimer(MessageQueue& queue, MSG& out, HWND filter, bool remove) {
  DWORD now = GetTickCount();
  for (Timer& t : queue.timers) {
    if (!due(t, now) || (filter && filter != t.window)) continue;
    out = {t.window, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc), now, {}};
    if (remove) t.due = now + t.interval;
    return true;
  }
  return false;
}

bool timerDue(MessageQueue& queue) {
  DWORD now = GetTickCount();
  return std::ranges::any_of(queue.timers, [now](const Timer& t) { return due(t, now); });
}

bool timerDueSince(MessageQueue& queue, DWORD since) {
  DWORD now = GetTickCount();
  return std::ranges::any_of(queue.timers, [now, since](const Timer& t) { return due(t, now) && !due(t, since); });
}

// A timer already due when the thread last looked stays due until its
// WM_TIMER is taken, so it is no reason to wake; one that fell due since
// (between the caller's look and this call) is a reason to wake at once.
DWORD timeToNextTimer(MessageQueue& queue) {
  DWORD now = GetTickCount();
  DWORD wait = INFINITE;
  for (const Timer& t : queue.timers) {
    if (due(t, queue.timersSeenAt)) continue;
    wait = std::min<DWORD>(wait, due(t, now) ? 0 : t.due - now);
  }
  return wait;
}

void killTimersOf(HWND window) {
  std::erase_if(currentQueue().timers, [window](const Timer& t) { return t.window == window; });
}

}  // namespace platform::user

using namespace platform::user;

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  if (hWnd && !windowOrFail(hWnd)) return 0;
  MessageQueue& queue = currentQueue();
  UINT_PTR id = hWnd ? nIDEvent : (nIDEvent && findTimer(queue, nullptr, nIDEvent) ? nIDEvent : freshThreadTimerId(queue));
  UINT interval = std::clamp<UINT>(uElapse, 10, 0x7FFFFFFF);
  Timer* timer = findTimer(queue, hWnd, id);
  if (!timer) {
    queue.timers.push_back({hWnd, id, 0, nullptr, 0});
    timer = &queue.timers.back();
  }
  timer->interval = interval;
  timer->proc = lpTimerFunc;
  timer->due = GetTickCount() + interval;
  return hWnd ? (id ? id : 1) : id;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  MessageQueue& queue = currentQueue();
  Timer* timer = findTimer(queue, hWnd, uIDEvent);
  if (!timer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::erase_if(queue.timers, [timer](const Timer& t) { return &t == timer; });
  return TRUE;
}
