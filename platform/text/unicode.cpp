#include "platform/text/unicode.h"

namespace platform::text {

bool decodeUtf8(std::string_view text, size_t& at, char32_t& code) {
  unsigned char lead = static_cast<unsigned char>(text[at++]);
  int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
  if (extra < 0 || at + extra > text.size()) return false;
  code = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    unsigned char next = static_cast<unsigned char>(text[at]);
    if ((next & 0xC0) != 0x80) return false;
    ++at;
    code = code << 6 | (next & 0x3F);
  }
  static const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
  return code >= smallest[extra] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
    return;
  }
  int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
  static const unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(leads[extra] | (code >> (6 * extra)));
  for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
}

void appendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
    return;
  }
  code -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (code >> 10));
  out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

}  // namespace platform::text
