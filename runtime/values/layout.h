// What the heap needs to know of value objects: their kind tags, where the
// variable part of a growable kind starts, and which owner flag says that it
// has moved out of line. The value structures (value.h) assert that these
// offsets match their fields.
#pragma once

#include <cstdint>

#include "runtime/memory/block.h"

enum ovKind : uint16_t {
  ovKindNull = 1,
  ovKindBoolean = 2,
  ovKindInstance = 3,
  ovKindInteger = 4,
  ovKindList = 5,
  ovKindExternal = 6,
  ovKindNone = 7,
  ovKindReal = 8,
  ovKindText = 9,
  ovKindUndefined = 10,
  ovKindPoint = 11,
  ovKindRect = 12,
  ovKindRGB = 13,
  ovKindPointer = 14,
};

// Offset of a growable kind's variable part (characters, elements, data
// bytes, slots) from the start of the object; 0 for kinds that never grow.
constexpr uint32_t ovVariablePartOffset(uint16_t kind) {
  switch (kind) {
    case ovKindText:
    case ovKindList:
      return 16;
    case ovKindExternal:
    case ovKindInstance:
      return 24;
    default:
      return 0;
  }
}

// The owner flag that marks a kind's variable part as moved out of line.
constexpr uint16_t ovOutOfLineFlag(uint16_t kind) {
  switch (kind) {
    case ovKindText:
      return ovMemFlagTextOutOfLine;
    case ovKindList:
      return ovMemFlagListOutOfLine;
    case ovKindExternal:
      return ovMemFlagExternalOutOfLine;
    case ovKindInstance:
      return ovMemFlagInstanceOutOfLine;
    default:
      return 0;
  }
}

// The kind tag of the value object at p (its first 16 bits).
inline uint16_t ovKindAt(const void* p) { return *static_cast<const uint16_t*>(p); }

// Where the variable part of a growable value object lives now: the inline
// field, or the separate block whose address that field holds.
inline char* ovVariablePart(void* object) {
  uint16_t kind = ovKindAt(object);
  char* field = static_cast<char*>(object) + ovVariablePartOffset(kind);
  if (ovMemBlock::Of(object)->flags & ovOutOfLineFlag(kind)) return *reinterpret_cast<char**>(field);
  return field;
}

// Bytes the variable part of a growable value object has room for, wherever
// it lives.
inline uint32_t ovVariablePartRoom(void* object) {
  uint16_t kind = ovKindAt(object);
  ovMemBlock* block = ovMemBlock::Of(object);
  if (block->flags & ovOutOfLineFlag(kind)) return ovMemBlock::Of(ovVariablePart(object))->Requested();
  return block->Requested() - ovVariablePartOffset(kind);
}
