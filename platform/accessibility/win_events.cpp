#include "platform/accessibility/win_events.h"

namespace platform::accessibility {
namespace {

WinEventListener gListener = nullptr;

}  // namespace

void listenToWinEvents(WinEventListener listener) { gListener = listener; }

}  // namespace platform::accessibility

void WINAPI NotifyWinEvent(DWORD event, HWND hwnd, LONG idObject, LONG idChild) {
  if (platform::accessibility::gListener) platform::accessibility::gListener(event, hwnd, idObject, idChild);
}
