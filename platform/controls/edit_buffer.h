// The text of an edit control with its selection and its one level of
// undo: what the control edits, kept apart from how it is shown.
//
// Positions are character offsets from 0 to size(). The selection runs
// between the anchor and the caret, either way round; start() and end() are
// its ends in order. Every change replaces the selection. Text past the
// limit is cut off: the part that has room goes in (as Windows does, which
// then tells the parent EN_MAXTEXT). A change the other rules refuse (a
// character that is not a digit when digitsOnly, text that does not fit)
// leaves text, selection and undo as they were.
//
// Undo keeps the state before the last change; a run of typed characters,
// each following the one before, counts as one change. Undoing swaps the
// kept state with the current one, so a second undo redoes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform::controls {

class EditBuffer {
 public:
  // Whether a candidate text may replace the current one (the control's
  // test that the text still fits); none means any text may.
  using FitTest = std::function<bool(const std::string&)>;

  const std::string& text() const { return text_; }
  size_t size() const { return text_.size(); }
  size_t caret() const { return caret_; }
  size_t anchor() const { return anchor_; }
  size_t start() const { return std::min(anchor_, caret_); }
  size_t end() const { return std::max(anchor_, caret_); }
  bool hasSelection() const { return anchor_ != caret_; }
  std::string selectedText() const { return text_.substr(start(), end() - start()); }

  size_t limit() const { return limit_; }
  void setLimit(size_t limit) { limit_ = limit; }
  void setDigitsOnly(bool digitsOnly) { digitsOnly_ = digitsOnly; }
  void setFitTest(FitTest fits) { fits_ = std::move(fits); }

  // Replaces everything, selects nothing (caret at 0) and forgets undo.
  // Neither the limit nor the digit rule applies: the program sets it.
  void reset(std::string_view text);
  // Selection: positions are clamped to the text.
  void select(size_t anchor, size_t caret);
  void moveCaret(size_t caret, bool extend);

  enum class Kind { Typing, Other };
  // What became of a replacement: made; nothing changed (the digit rule
  // refused it, or there was nothing to insert and nothing selected); or
  // stopped by the limit or the fit test (the control is full), with the
  // part of the insert that had room under the limit put in.
  enum class Outcome { Made, Unchanged, Full };
  // Puts insert in place of the selection, the caret after it. checked:
  // apply the digit rule (typing and pasting do; the program's
  // EM_REPLACESEL does not).
  Outcome replaceSelection(std::string_view insert, Kind kind, bool checked = true);
  // Deletes the selection, or when there is none, the character before
  // (backward) or after the caret. False when nothing was deleted.
  bool erase(bool backward);

  bool canUndo() const { return hasUndo_; }
  bool undo();
  void forgetUndo() { hasUndo_ = false; }

  // Word boundaries for Ctrl+arrows and double clicks: the start of the
  // word before pos, the start of the next word after pos, and the word
  // (with the blanks that follow it) around pos.
  size_t previousWordStart(size_t pos) const;
  size_t nextWordStart(size_t pos) const;
  std::pair<size_t, size_t> wordAround(size_t pos) const;

 private:
  struct Snapshot {
    std::string text;
    size_t anchor = 0;
    size_t caret = 0;
  };

  // The longest start of insert that keeps the text within the limit,
  // never ending between a carriage return and its line feed.
  std::string_view withinLimit(std::string_view insert) const;
  void rememberForUndo(Kind kind);

  std::string text_;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  size_t limit_ = 32767;
  bool digitsOnly_ = false;
  FitTest fits_;
  Snapshot undo_;
  bool hasUndo_ = false;
  // The caret position where the running typing change goes on.
  size_t typingAt_ = std::string::npos;
};

}  // namespace platform::controls
