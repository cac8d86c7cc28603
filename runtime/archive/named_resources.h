// The named-resource table (RCDATA 29999): resource names mapped to an
// identifier and a type (1 a string-table id, 16 an icon, 32 a bitmap).
//
// Records follow each other from the start of the table: a little-endian
// record length (0 ends the table), the identifier, the type, then the
// zero-terminated name padded with zero bytes to the record length, which is
// ovNamedRecordLength of the name's length.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

constexpr WORD kNamedResourceTableId = 29999;
constexpr uint32_t kNamedResourceString = 1;
constexpr uint32_t kNamedResourceIcon = 16;
constexpr uint32_t kNamedResourceBitmap = 32;
constexpr uint32_t kNamedRecordHeaderSize = 12;

// 12 bytes of length, identifier and type, the name and its terminator (n
// bytes), then 4 - n mod 4 zero bytes (1 to 4).
uint32_t ovNamedRecordLength(uint32_t nameLength);

// Looks the name up in the named-resource table of the module. Both outputs
// are 0 first; the first record whose length is the one the name would have
// and whose name is equal, case-sensitively, sets them. Answers 0 whether or
// not a record matched: callers test the identifier.
int ovLocateResource(HINSTANCE instance, const char* name, uint32_t* identifier, uint32_t* type);

// The same walk over size bytes of table. A record that would reach past the
// table, or that is too short to hold its own header, ends the walk.
void ovFindNamedResource(const unsigned char* table, size_t size, const char* name, uint32_t* identifier,
                         uint32_t* type);
