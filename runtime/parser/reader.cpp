// Lists nest by an explicit stack rather than by recursion, so a text of a
// million "(" fails cleanly instead of exhausting the machine stack. The
// elements of every open list wait on one stack of their own and each list
// is made once, at its ")", with exactly its length.
#include "runtime/parser/reader.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"

namespace {

bool isReserved(const TokenData& token, char c) { return token.type == ovTokenReserved && token.reserved == c; }

bool isWord(ovC_object* text, std::string_view word) {
  auto* t = ovAs<ovC_text>(text);
  return t->length == word.size() && std::memcmp(t->Chars(), word.data(), word.size()) == 0;
}

// The value of a token read as a value. Each token is read at most once, so
// the reader takes over the token's own use rather than adding one. A word
// gives its text, unless it is one of the reserved words.
ovC_object* takeValue(TokenData& token) {
  ovC_object* value = std::exchange(token.value, nullptr);
  if (token.type != ovTokenWord) return value;
  ovRef text = ovRef::adopt(value);
  if (isWord(value, "TRUE")) return ovMakeBoolean(1);
  if (isWord(value, "FALSE")) return ovMakeBoolean(0);
  if (isWord(value, "UNDEFINED")) return ovMakeUndef();
  if (isWord(value, "NULL")) return nullptr;
  if (isWord(value, "NONE")) return ovMakeNone();
  return text.release();
}

class Reader {
 public:
  Reader(TokenData* tokens, uint32_t count) : tokens_(tokens), count_(count) {}

  ~Reader() {
    for (ovC_object* element : elements_) ovDecUse(element);
  }

  // The next complete value, or false on failure.
  bool Read(ovRef& result) {
    while (true) {
      ovRef value;
      Step step = Next(value);
      if (step == Step::kFailed) return false;
      if (step == Step::kOpened) continue;
      if (open_.empty()) {
        result = std::move(value);
        return true;
      }
      elements_.push_back(value.release());
    }
  }

  uint32_t Position() const { return pos_; }
  uint32_t ErrorOffset() const { return errorOffset_; }

 private:
  enum class Step { kValue, kOpened, kFailed };

  struct OpenList {
    uint32_t openIndex;     // token index of its "("
    size_t firstElement;    // where its elements start in elements_
  };

  Step Next(ovRef& value) {
    if (pos_ == count_) return open_.empty() ? Step::kValue : FailUnclosed();
    const TokenData& token = tokens_[pos_];
    if (!open_.empty() && isReserved(token, ')')) return CloseDlist(value);
    if (isReserved(token, '(')) {
      open_.push_back({pos_++, elements_.size()});
      return Step::kOpened;
    }
    if (isReserved(token, '{')) return ParsePtRectRGB(value);
    return ParseToken(value);
  }

  Step CloseDlist(ovRef& value) {
    ++pos_;
    size_t first = open_.back().firstElement;
    open_.pop_back();
    auto* list = ovC_list::Create(static_cast<uint32_t>(elements_.size() - first));
    std::copy(elements_.begin() + static_cast<ptrdiff_t>(first), elements_.end(), list->Elements());
    elements_.resize(first);
    value = ovRef::adopt(list);
    return Step::kValue;
  }

  // Tokens ran out inside a list: the offset of its "(" when that was the
  // last token, else 0.
  Step FailUnclosed() {
    uint32_t openIndex = open_.back().openIndex;
    return Fail(openIndex + 1 == count_ ? tokens_[openIndex].offset : 0);
  }

  bool IsIntegerAt(uint32_t i) const { return i < count_ && tokens_[i].type == ovTokenInteger; }

  int32_t IntegerAt(uint32_t i) const { return ovAs<ovC_integer>(tokens_[i].value)->value; }

  // "{" with two, three or four integers and "}": a point (v h), a colour
  // (red green blue) or a rect (top left bottom right).
  Step ParsePtRectRGB(ovRef& value) {
    uint32_t brace = pos_;
    uint32_t n = 0;
    while (n < 4 && IsIntegerAt(brace + 1 + n)) ++n;
    uint32_t end = brace + 1 + n;
    if (n < 2 || end >= count_ || !isReserved(tokens_[end], '}')) return Fail(tokens_[brace].offset);
    value = ovRef::adopt(MakeBraced(brace + 1, n));
    pos_ = end + 1;
    return Step::kValue;
  }

  ovC_object* MakeBraced(uint32_t first, uint32_t n) const {
    auto at = [this, first](uint32_t k) { return IntegerAt(first + k); };
    if (n == 2) return ovMakePointWin(at(1), at(0));
    if (n == 3) return ovMakeRGB(static_cast<uint16_t>(at(0)), static_cast<uint16_t>(at(1)), static_cast<uint16_t>(at(2)));
    return ovMakeRectMac(at(0), at(1), at(2), at(3));
  }

  Step ParseToken(ovRef& value) {
    TokenData& token = tokens_[pos_];
    if (token.type == ovTokenError || token.type == ovTokenReserved) return Fail(token.offset);
    ++pos_;
    value = ovRef::adopt(takeValue(token));
    return Step::kValue;
  }

  Step Fail(uint32_t offset) {
    errorOffset_ = offset;
    return Step::kFailed;
  }

  TokenData* tokens_;
  uint32_t count_;
  uint32_t pos_ = 0;
  uint32_t errorOffset_ = 0;
  std::vector<OpenList> open_;
  std::vector<ovC_object*> elements_;  // owned; the elements of every open list
};

}  // namespace

int ovParseTokens(TokenData* first, uint32_t count, uint32_t* remaining, ovC_object** value, uint32_t* errorOffset) {
  Reader reader(first, count);
  ovRef result;
  if (!reader.Read(result)) {
    *value = nullptr;
    *errorOffset = reader.ErrorOffset();
    return 1;
  }
  *remaining = count - reader.Position();
  *value = result.release();
  return 0;
}
