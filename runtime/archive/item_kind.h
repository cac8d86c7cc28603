// What an item decodes to, from its tag, and whether its payload can be
// decoded at all.
#pragma once

#include <cstdint>

#include "runtime/archive/record_reader.h"

enum class DBItemKind {
  Boolean,
  Integer,
  List,
  None,
  ExtendedReal,
  Text,
  Undefined,
  Point,
  Rect,
  RGB,
  Real,
  External,
  Handle,
  Instance,
  Unknown,  // a plain code no kind answers: the item decodes to NULL
};

DBItemKind DBKindOfTag(uint32_t tag);

// The fewest payload bytes an item of the kind needs; 0 for kinds of any
// length.
uint32_t DBMinimumPayload(DBItemKind kind);

// False for a payload too short for its kind, and for a list that starts
// with the refused marker (format.h).
bool DBPayloadIsWellFormed(const DBRecord& record);
