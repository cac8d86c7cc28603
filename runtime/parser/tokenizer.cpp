// Each token starts at a character that is not white space; the scanners are
// tried in a fixed order and the first that takes at least one character
// makes the token.
#include "runtime/parser/tokenizer.h"

#include "runtime/parser/char_class.h"
#include "runtime/parser/number_scanners.h"
#include "runtime/parser/scanners.h"

namespace {

struct Token {
  uint32_t length = 0;
  uint32_t type = ovTokenError;
  ovC_object* value = nullptr;
};

bool startsSignedNumber(const unsigned char* p, uint32_t left) {
  return left >= 2 && ovCharIs(p[0], ovAsciiSign) && ovCharIs(p[1], ovAsciiDigit);
}

// An integer scan may make a real (a decimal literal beyond 32 bits).
uint32_t numberType(const ovC_object* value) { return ovIsKind(value, ovKindReal) ? ovTokenReal : ovTokenInteger; }

// Tries one scanner; on a match records its length, type and value.
template <typename Scanner>
bool take(Token& token, uint32_t type, Scanner scan, const unsigned char* p, uint32_t left) {
  token.length = scan(p, left, &token.value);
  if (!token.length) return false;
  token.type = type;
  return true;
}

Token scanToken(const unsigned char* p, uint32_t left) {
  Token t;
  uint16_t m = ovCharClass(p[0]);
  if ((m & ovAsciiStringQuote) && take(t, ovTokenString, ovParseStrQuote, p, left)) return t;
  if ((m & ovAsciiCharQuote) && take(t, ovTokenInteger, ovParseIntQuote, p, left)) return t;
  if ((m & ovAsciiIdentifier) && take(t, ovTokenWord, ovParseLetter, p, left)) return t;
  if ((m & ovAsciiReserved) && (t.length = ovParseReserved(p, left))) {
    t.type = ovTokenReserved;
    return t;
  }
  if (((m & ovAsciiDigit) || startsSignedNumber(p, left)) && take(t, ovTokenInteger, ovParseInteger, p, left)) {
    t.type = numberType(t.value);
    return t;
  }
  if ((m & (ovAsciiSign | ovAsciiIdentifier | ovAsciiDigit | ovAsciiPoint)) && take(t, ovTokenReal, ovParseReal, p, left))
    return t;
  if ((m & ovAsciiSpecial) && take(t, ovTokenWord, ovParseSpecial, p, left)) return t;
  return Token{};
}

}  // namespace

void ovParseAll(TokenTable* table, const unsigned char* text, uint32_t length) {
  uint32_t at = 0;
  while (true) {
    at += ovParseType(text + at, length - at, ovAsciiSpace);
    if (at == length) return;
    Token token = scanToken(text + at, length - at);
    table->Append(at, token.type, token.value, token.type == ovTokenReserved ? static_cast<char>(text[at]) : 0);
    if (token.type == ovTokenError) return;
    at += token.length;
  }
}
