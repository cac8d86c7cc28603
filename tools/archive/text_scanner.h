// The tokens of the archive text form (resources/README.md).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class ArchiveTokenKind {
  End,
  OpenList,         // (
  CloseList,        // )
  OpenSlots,        // [
  CloseSlots,       // ]
  Colon,            // :
  ClassName,        // <<name>>; text is the name
  LabelDefinition,  // @name: ; text is the name
  LabelReference,   // @name ; text is the name
  Word,             // letters, digits and _, starting with a letter or _
  Value,            // a plain value: a number, a quoted text, a character constant or braces
  Error,            // text says what is wrong
};

struct ArchiveToken {
  ArchiveTokenKind kind = ArchiveTokenKind::End;
  std::string_view text;
  size_t offset = 0;  // of the token's first character in the source
};

class ArchiveScanner {
 public:
  explicit ArchiveScanner(std::string_view source) : source_(source) {}

  ArchiveToken Next();
  ArchiveToken Peek();
  // "line L, column C" of a source offset, for messages.
  std::string Where(size_t offset) const;

 private:
  void SkipSpaceAndComments();
  ArchiveToken Scan();
  ArchiveToken ScanClassName(size_t start);
  ArchiveToken ScanLabel(size_t start);
  ArchiveToken ScanQuoted(size_t start, char quote);
  ArchiveToken ScanBraces(size_t start);
  ArchiveToken ScanRun(size_t start, ArchiveTokenKind kind, bool (*belongs)(char));
  ArchiveToken Token(ArchiveTokenKind kind, size_t start, size_t end);
  ArchiveToken Fault(size_t start, std::string_view message);

  std::string_view source_;
  size_t position_ = 0;
  bool peeked_ = false;
  ArchiveToken peek_;
};
