#include "platform/text/utf8.h"

#include "platform/text/windows_1252.h"

namespace platform::text {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

void appendUtf8(std::string& out, char32_t c) {
  auto byte = [&out](char32_t b) { out.push_back(static_cast<char>(b)); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | (c >> 6));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}

// How many bytes a sequence starting with lead has, and the smallest code
// point it may encode (anything less is an overlong form); 0 for a byte
// that cannot start one.
int sequenceLength(unsigned char lead, char32_t& smallest) {
  if (lead < 0x80) return smallest = 0, 1;
  if (lead >= 0xC2 && lead < 0xE0) return smallest = 0x80, 2;
  if (lead >= 0xE0 && lead < 0xF0) return smallest = 0x800, 3;
  if (lead >= 0xF0 && lead < 0xF5) return smallest = 0x10000, 4;
  return 0;
}

// Decodes the sequence at text[at], advancing at past it (past one byte
// when it is not well-formed, answering kInvalid).
char32_t nextCodePoint(std::string_view text, size_t& at) {
  auto lead = static_cast<unsigned char>(text[at++]);
  char32_t smallest = 0;
  int length = sequenceLength(lead, smallest);
  if (length == 0) return kInvalid;
  if (length == 1) return lead;
  char32_t c = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if (at + i - 1 >= text.size()) return kInvalid;
    auto next = static_cast<unsigned char>(text[at + i - 1]);
    if ((next & 0xC0) != 0x80) return kInvalid;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return kInvalid;
  at += length - 1;
  return c;
}

}  // namespace

std::string utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) appendUtf8(out, unicodeOfWindows1252(static_cast<unsigned char>(c)));
  return out;
}

std::string windows1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    char32_t c = nextCodePoint(text, at);
    out.push_back(c == kInvalid ? '?' : static_cast<char>(windows1252OfUnicode(c)));
  }
  return out;
}

}  // namespace platform::text
