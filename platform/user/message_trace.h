// The message trace: with "messages" among the comma-separated words of
// VELMARO_TRACE, every message a window procedure is handed (sent, or
// dispatched from the queue), every message posted and every message passed
// to the default procedure is printed on standard error as it happens: its
// depth, the window's class and name, the message's name, how it travels,
// wParam and lParam, then the answer. A message whose handling passes on
// no message takes one line; one that does opens with "{" and closes with
// "}" and its answer, as the send trace does for sends. Off, the trace
// costs one predictable branch per message.
#pragma once

#include "platform/win32.h"

namespace platform::user {

struct Window;

// Whether the trace is on; read from the environment at start.
extern bool gTraceMessages;

enum class MessageRoad { kSent, kDispatched, kDefault };

void enterMessage(MessageRoad road, const Window* window, UINT message, WPARAM wParam, LPARAM lParam);
void leaveMessage(LRESULT answer);
// A post, whether or not it reached a queue (posted is what PostMessageA
// answered).
void tracePost(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL posted);

// Hands a message to handle() between its trace lines.
template <typename Handle>
LRESULT traceMessage(MessageRoad road, const Window* window, UINT message, WPARAM wParam, LPARAM lParam,
                     Handle handle) {
  enterMessage(road, window, message, wParam, lParam);
  LRESULT answer = handle();
  leaveMessage(answer);
  return answer;
}

// Turns the trace on or off, whatever the environment said.
void enableMessageTrace(bool on);

}  // namespace platform::user
