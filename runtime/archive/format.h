// The archive's byte format.
//
// A block starts with three little-endian words: its total size in bytes, a
// stamp the loader does not read, and the item count N. N item records follow
// back to back. Every number inside a record is big-endian: the record length
// L (counting its 8 header bytes), the tag, L - 8 payload bytes, and one zero
// byte after a record of odd length, so that every record starts at an even
// offset. Items are numbered from 1; item 1 is the root. A reference is an
// item number, 0 for NULL.
//
// The top four bits of a tag give its category, the low 28 bits its code: a
// plain value's kind, an external type's 0-based number, or a class's 1-based
// number.
#pragma once

#include <cstdint>

constexpr uint32_t kDBBlockHeaderSize = 12;
constexpr uint32_t kDBRecordHeaderSize = 8;
constexpr uint32_t kDBReferenceSize = 4;
constexpr uint32_t kDBTagCodeMask = 0x0FFFFFFF;
// A list whose first reference is this marker is refused: what the element
// after it should hold was never settled.
constexpr uint32_t kDBListMarker = 0xFFFFFFFF;

enum DBTagCategory : uint32_t {
  DBCategoryPlain = 0x0,
  DBCategoryInstance = 0x4,  // what this system writes; any other category not listed here reads as an instance too
  DBCategoryExternal = 0x8,
  DBCategoryHandle = 0xC,
};

enum DBPlainCode : uint32_t {
  DBCodeBoolean = 1,
  DBCodeInteger = 2,
  DBCodeList = 3,
  DBCodeIntegerAlternate = 4,  // read like DBCodeInteger, never written
  DBCodeNone = 5,
  DBCodeExtendedReal = 6,
  DBCodeText = 7,
  DBCodeUndefined = 8,
  DBCodePoint = 9,
  DBCodeRect = 10,
  DBCodeRGB = 11,
  DBCodeReal = 12,
};

constexpr uint32_t DBTagCategoryOf(uint32_t tag) { return tag >> 28; }
constexpr uint32_t DBTagCode(uint32_t tag) { return tag & kDBTagCodeMask; }
constexpr uint32_t DBMakeTag(uint32_t category, uint32_t code) { return category << 28 | (code & kDBTagCodeMask); }
