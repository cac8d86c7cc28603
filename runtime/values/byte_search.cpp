#include "runtime/values/byte_search.h"

#include <algorithm>
#include <cstring>
#include <string_view>

int32_t ovSearchChar(const char* chars, uint32_t length, char ch, uint32_t start) {
  for (uint64_t i = start; i < length; ++i) {
    if (chars[i] == ch) return static_cast<int32_t>(i);
    if (chars[i] == '\0') return -1;
  }
  return -1;
}

int32_t ovSearchString(const char* chars, uint32_t length, const char* pat, uint32_t patLength, uint32_t start) {
  if (uint64_t{length} < uint64_t{patLength} + start) return -1;
  if (patLength == 0) return start < length ? static_cast<int32_t>(start) : -1;
  size_t found = std::string_view(chars, length).find(std::string_view(pat, patLength), start);
  return found == std::string_view::npos ? -1 : static_cast<int32_t>(found);
}

void ovNumToString(uint32_t value, uint32_t base, char* out, uint32_t width) {
  if (base < 2 || base > 36) {
    out[0] = '\0';
    return;
  }
  char digits[ovNumToStringCapacity];
  uint32_t count = 0;
  do {
    uint32_t digit = value % base;
    digits[count++] = static_cast<char>(digit < 10 ? '0' + digit : 'A' + digit - 10);
    value /= base;
  } while (value != 0);
  uint32_t total = std::min(std::max(count, width), ovNumToStringCapacity - 1);
  uint32_t pad = total - count;
  std::memset(out, '0', pad);
  for (uint32_t i = 0; i < count; ++i) out[pad + i] = digits[count - 1 - i];
  out[total] = '\0';
}
