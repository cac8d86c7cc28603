#include "runtime/archive/named_resources.h"

#include <cstring>

namespace {

uint32_t littleEndianWord(const unsigned char* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// The record's name equals name: the same characters, then the terminator.
bool nameMatches(const unsigned char* record, uint32_t recordLength, const char* name, size_t nameLength) {
  const unsigned char* stored = record + kNamedRecordHeaderSize;
  return nameLength < recordLength - kNamedRecordHeaderSize && std::memcmp(stored, name, nameLength) == 0 &&
         stored[nameLength] == 0;
}

}  // namespace

uint32_t ovNamedRecordLength(uint32_t nameLength) {
  uint32_t n = nameLength + 1;
  return kNamedRecordHeaderSize + n + (4 - n % 4);
}

void ovFindNamedResource(const unsigned char* table, size_t size, const char* name, uint32_t* identifier,
                         uint32_t* type) {
  *identifier = 0;
  *type = 0;
  size_t nameLength = std::strlen(name);
  uint32_t expected = ovNamedRecordLength(static_cast<uint32_t>(nameLength));
  size_t position = 0;
  while (size - position >= 4) {
    uint32_t length = littleEndianWord(table + position);
    if (length < kNamedRecordHeaderSize || length > size - position) return;
    const unsigned char* record = table + position;
    if (length == expected && nameMatches(record, length, name, nameLength)) {
      *identifier = littleEndianWord(record + 4);
      *type = littleEndianWord(record + 8);
      return;
    }
    position += length;
  }
}

int ovLocateResource(HINSTANCE instance, const char* name, uint32_t* identifier, uint32_t* type) {
  *identifier = 0;
  *type = 0;
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCE(kNamedResourceTableId), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const auto* table = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  if (!table) return 0;
  ovFindNamedResource(table, SizeofResource(instance, found), name, identifier, type);
  return 0;
}
