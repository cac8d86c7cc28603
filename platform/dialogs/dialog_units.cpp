// Dialog units: a quarter of the average letter width and an eighth of the
// line height of the dialog's font, rounded to the nearest pixel.
#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {
namespace {

int scale(int value, int numerator, int denominator) {
  long long product = static_cast<long long>(value) * numerator;
  long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

SIZE baseUnitsOf(HFONT font) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, font);
  SIZE letters{};
  GetTextExtentPoint32A(hdc, kLetters, 52, &letters);
  TEXTMETRICA tm{};
  GetTextMetricsA(hdc, &tm);
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  return {(letters.cx / 26 + 1) / 2, tm.tmHeight};
}

RECT pixelsOf(const RECT& units, SIZE base) {
  return {scale(units.left, base.cx, 4), scale(units.top, base.cy, 8), scale(units.right, base.cx, 4),
          scale(units.bottom, base.cy, 8)};
}

}  // namespace platform::dialogs

using namespace platform::dialogs;

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  DialogState* state = dialogState(hDlg);
  if (!state || !lpRect) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *lpRect = pixelsOf(*lpRect, state->baseUnits);
  return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void) {
  static SIZE base = baseUnitsOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  return MAKELONG(base.cx, base.cy);
}
