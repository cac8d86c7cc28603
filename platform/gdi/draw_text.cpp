// DrawTextA: formatted text in a rectangle, laid out by text_layout.
#include <cstring>

#include "platform/gdi/text_layout.h"
#include "platform/gdi/text_output.h"

using namespace platform;
using namespace platform::gdi;

namespace {

void drawLayout(DeviceContext& dc, const TextLayout& layout, const RECT& rect, UINT format) {
  std::optional<RECT> clip;
  if (!(format & DT_NOCLIP)) clip = rect;
  for (const TextLine& line : layout.lines) {
    for (size_t r = 0; r < line.runs.size(); ++r) {
      const TextRun& run = line.runs[r];
      outputText(dc, line.x + run.offset, line.y, run.text, clip);
      if (static_cast<int>(r) == line.underlineRun)
        underlineChar(dc, line.x + run.offset, line.y, run.text, line.underlineIndex, clip);
    }
  }
}

}  // namespace

int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc) return 0;
  if (!lprc || (!lpchText && cchText != 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  size_t length = cchText < 0 ? std::strlen(lpchText) : static_cast<size_t>(cchText);
  std::string_view text(lpchText ? lpchText : "", length);
  TextLayout layout = layoutText(text, format, *lprc, fontOf(*dc));
  if (format & DT_CALCRECT) {
    lprc->right = lprc->left + layout.widest;
    lprc->bottom = lprc->top + static_cast<LONG>(layout.lines.size()) * layout.lineHeight;
    return layout.answer;
  }
  drawLayout(*dc, layout, *lprc, format);
  return layout.answer;
}
