#include "platform/resources/compiler/manifest.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace platform::resources::compiler {
namespace {

bool isIdentifier(const std::string& word) {
  if (word.empty() || std::isdigit(static_cast<unsigned char>(word[0]))) return false;
  return std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

bool parseNumber(const std::string& word, uint16_t& number) {
  if (word.empty() || word.size() > 5 || !std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isdigit(c); })) return false;
  unsigned long value = std::stoul(word);
  if (value == 0 || value > 0xFFFF) return false;
  number = static_cast<uint16_t>(value);
  return true;
}

bool parseIdentifier(const std::string& word, Identifier& id) {
  if (parseNumber(word, id.number)) return true;
  if (!isIdentifier(word)) return false;
  id.text = word;
  return true;
}

bool parseType(std::string word, Identifier& type) {
  if (word.rfind("RT_", 0) == 0) word = word.substr(3);
  static const std::map<std::string, uint16_t> keywords = {
      {"RCDATA", kTypeRcdata}, {"ICON", kTypeGroupIcon}, {"DIALOG", kTypeDialog}, {"BITMAP", kTypeBitmap}};
  if (auto found = keywords.find(word); found != keywords.end()) {
    type.number = found->second;
    return true;
  }
  return parseIdentifier(word, type);
}

std::string trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string uppercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

// A key equal for the same resource: names compare without case.
std::string keyOf(const ManifestEntry& entry) {
  auto part = [](const Identifier& id) { return id.text.empty() ? std::to_string(id.number) : '"' + uppercase(id.text); };
  return part(entry.type) + ' ' + part(entry.name);
}

bool parseLine(const std::string& line, ManifestEntry& entry, std::string& error) {
  std::istringstream words(line);
  std::string type, name;
  words >> type;
  entry.stringTable = type == "STRING" || type == "RT_STRING";
  if (!entry.stringTable) words >> name;
  std::string rest;
  std::getline(words, rest);
  entry.path = trimmed(rest);
  if (entry.path.empty()) error = "expected TYPE NAME PATH or STRING PATH";
  else if (entry.stringTable) entry.type.number = kTypeString;
  else if (!parseType(type, entry.type)) error = "bad resource type '" + type + "'";
  else if (!parseIdentifier(name, entry.name)) error = "bad resource name '" + name + "'";
  return error.empty();
}

}  // namespace

bool parseManifest(std::istream& in, std::vector<ManifestEntry>& entries, std::string& error) {
  std::map<std::string, int> seen;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string content = trimmed(line);
    if (content.empty() || content[0] == '#') continue;
    ManifestEntry entry;
    entry.line = number;
    if (!parseLine(content, entry, error)) {
      error = "line " + std::to_string(number) + ": " + error;
      return false;
    }
    if (!entry.stringTable && !seen.emplace(keyOf(entry), number).second) {
      error = "line " + std::to_string(number) + ": resource already given on line " + std::to_string(seen[keyOf(entry)]);
      return false;
    }
    entries.push_back(entry);
  }
  return true;
}

}  // namespace platform::resources::compiler
