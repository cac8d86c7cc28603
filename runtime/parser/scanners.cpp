#include "runtime/parser/scanners.h"

#include "runtime/parser/char_class.h"
#include "runtime/values/make.h"

namespace {

uint32_t textRun(const unsigned char* p, uint32_t left, uint16_t mask, ovC_object** value) {
  uint32_t n = ovParseType(p, left, mask);
  if (n) *value = ovMakeTextFromString(reinterpret_cast<const char*>(p), n);
  return n;
}

// Calls visit for each character inside a quoted run that ovParseQuote
// matched, each doubled quote once.
template <typename Visit>
void forEachQuoted(const unsigned char* p, uint32_t consumed, Visit visit) {
  unsigned char quote = p[0];
  for (uint32_t i = 1; i + 1 < consumed; ++i) {
    visit(p[i]);
    if (p[i] == quote) ++i;
  }
}

}  // namespace

uint32_t ovParseType(const unsigned char* p, uint32_t left, uint16_t mask) {
  uint32_t n = 0;
  while (n < left && ovCharIs(p[n], mask)) ++n;
  return n;
}

ovQuoteScan ovParseQuote(const unsigned char* p, uint32_t left) {
  unsigned char quote = p[0];
  uint32_t length = 0;
  for (uint32_t i = 1; i < left; ++i, ++length) {
    if (ovCharClass(p[i]) == 0) return {0, 0};
    if (p[i] != quote) continue;
    if (i + 1 < left && p[i + 1] == quote) ++i;
    else return {i + 1, length};
  }
  return {0, 0};
}

uint32_t ovParseStrQuote(const unsigned char* p, uint32_t left, ovC_object** value) {
  ovQuoteScan scan = ovParseQuote(p, left);
  if (!scan.consumed) return 0;
  auto* text = ovC_text::Create(scan.length);
  char* out = text->Chars();
  forEachQuoted(p, scan.consumed, [&out](unsigned char c) { *out++ = static_cast<char>(c); });
  *value = text;
  return scan.consumed;
}

uint32_t ovParseIntQuote(const unsigned char* p, uint32_t left, ovC_object** value) {
  ovQuoteScan scan = ovParseQuote(p, left);
  if (!scan.consumed) return 0;
  uint32_t n = 0;
  forEachQuoted(p, scan.consumed, [&n](unsigned char c) { n = (n << 8) + c; });
  *value = ovMakeInteger(static_cast<int32_t>(n));
  return scan.consumed;
}

uint32_t ovParseLetter(const unsigned char* p, uint32_t left, ovC_object** value) {
  return textRun(p, left, ovAsciiIdentifier | ovAsciiDigit, value);
}

uint32_t ovParseReserved(const unsigned char* p, uint32_t left) { return left && ovCharIs(p[0], ovAsciiReserved); }

uint32_t ovParseSpecial(const unsigned char* p, uint32_t left, ovC_object** value) {
  return textRun(p, left, ovAsciiSpecial, value);
}
