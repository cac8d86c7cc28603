// orvane named-table: writes the named-resource table (RCDATA 29999) from a
// plain list of its records, one a line, in the order they are stored.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/archive/named_resources.h"
#include "tools/orvane/command.h"

namespace {

struct NamedRecord {
  std::string name;
  uint32_t identifier;
  uint32_t type;
};

bool typeOf(std::string_view word, uint32_t* type) {
  if (word == "string")
    *type = kNamedResourceString;
  else if (word == "icon")
    *type = kNamedResourceIcon;
  else if (word == "bitmap")
    *type = kNamedResourceBitmap;
  else
    return false;
  return true;
}

// NAME IDENTIFIER TYPE, the type being string, icon or bitmap.
bool readRecord(const std::string& line, NamedRecord* record) {
  std::istringstream fields(line);
  std::string type, rest;
  long long identifier = -1;
  if (!(fields >> record->name >> identifier >> type) || fields >> rest) return false;
  if (identifier < 0 || identifier > 0xFFFF || record->name.size() > 255) return false;
  record->identifier = static_cast<uint32_t>(identifier);
  return typeOf(type, &record->type);
}

bool readList(const char* path, std::vector<NamedRecord>* records) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "orvane named-table: cannot read %s\n", path);
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string::npos || line[start] == '#') continue;
    NamedRecord record;
    if (!readRecord(line, &record)) {
      std::fprintf(stderr, "%s:%d: expected NAME IDENTIFIER string|icon|bitmap\n", path, number);
      return false;
    }
    records->push_back(record);
  }
  return true;
}

void putWord(std::string& out, uint32_t n) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(n >> (8 * i));
}

// Each record padded to ovNamedRecordLength, then the zero length that ends
// the table.
std::string tableOf(const std::vector<NamedRecord>& records) {
  std::string table;
  for (const NamedRecord& record : records) {
    uint32_t length = ovNamedRecordLength(static_cast<uint32_t>(record.name.size()));
    putWord(table, length);
    putWord(table, record.identifier);
    putWord(table, record.type);
    table += record.name;
    table.append(length - kNamedRecordHeaderSize - record.name.size(), '\0');
  }
  putWord(table, 0);
  return table;
}

int run(int argc, char** argv) {
  if (argc != 3 || std::string_view(argv[1]) != "-o") {
    std::fputs("usage: orvane named-table LIST -o OUTPUT\n", stderr);
    return kOrvaneUsageError;
  }
  std::vector<NamedRecord> records;
  if (!readList(argv[0], &records)) return kOrvaneInputFailed;
  std::string table = tableOf(records);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  if (!out.write(table.data(), static_cast<std::streamsize>(table.size()))) {
    std::fprintf(stderr, "orvane named-table: cannot write %s\n", argv[2]);
    return kOrvaneInputFailed;
  }
  return kOrvaneSuccess;
}

}  // namespace

extern const OrvaneCommand orvaneCommand_named_table = {
    "named-table",
    "LIST -o OUTPUT",
    "    Writes the named-resource table from LIST: one record a line, NAME\n"
    "    IDENTIFIER TYPE with TYPE string, icon or bitmap, in stored order.\n",
    run,
};
