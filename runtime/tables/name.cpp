#include <algorithm>
#include <cstring>

#include "runtime/tables/records.h"
#include "runtime/values/make.h"
#include "runtime/values/text.h"

namespace {

uint32_t groupAt(const RTName& name, uint32_t offset) {
  const auto* b = reinterpret_cast<const unsigned char*>(name.chars) + offset;
  return uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 | b[3];
}

}  // namespace

uint32_t RTName::SizeFor(uint32_t length) {
  length = std::min<uint32_t>(length, 255);
  return 4 + (length / 4 + 1) * 4;
}

// The characters run on past the declared four bytes of chars, into the
// room the record was given (SizeFor): they are reached through a plain
// pointer, not by indexing the array.
void RTName::SetName(const char* characters, uint32_t count) {
  length = std::min<uint32_t>(count, 255);
  // The record's storage runs past the four characters the struct declares.
  char* storage = chars;
  std::memcpy(storage, characters, length);
  std::memset(storage + length, 0, SizeFor(length) - 4 - length);
}

void RTName::SetName(const ovC_object* text) {
  auto* t = const_cast<ovC_object*>(text);
  SetName(ovStringGetPtr(t), ovStringGetLength(t));
}

ovC_object* RTName::ConvertToOVString() const { return ovMakeTextFromString(chars, length); }

// Compares four bytes at a time as big-endian numbers, which orders the
// bytes as unsigned values; the zero padding ends every name inside a group
// whose last byte is zero. The result is the sign of the first difference
// (a raw difference of two groups could overflow 32 bits and flip it).
int32_t RTName::Compare(const RTName& other) const {
  if (length == 0 || other.length == 0) return (length != 0) - (other.length != 0);
  for (uint32_t offset = 0;; offset += 4) {
    uint32_t a = groupAt(*this, offset);
    uint32_t b = groupAt(other, offset);
    if (a != b) return a < b ? -1 : 1;
    if ((a & 0xFF) == 0) return 0;
  }
}
