// Waiting for the queue, and for mutexes with it: WaitMessage and
// MsgWaitForMultipleObjects(Ex).
//
// A wait looks at the objects, in order, then at the queue. While nothing it
// waits for is there, it presents what was drawn and sleeps in the backend's
// wait, which input, a post from any thread, the release of a mutex waited
// for (kernel/mutex_release_watch.h) and a termination signal end, for no
// longer than the time-out and the next timer; then it looks again. The
// accessibility bridge's work, when it is loaded, runs here too: what is
// ready before each look, its descriptor in the backend's wait, its timers
// as limits; the bridge itself starts here, once the first frames are out. A
// termination request answers as a message does, even outside the wake
// mask: the caller's next read delivers it.
//
// MWMO_ALERTABLE is accepted and changes nothing: the platform queues no
// asynchronous procedure calls, so none can end a wait.
#include <chrono>
#include <optional>
#include <span>

#include "platform/accessibility/bridge_loader.h"
#include "platform/backend.h"
#include "platform/kernel/mutex_release_watch.h"
#include "platform/termination.h"
#include "platform/user/painting.h"
#include "platform/user/queue_status.h"
#include "platform/user/timers.h"

namespace platform::user {
namespace {

constexpr DWORD kWaitFlags = MWMO_WAITALL | MWMO_ALERTABLE | MWMO_INPUTAVAILABLE;

DWORD failWith(DWORD error) {
  SetLastError(error);
  return WAIT_FAILED;
}

// The time left of a time-out, in whole milliseconds rounded up, so that a
// wait ends after its time and never just before.
class Deadline {
 public:
  explicit Deadline(DWORD milliseconds)
      : endless_(milliseconds == INFINITE), end_(Clock::now() + std::chrono::milliseconds(milliseconds)) {}

  DWORD left() const {
    if (endless_) return INFINITE;
    auto rest = std::chrono::ceil<std::chrono::milliseconds>(end_ - Clock::now()).count();
    return rest > 0 ? static_cast<DWORD>(rest) : 0;
  }

 private:
  using Clock = std::chrono::steady_clock;
  bool endless_;
  Clock::time_point end_;
};

// Something of the mask that is new since the thread last looked, or with
// inputAvailable anything of the mask; or a termination request.
bool queueAnswers(MessageQueue& queue, UINT mask, bool inputAvailable) {
  if (termination::requestPending()) return true;
  UINT kinds = newKinds(queue) | (inputAvailable ? queuedKinds(queue) : 0);
  return (kinds & mask) != 0;
}

void giveBack(std::span<const HANDLE> objects) {
  for (HANDLE h : objects) ReleaseMutex(h);
}

// WAIT_OBJECT_0 with the first object that could be taken added, which the
// caller now owns; WAIT_TIMEOUT when none could; WAIT_FAILED for a handle
// that names no object any more.
DWORD takeAny(std::span<const HANDLE> objects) {
  for (size_t i = 0; i < objects.size(); ++i) {
    DWORD result = WaitForSingleObject(objects[i], 0);
    if (result != WAIT_TIMEOUT) return result == WAIT_OBJECT_0 ? WAIT_OBJECT_0 + static_cast<DWORD>(i) : WAIT_FAILED;
  }
  return WAIT_TIMEOUT;
}

// Every object, or none: those taken are given back when one cannot be.
DWORD takeAll(std::span<const HANDLE> objects) {
  for (size_t i = 0; i < objects.size(); ++i) {
    DWORD result = WaitForSingleObject(objects[i], 0);
    if (result == WAIT_OBJECT_0) continue;
    giveBack(objects.first(i));
    return result;
  }
  return WAIT_OBJECT_0;
}

// The answer when all objects and a message are there at once.
std::optional<DWORD> answerAll(MessageQueue& queue, std::span<const HANDLE> objects, UINT mask, bool inputAvailable) {
  if (!queueAnswers(queue, mask, inputAvailable)) return std::nullopt;
  DWORD taken = takeAll(objects);
  if (taken == WAIT_TIMEOUT) return std::nullopt;
  if (taken == WAIT_OBJECT_0) lookAt(queue, mask);
  return taken;
}

// The answer when one object or a message is there.
std::optional<DWORD> answerAny(MessageQueue& queue, std::span<const HANDLE> objects, UINT mask, bool inputAvailable) {
  if (DWORD taken = takeAny(objects); taken != WAIT_TIMEOUT) return taken;
  if (!queueAnswers(queue, mask, inputAvailable)) return std::nullopt;
  lookAt(queue, mask);
  return WAIT_OBJECT_0 + static_cast<DWORD>(objects.size());
}

std::optional<DWORD> answerNow(MessageQueue& queue, std::span<const HANDLE> objects, UINT mask, DWORD flags) {
  bool inputAvailable = flags & MWMO_INPUTAVAILABLE;
  if (flags & MWMO_WAITALL) return answerAll(queue, objects, mask, inputAvailable);
  return answerAny(queue, objects, mask, inputAvailable);
}

DWORD waitFor(std::span<const HANDLE> objects, DWORD milliseconds, UINT mask, DWORD flags) {
  kernel::MutexReleaseWatch watch(objects);
  if (!watch.coversAll()) return failWith(ERROR_INVALID_HANDLE);
  MessageQueue& queue = currentQueue();
  Deadline deadline(milliseconds);
  for (;;) {
    backend().pollInput();
    accessibility::runBridgeWork();
    if (std::optional<DWORD> answer = answerNow(queue, objects, mask, flags)) return *answer;
    DWORD left = deadline.left();
    if (left == 0) return WAIT_TIMEOUT;
    presentSurfaces();
    accessibility::startDueBridge();
    backend().waitForInput(accessibility::bridgeWaitLimit(std::min(left, timeToNextTimer(queue))));
  }
}

}  // namespace
}  // namespace platform::user

using namespace platform::user;

DWORD WINAPI MsgWaitForMultipleObjectsEx(DWORD nCount, const HANDLE* pHandles, DWORD dwMilliseconds, DWORD dwWakeMask,
                                         DWORD dwFlags) {
  if ((dwFlags & ~kWaitFlags) || nCount > MAXIMUM_WAIT_OBJECTS - 1 || (nCount != 0 && !pHandles))
    return failWith(ERROR_INVALID_PARAMETER);
  return waitFor(std::span(pHandles, nCount), dwMilliseconds, dwWakeMask, dwFlags);
}

DWORD WINAPI MsgWaitForMultipleObjects(DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll, DWORD dwMilliseconds,
                                       DWORD dwWakeMask) {
  return MsgWaitForMultipleObjectsEx(nCount, pHandles, dwMilliseconds, dwWakeMask, fWaitAll ? MWMO_WAITALL : 0);
}

BOOL WINAPI WaitMessage(void) { return MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, 0) != WAIT_FAILED; }
