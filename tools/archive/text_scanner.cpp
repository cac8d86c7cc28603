#include "tools/archive/text_scanner.h"

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordCharacter(char c) { return isLetter(c) || isDigit(c); }
bool isLabelCharacter(char c) { return isWordCharacter(c) || c == '-' || c == '.'; }
// Digits, radix marks, exponents, signs, points and digit separators: the
// characters of the value text form's numbers.
bool isNumberCharacter(char c) { return isWordCharacter(c) || c == '#' || c == '+' || c == '-' || c == '.'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

bool startsNumber(std::string_view rest) {
  char c = rest[0];
  if (isDigit(c)) return true;
  char after = rest.size() > 1 ? rest[1] : '\0';
  if (c == '+' || c == '-') return isDigit(after) || after == '.';
  return c == '.' && isDigit(after);
}

}  // namespace

ArchiveToken ArchiveScanner::Next() {
  if (peeked_) {
    peeked_ = false;
    return peek_;
  }
  return Scan();
}

ArchiveToken ArchiveScanner::Peek() {
  if (!peeked_) {
    peek_ = Scan();
    peeked_ = true;
  }
  return peek_;
}

std::string ArchiveScanner::Where(size_t offset) const {
  size_t line = 1, column = 1;
  for (size_t i = 0; i < offset && i < source_.size(); ++i) {
    if (source_[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// A "#" where a token could start opens a comment to the end of the line.
void ArchiveScanner::SkipSpaceAndComments() {
  while (position_ < source_.size()) {
    char c = source_[position_];
    if (isSpace(c)) {
      ++position_;
    } else if (c == '#') {
      size_t end = source_.find('\n', position_);
      position_ = end == std::string_view::npos ? source_.size() : end;
    } else {
      return;
    }
  }
}

ArchiveToken ArchiveScanner::Scan() {
  SkipSpaceAndComments();
  size_t start = position_;
  if (start == source_.size()) return Token(ArchiveTokenKind::End, start, start);
  std::string_view rest = source_.substr(start);
  switch (rest[0]) {
    case '(':
      return Token(ArchiveTokenKind::OpenList, start, start + 1);
    case ')':
      return Token(ArchiveTokenKind::CloseList, start, start + 1);
    case '[':
      return Token(ArchiveTokenKind::OpenSlots, start, start + 1);
    case ']':
      return Token(ArchiveTokenKind::CloseSlots, start, start + 1);
    case ':':
      return Token(ArchiveTokenKind::Colon, start, start + 1);
    case '@':
      return ScanLabel(start);
    case '"':
    case '\'':
      return ScanQuoted(start, rest[0]);
    case '{':
      return ScanBraces(start);
    default:
      break;
  }
  if (rest.starts_with("<<")) return ScanClassName(start);
  if (startsNumber(rest)) return ScanRun(start, ArchiveTokenKind::Value, isNumberCharacter);
  if (isLetter(rest[0])) return ScanRun(start, ArchiveTokenKind::Word, isWordCharacter);
  return Fault(start, "unexpected character");
}

ArchiveToken ArchiveScanner::ScanClassName(size_t start) {
  size_t end = source_.find(">>", start + 2);
  if (end == std::string_view::npos) return Fault(start, "a class name without its closing >>");
  std::string_view name = source_.substr(start + 2, end - start - 2);
  while (!name.empty() && isSpace(name.front())) name.remove_prefix(1);
  while (!name.empty() && isSpace(name.back())) name.remove_suffix(1);
  position_ = end + 2;
  return {ArchiveTokenKind::ClassName, name, start};
}

// "@name:" defines a label, "@name" refers to one.
ArchiveToken ArchiveScanner::ScanLabel(size_t start) {
  size_t end = start + 1;
  while (end < source_.size() && isLabelCharacter(source_[end])) ++end;
  if (end == start + 1) return Fault(start, "a label needs a name after @");
  std::string_view name = source_.substr(start + 1, end - start - 1);
  bool definition = end < source_.size() && source_[end] == ':';
  position_ = definition ? end + 1 : end;
  return {definition ? ArchiveTokenKind::LabelDefinition : ArchiveTokenKind::LabelReference, name, start};
}

// Two quotes in a row stand for one, as in the value text form.
ArchiveToken ArchiveScanner::ScanQuoted(size_t start, char quote) {
  size_t i = start + 1;
  while (i < source_.size()) {
    if (source_[i] != quote) {
      ++i;
    } else if (i + 1 < source_.size() && source_[i + 1] == quote) {
      i += 2;
    } else {
      return Token(ArchiveTokenKind::Value, start, i + 1);
    }
  }
  return Fault(start, "a quoted text without its closing quote");
}

ArchiveToken ArchiveScanner::ScanBraces(size_t start) {
  size_t end = source_.find('}', start);
  if (end == std::string_view::npos) return Fault(start, "braces without their closing }");
  return Token(ArchiveTokenKind::Value, start, end + 1);
}

ArchiveToken ArchiveScanner::ScanRun(size_t start, ArchiveTokenKind kind, bool (*belongs)(char)) {
  size_t end = start + 1;
  while (end < source_.size() && belongs(source_[end])) ++end;
  return Token(kind, start, end);
}

ArchiveToken ArchiveScanner::Token(ArchiveTokenKind kind, size_t start, size_t end) {
  position_ = end;
  return {kind, source_.substr(start, end - start), start};
}

ArchiveToken ArchiveScanner::Fault(size_t start, std::string_view message) {
  position_ = source_.size();
  return {ArchiveTokenKind::Error, message, start};
}
