// HFONT objects and the text calls that measure or draw single runs.
#include <cstring>

#include "platform/gdi/text_output.h"

using namespace platform;
using namespace platform::gdi;

namespace {

text::FontRequest requestOf(const LOGFONTA& lf) {
  text::FontRequest request;
  request.face.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  request.height = lf.lfHeight;
  request.width = lf.lfWidth < 0 ? -lf.lfWidth : lf.lfWidth;
  request.weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
  request.italic = lf.lfItalic != 0;
  request.underline = lf.lfUnderline != 0;
  request.strikeOut = lf.lfStrikeOut != 0;
  return request;
}

std::string_view runOf(LPCSTR s, int count) { return count > 0 && s ? std::string_view(s, count) : std::string_view(); }

}  // namespace

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  text::FontRequest request = requestOf(*lplf);
  auto font = text::Font::open(request);
  return static_cast<HFONT>(createObject(std::make_shared<FontData>(FontData{std::move(font), request})));
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                         DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  LOGFONTA lf{cHeight,
              cWidth,
              cEscapement,
              cOrientation,
              cWeight,
              static_cast<BYTE>(bItalic != 0),
              static_cast<BYTE>(bUnderline != 0),
              static_cast<BYTE>(bStrikeOut != 0),
              static_cast<BYTE>(iCharSet),
              static_cast<BYTE>(iOutPrecision),
              static_cast<BYTE>(iClipPrecision),
              static_cast<BYTE>(iQuality),
              static_cast<BYTE>(iPitchAndFamily),
              {}};
  if (pszFaceName) strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc || !lptm) return FALSE;
  const text::FontMetrics& m = fontOf(*dc).metrics();
  const text::FontRequest* request = dc->state.font.data ? &dc->state.font.data->request : nullptr;
  *lptm = {};
  lptm->tmHeight = m.height;
  lptm->tmAscent = m.ascent;
  lptm->tmDescent = m.descent;
  lptm->tmInternalLeading = m.internalLeading;
  lptm->tmExternalLeading = m.externalLeading;
  lptm->tmAveCharWidth = m.averageCharWidth;
  lptm->tmMaxCharWidth = m.maxCharWidth;
  lptm->tmWeight = request ? request->weight : FW_NORMAL;
  lptm->tmDigitizedAspectX = lptm->tmDigitizedAspectY = 96;
  lptm->tmFirstChar = 0x20;
  lptm->tmLastChar = 0xFF;
  lptm->tmDefaultChar = 0x1F;
  lptm->tmBreakChar = 0x20;
  lptm->tmItalic = request && request->italic;
  lptm->tmUnderlined = request && request->underline;
  lptm->tmStruckOut = request && request->strikeOut;
  lptm->tmPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  lptm->tmCharSet = ANSI_CHARSET;
  return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc || !psizl || c < 0) return FALSE;
  const text::Font& font = fontOf(*dc);
  *psizl = {font.textWidth(runOf(lpString, c)), font.metrics().height};
  return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  DeviceContext* dc = deviceContextFrom(hdc);
  if (!dc || c < 0) return FALSE;
  outputText(*dc, x, y, runOf(lpString, c), std::nullopt);
  return TRUE;
}
