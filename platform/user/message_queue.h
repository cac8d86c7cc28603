// A thread's message queue: posted messages, raw input waiting to become
// messages, input messages already made, the quit request, and timers; and
// what the thread has seen of it (queue_status.h).
//
// Posting (from any thread) takes the queue's lock, records the arrival and
// wakes the backend's wait; everything else runs on the queue's own thread.
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/win32.h"

namespace platform::user {

struct RawInput {
  enum class Kind { MouseMove, MouseButton, Key, Text, SystemCommand, Activation, Placement };
  Kind kind = Kind::MouseMove;
  DWORD time = 0;
  POINT point{};
  input::Button button = input::Button::Left;
  bool down = false;
  UINT virtualKey = 0;
  UINT command = 0;  // SC_* of a system command
  std::string text;
  HWND window = nullptr;
  RECT rect{};
};

struct Timer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  UINT interval = 0;
  TIMERPROC proc = nullptr;
  DWORD due = 0;
};

class MessageQueue {
 public:
  void post(const MSG& msg);
  void postInput(RawInput input);
  void postQuit(int exitCode);

  // The first posted message that passes the filter, removed when remove.
  bool takePosted(MSG& out, HWND filter, UINT first, UINT last, bool remove);
  bool takeRawInput(RawInput& out);
  // The QS_ kinds of what is queued: posted messages (the quit request
  // among them) and input, made into messages or not yet.
  UINT pendingKinds();
  bool takeQuit(int& exitCode, bool remove);
  // The QS_ kinds among kinds of what was posted or put in since they were
  // last taken; from now on they are no longer new.
  UINT takeArrivals(UINT kinds);
  // The same, leaving them new.
  UINT arrivals();

  // Input messages made from raw input, not yet handed out.
  std::deque<MSG> ready;
  std::vector<Timer> timers;
  // When the thread last looked for timers, and whether a window needed
  // painting then (queue_status.h tells what that makes new).
  DWORD timersSeenAt = GetTickCount();
  bool paintSeen = false;
  DWORD lastMessageTime = 0;
  POINT lastMessagePos{};

 private:
  std::mutex lock_;
  std::deque<MSG> posted_;
  std::deque<RawInput> input_;
  bool quit_ = false;
  int exitCode_ = 0;
  UINT arrived_ = 0;
};

// The calling thread's queue.
MessageQueue& currentQueue();
// The queue that receives the backend's input: that of the first thread
// that used a queue.
MessageQueue& inputQueue();

bool passesFilter(const MSG& msg, HWND filter, UINT first, UINT last);

}  // namespace platform::user
