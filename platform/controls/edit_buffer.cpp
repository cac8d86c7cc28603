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

bool EditBuffer::acceptable(std::string_view insert, bool checked) const {
  if (checked && digitsOnly_ && !std::all_of(insert.begin(), insert.end(), isDigit)) return false;
  return size() - (end() - start()) + insert.size() <= limit_ || insert.size() <= end() - start();
}

void EditBuffer::rememberForUndo(Kind kind) {
  bool continuesTyping = kind == Kind::Typing && hasUndo_ && !hasSelection() && caret_ == typingAt_;
  if (continuesTyping) return;
  undo_ = {text_, anchor_, caret_};
  hasUndo_ = true;
}

bool EditBuffer::replaceSelection(std::string_view insert, Kind kind, bool checked) {
  if (!acceptable(insert, checked)) return false;
  size_t at = start();
  std::string candidate = text_.substr(0, at);
  candidate.append(insert);
  candidate.append(text_, end());
  if (fits_ && !fits_(candidate)) return false;
  rememberForUndo(kind);
  text_ = std::move(candidate);
  anchor_ = caret_ = at + insert.size();
  typingAt_ = kind == Kind::Typing ? caret_ : std::string::npos;
  return true;
}

bool EditBuffer::erase(bool backward) {
  if (hasSelection()) return replaceSelection("", Kind::Other);
  if (backward ? caret_ == 0 : caret_ == size()) return false;
  size_t savedAnchor = anchor_;
  anchor_ = backward ? caret_ - 1 : caret_ + 1;
  if (replaceSelection("", Kind::Other)) return true;
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
