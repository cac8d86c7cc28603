#include "platform/resources/compiler/string_table.h"

#include <cctype>
#include <sstream>

#include "platform/text/unicode.h"
#include "platform/text/windows_1252.h"

namespace platform::resources::compiler {
namespace {

bool hexDigits(const std::string& text, size_t& at, int count, char32_t& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (int i = 0; i < count; ++i) {
    char c = text[at++];
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    value = value * 16 + static_cast<char32_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
  }
  return true;
}

bool decodeEscape(const std::string& text, size_t& at, char32_t& code) {
  if (at >= text.size()) return false;
  char kind = text[at++];
  switch (kind) {
    case 'n': code = '\n'; return true;
    case 't': code = '\t'; return true;
    case 'r': code = '\r'; return true;
    case '\\': case '"': code = static_cast<char32_t>(kind); return true;
    case 'x':
      if (!hexDigits(text, at, 2, code)) return false;
      code = text::unicodeOfWindows1252(static_cast<unsigned char>(code));
      return true;
    case 'u':
      return hexDigits(text, at, 4, code) && (code < 0xD800 || code > 0xDFFF);
    default: return false;
  }
}

bool decodeText(const std::string& text, std::u16string& out, std::string& error) {
  if (!decodeEscapedText(text, out, error)) return false;
  if (out.empty()) error = "empty text (an empty string cannot be told from a missing one)";
  return !out.empty();
}

std::string withoutQuotes(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t')) text.pop_back();
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

bool parseLine(const std::string& line, StringTable& strings, std::string& error) {
  size_t digits = 0;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  size_t textStart = line.find_first_not_of(" \t", digits);
  if (digits == 0 || digits > 5 || textStart == digits || textStart == std::string::npos) {
    error = "expected ID<TAB>text";
    return false;
  }
  unsigned long id = std::stoul(line.substr(0, digits));
  std::u16string text;
  if (id > 0xFFFF) error = "string id above 65535";
  else if (decodeText(withoutQuotes(line.substr(textStart)), text, error) && !strings.emplace(id, text).second)
    error = "string id " + std::to_string(id) + " given twice";
  return error.empty();
}

void appendWord(std::vector<uint8_t>& out, uint16_t word) {
  out.push_back(static_cast<uint8_t>(word & 0xFF));
  out.push_back(static_cast<uint8_t>(word >> 8));
}

}  // namespace

bool decodeEscapedText(const std::string& text, std::u16string& out, std::string& error) {
  for (size_t at = 0; at < text.size();) {
    char32_t code = 0;
    bool escape = text[at] == '\\';
    bool ok = escape ? decodeEscape(text, ++at, code) : text::decodeUtf8(text, at, code);
    if (!ok) {
      error = escape ? "bad escape" : "bad UTF-8";
      return false;
    }
    text::appendUtf16(out, code);
  }
  return true;
}

bool parseStringTable(std::istream& in, StringTable& strings, std::string& error) {
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#' || line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (!parseLine(line, strings, error)) {
      error = "line " + std::to_string(number) + ": " + error;
      return false;
    }
  }
  return true;
}

std::map<uint16_t, std::vector<uint8_t>> stringBlocks(const StringTable& strings) {
  std::map<uint16_t, std::vector<uint8_t>> blocks;
  for (const auto& [id, text] : strings) blocks[static_cast<uint16_t>((id >> 4) + 1)];
  for (auto& [block, bytes] : blocks) {
    for (unsigned slot = 0; slot < 16; ++slot) {
      auto found = strings.find(static_cast<uint16_t>((block - 1) * 16 + slot));
      std::u16string text = found == strings.end() ? u"" : found->second.substr(0, 0xFFFF);
      appendWord(bytes, static_cast<uint16_t>(text.size()));
      for (char16_t unit : text) appendWord(bytes, unit);
    }
  }
  return blocks;
}

}  // namespace platform::resources::compiler
