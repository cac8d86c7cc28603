#include "platform/controls/edit_buffer.h"

#include <algorithm>

namespace platform::controls {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void EditBuffer::reset(std::string_view text) {
  text_ = text;
  anchor_ = caret_ = 0;
  hasUndo_ = false;
  typingAt_ = std::string::npos;
}

void EditBuffer::select(size_t anchor, size_t caret) {
  anchor_ = std::min(anchor, size());
  caret_ = std::min(caret, size());
  typingAt_ = std::string::npos;
}

void EditBuffer::moveCaret(size_t caret, bool extend) {
  caret_ = std::min(caret, size());
  if (!extend) anchor_ = caret_;
  typingAt_ = std::string::npos;
}

std::string_view EditBuffer::withinLimit(std::string_view insert) const {
  size_t kept = size() - (end() - start());
  size_t room = limit_ > kept ? limit_ - kept : 0;
  if (insert.size() <= room) return insert;
  std::string_view cut = insert.substr(0, room);
  if (!cut.empty() && cut.back() == '\r' && insert[room] == '\n') cut.remove_suffix(1);
  return cut;
}

void EditBuffer::rememberForUndo(Kind kind) {
  bool continuesTyping = kind == Kind::Typing && hasUndo_ && !hasSelection() && caret_ == typingAt_;
  if (continuesTyping) return;
  undo_ = {text_, anchor_, caret_};
  hasUndo_ = true;
}

EditBuffer::Outcome EditBuffer::replaceSelection(std::string_view insert, Kind kind, bool checked) {
  if (checked && digitsOnly_ && !std::all_of(insert.begin(), insert.end(), isDigit)) return Outcome::Unchanged;
  std::string_view taken = withinLimit(insert);
  Outcome made = taken.size() < insert.size() ? Outcome::Full : Outcome::Made;
  if (taken.empty() && !hasSelection()) return insert.empty() ? Outcome::Unchanged : Outcome::Full;
  size_t at = start();
  std::string candidate = text_.substr(0, at);
  candidate.append(taken);
  candidate.append(text_, end());
  if (fits_ && !fits_(candidate)) return Outcome::Full;
  rememberForUndo(kind);
  text_ = std::move(candidate);
  anchor_ = caret_ = at + taken.size();
  typingAt_ = kind == Kind::Typing ? caret_ : std::string::npos;
  return made;
}

bool EditBuffer::erase(bool backward) {
  if (hasSelection()) return replaceSelection("", Kind::Other) == Outcome::Made;
  if (backward ? caret_ == 0 : caret_ == size()) return false;
  size_t savedAnchor = anchor_;
  anchor_ = backward ? caret_ - 1 : caret_ + 1;
  if (replaceSelection("", Kind::Other) == Outcome::Made) return true;
  anchor_ = savedAnchor;
  return false;
}

bool EditBuffer::undo() {
  if (!hasUndo_) return false;
  std::swap(text_, undo_.text);
  std::swap(anchor_, undo_.anchor);
  std::swap(caret_, undo_.caret);
  typingAt_ = std::string::npos;
  return true;
}

size_t EditBuffer::previousWordStart(size_t pos) const {
  pos = std::min(pos, size());
  while (pos > 0 && isBlank(text_[pos - 1])) --pos;
  while (pos > 0 && !isBlank(text_[pos - 1])) --pos;
  return pos;
}

size_t EditBuffer::nextWordStart(size_t pos) const {
  pos = std::min(pos, size());
  while (pos < size() && !isBlank(text_[pos])) ++pos;
  while (pos < size() && isBlank(text_[pos])) ++pos;
  return pos;
}

std::pair<size_t, size_t> EditBuffer::wordAround(size_t pos) const {
  pos = std::min(pos, size());
  bool inBlanks = pos == size() ? pos > 0 && isBlank(text_[pos - 1]) : isBlank(text_[pos]);
  size_t first = pos, last = pos;
  while (first > 0 && isBlank(text_[first - 1]) == inBlanks) --first;
  while (last < size() && isBlank(text_[last]) == inBlanks) ++last;
  if (!inBlanks)
    while (last < size() && (text_[last] == ' ' || text_[last] == '\t')) ++last;
  return {first, last};
}

}  // namespace platform::controls
