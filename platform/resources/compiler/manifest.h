// The resource manifest: one resource per line, as
//
//   TYPE NAME PATH      a resource of TYPE named NAME, its bytes from PATH
//   STRING PATH         a string table: "ID<TAB>text" lines (string_table.h)
//
// TYPE is a number, an identifier (a named type), or one of RCDATA, ICON (an
// .ico file), DIALOG, BITMAP, optionally written with an RT_ prefix. NAME is
// a number from 1 to 65535 or an identifier such as OVApplicationICO. PATH is
// the rest of the line, relative to the manifest's folder unless absolute.
// Blank lines and lines starting with '#' are ignored.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace platform::resources::compiler {

// A type or name: a number, or an identifier when text is not empty.
struct Identifier {
  uint16_t number = 0;
  std::string text;
};

struct ManifestEntry {
  Identifier type;
  Identifier name;       // unused for string tables
  bool stringTable = false;
  std::string path;
  int line = 0;
};

// The RT_ numbers of the keyword types.
constexpr uint16_t kTypeBitmap = 2, kTypeDialog = 5, kTypeString = 6, kTypeRcdata = 10, kTypeGroupIcon = 14;

// Reads every entry; false with a message naming the line at the first fault
// (unknown line shape, bad number or identifier, the same resource twice).
bool parseManifest(std::istream& in, std::vector<ManifestEntry>& entries, std::string& error);

}  // namespace platform::resources::compiler
