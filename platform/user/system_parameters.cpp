// SystemParametersInfoA for the settings this layer keeps: the caret
// timeout, after which a caret that has had no input stops blinking and
// stays shown (5000 ms by default, INFINITE for a caret that never rests).
// The settings are process-wide; SPIF_UPDATEINIFILE and SPIF_SENDCHANGE
// are accepted and have nothing to save or announce.
#include <atomic>

#include "platform/win32.h"

namespace {

std::atomic<DWORD> caretTimeout{5000};

BOOL refuse() {
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

}  // namespace

// SPI_GETCARETTIMEOUT writes the timeout to the DWORD pvParam points to;
// SPI_SETCARETTIMEOUT takes the new timeout in pvParam itself.
BOOL WINAPI SystemParametersInfoA(UINT uiAction, UINT, PVOID pvParam, UINT) {
  switch (uiAction) {
    case SPI_GETCARETTIMEOUT:
      if (!pvParam) return refuse();
      *static_cast<DWORD*>(pvParam) = caretTimeout.load();
      return TRUE;
    case SPI_SETCARETTIMEOUT:
      caretTimeout = static_cast<DWORD>(reinterpret_cast<uintptr_t>(pvParam));
      return TRUE;
    default:
      return refuse();
  }
}
