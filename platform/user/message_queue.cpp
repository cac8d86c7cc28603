#include "platform/user/message_queue.h"

#include <atomic>

#include "platform/backend.h"
#include "platform/user/window.h"

namespace platform::user {
namespace {

constexpr UINT kPostedKinds = QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;

std::atomic<MessageQueue*> firstQueue{nullptr};

UINT kindOfInput(const RawInput& input) {
  switch (input.kind) {
    case RawInput::Kind::MouseMove: return QS_MOUSEMOVE;
    case RawInput::Kind::MouseButton: return QS_MOUSEBUTTON;
    case RawInput::Kind::Key:
    case RawInput::Kind::Text: return QS_KEY;
    default: return QS_POSTMESSAGE;
  }
}

UINT kindOfMessage(const MSG& msg) {
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) return QS_KEY;
  if (msg.message == WM_MOUSEMOVE) return QS_MOUSEMOVE;
  if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) return QS_MOUSEBUTTON;
  return QS_POSTMESSAGE;
}

}  // namespace

void MessageQueue::post(const MSG& msg) {
  {
    std::lock_guard guard(lock_);
    posted_.push_back(msg);
    arrived_ |= kPostedKinds;
  }
  backend().wake();
}

void MessageQueue::postInput(RawInput input) {
  {
    std::lock_guard guard(lock_);
    arrived_ |= kindOfInput(input);
    input_.push_back(std::move(input));
  }
  backend().wake();
}

void MessageQueue::postQuit(int exitCode) {
  std::lock_guard guard(lock_);
  quit_ = true;
  exitCode_ = exitCode;
  arrived_ |= kPostedKinds;
}

bool MessageQueue::takePosted(MSG& out, HWND filter, UINT first, UINT last, bool remove) {
  std::lock_guard guard(lock_);
  for (auto it = posted_.begin(); it != posted_.end(); ++it) {
    if (!passesFilter(*it, filter, first, last)) continue;
    out = *it;
    if (remove) posted_.erase(it);
    return true;
  }
  return false;
}

bool MessageQueue::takeRawInput(RawInput& out) {
  std::lock_guard guard(lock_);
  if (input_.empty()) return false;
  out = std::move(input_.front());
  input_.pop_front();
  return true;
}

UINT MessageQueue::pendingKinds() {
  std::lock_guard guard(lock_);
  UINT kinds = (!posted_.empty() || quit_) ? kPostedKinds : 0;
  for (const RawInput& input : input_) kinds |= kindOfInput(input);
  for (const MSG& msg : ready) kinds |= kindOfMessage(msg);
  return kinds;
}

bool MessageQueue::takeQuit(int& exitCode, bool remove) {
  std::lock_guard guard(lock_);
  if (!quit_) return false;
  exitCode = exitCode_;
  if (remove) quit_ = false;
  return true;
}

UINT MessageQueue::takeArrivals(UINT kinds) {
  std::lock_guard guard(lock_);
  UINT taken = arrived_ & kinds;
  arrived_ &= ~kinds;
  return taken;
}

UINT MessageQueue::arrivals() {
  std::lock_guard guard(lock_);
  return arrived_;
}

MessageQueue& currentQueue() {
  thread_local MessageQueue queue;
  MessageQueue* none = nullptr;
  firstQueue.compare_exchange_strong(none, &queue);
  return queue;
}

MessageQueue& inputQueue() {
  MessageQueue* queue = firstQueue.load();
  return queue ? *queue : currentQueue();
}

bool passesFilter(const MSG& msg, HWND filter, UINT first, UINT last) {
  if (filter && filter != msg.hwnd) return false;
  if (first == 0 && last == 0) return true;
  return msg.message >= first && msg.message <= last;
}

}  // namespace platform::user
