// Sending, posting, dispatching and translating messages.
#include "platform/backend.h"
#include "platform/user/cursor_state.h"
#include "platform/user/keyboard.h"
#include "platform/user/message_queue.h"
#include "platform/user/message_trace.h"
#include "platform/user/painting.h"

using namespace platform;
using namespace platform::user;

namespace {

// A window procedure that returns from WM_PAINT without painting would be
// handed WM_PAINT again forever; what it left unpainted counts as painted.
void settlePaint(Window* w) {
  if (!windowFrom(w->hwnd) || !needsPaint(w)) return;
  paintFrameNow(w);
  validate(w, nullptr);
}

// Queues a message for the thread of hWnd, or for this thread's own when
// hWnd is NULL.
BOOL post(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  MessageQueue* queue = &currentQueue();
  if (hWnd) {
    Window* w = windowOrFail(hWnd);
    if (!w) return FALSE;
    if (w->queue) queue = w->queue;
  }
  queue->post({hWnd, Msg, wParam, lParam, GetTickCount(), cursorPosition()});
  return TRUE;
}

}  // namespace

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* w = windowOrFail(hWnd);
  return w ? callWindowProc(w, Msg, wParam, lParam) : 0;
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  BOOL posted = post(hWnd, Msg, wParam, lParam);
  if (gTraceMessages) [[unlikely]]
    tracePost(hWnd, Msg, wParam, lParam, posted);
  return posted;
}

void WINAPI PostQuitMessage(int nExitCode) {
  currentQueue().postQuit(nExitCode);
  if (gTraceMessages) [[unlikely]]
    tracePost(nullptr, WM_QUIT, static_cast<WPARAM>(nExitCode), 0, TRUE);
}

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
  if (!lpMsg) return 0;
  if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
    reinterpret_cast<TIMERPROC>(lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
    return 0;
  }
  if (!lpMsg->hwnd) return 0;
  Window* w = windowOrFail(lpMsg->hwnd);
  if (!w) return 0;
  auto alive = keepAlive(w);
  LRESULT result = dispatchToWindowProc(w, *lpMsg);
  if (lpMsg->message == WM_PAINT) settlePaint(w);
  return result;
}

// WM_KEYDOWN and WM_SYSKEYDOWN of a key that makes a character post
// WM_CHAR or WM_SYSCHAR with it. A backend that types characters itself
// delivers the printable ones of WM_KEYDOWN as WM_CHAR already.
BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg) return FALSE;
  UINT m = lpMsg->message;
  if (m != WM_KEYDOWN && m != WM_SYSKEYDOWN && m != WM_KEYUP && m != WM_SYSKEYUP) return FALSE;
  if (m == WM_KEYUP || m == WM_SYSKEYUP) return TRUE;
  int c = characterOf(static_cast<UINT>(lpMsg->wParam));
  if (c == 0) return TRUE;
  bool printable = c >= 0x20 && c != 0x7F;
  if (m == WM_KEYDOWN && printable && platform::backend().typesCharacters()) return TRUE;
  PostMessageA(lpMsg->hwnd, m == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(c), lpMsg->lParam);
  return TRUE;
}
