// The string table source: one string per line, as
//
//   ID<TAB>text
//
// ID is a decimal number from 0 to 65535; one or more tabs or spaces separate
// it from the text, which runs to the end of the line. A text wrapped in
// double quotes keeps leading and trailing spaces. The file is UTF-8; the
// escapes \n \t \r \\ \" \xHH (a Windows-1252 byte) and \uHHHH (a code point)
// are recognised. Blank lines and lines starting with '#' are ignored.
//
// The build stores the table as Windows does: string n in the RT_STRING
// resource numbered n / 16 + 1, sixteen counted UTF-16 strings per resource.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <vector>

namespace platform::resources::compiler {

using StringTable = std::map<uint16_t, std::u16string>;

// Reads every string; false with a message naming the line at the first
// fault (bad id, the same id twice, bad escape, bad UTF-8, empty text).
bool parseStringTable(std::istream& in, StringTable& strings, std::string& error);

// A text in UTF-8 with the escapes above, as UTF-16; false with a message
// at a bad escape or bad UTF-8.
bool decodeEscapedText(const std::string& text, std::u16string& out, std::string& error);

// The RT_STRING resources for the table, by resource number.
std::map<uint16_t, std::vector<uint8_t>> stringBlocks(const StringTable& strings);

}  // namespace platform::resources::compiler
