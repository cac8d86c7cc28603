#include "runtime/parser/char_class.h"

#include <string_view>

namespace {

using Table = std::array<uint16_t, 256>;

constexpr void setRange(Table& table, unsigned first, unsigned last, uint16_t mask) {
  for (unsigned c = first; c <= last; ++c) table[c] = mask;
}

constexpr void setEach(Table& table, std::string_view chars, uint16_t mask) {
  for (char c : chars) table[static_cast<unsigned char>(c)] = mask;
}

constexpr uint16_t kSmall = ovAsciiIdentifier | ovAsciiLower;
constexpr uint16_t kCapital = ovAsciiIdentifier | ovAsciiUpper;
constexpr uint16_t kOperator = ovAsciiSpecial;

constexpr Table buildTable() {
  Table t{};
  setRange(t, 0x00, 0x20, ovAsciiSpace);
  setEach(t, "\x7F\xCA", ovAsciiSpace);  // DEL, Mac Roman no-break space
  setRange(t, 0xD9, 0xFE, ovAsciiSpace);
  setRange(t, '0', '9', ovAsciiDigit);
  setRange(t, 'a', 'z', kSmall);
  setRange(t, 0x87, 0x9F, kSmall);
  setEach(t, "\xBE\xCF\xD8", kSmall);
  setRange(t, 'A', 'Z', kCapital);
  setRange(t, 0x80, 0x86, kCapital);
  setEach(t, "\xAE\xAF", kCapital);
  setRange(t, 0xCB, 0xCE, kCapital);
  t['e'] = kSmall | ovAsciiExponent;
  t['E'] = kCapital | ovAsciiExponent;
  t['_'] = ovAsciiIdentifier;
  setEach(t, "()[]{}", ovAsciiReserved);
  setEach(t, "+-", ovAsciiSign | kOperator);
  t['.'] = ovAsciiPoint | kOperator;
  t['#'] = ovAsciiRadix | kOperator;
  t['"'] = ovAsciiStringQuote;
  t['\''] = ovAsciiCharQuote;
  setEach(t, "!$%&*,/:;<=>?@\\^`|~", kOperator);
  setRange(t, 0xA0, 0xAD, kOperator);
  setRange(t, 0xB0, 0xBD, kOperator);
  setRange(t, 0xBF, 0xC9, kOperator);
  setRange(t, 0xD0, 0xD7, kOperator);
  t[0xFF] = 0;
  return t;
}

}  // namespace

constexpr std::array<uint16_t, 256> ovascii_types = buildTable();

static_assert(ovascii_types['e'] == 0x0038 && ovascii_types['E'] == 0x0058);
static_assert(ovascii_types['+'] == 0x0900 && ovascii_types['.'] == 0x4100 && ovascii_types['#'] == 0x0500);
static_assert(ovascii_types[0xCA] == 0x8000 && ovascii_types[0xFF] == 0 && ovascii_types[0xBE] == 0x0028);
