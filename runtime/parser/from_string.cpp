#include "runtime/parser/from_string.h"

#include "runtime/parser/reader.h"
#include "runtime/parser/tokenizer.h"
#include "runtime/values/unparse.h"

namespace {

// Texts read while the parser runs print quoted, whatever the caller set.
class QuotesOn {
 public:
  QuotesOn() : saved_(ovUseQuotes(1)) {}
  ~QuotesOn() { ovUseQuotes(saved_); }
  QuotesOn(const QuotesOn&) = delete;
  QuotesOn& operator=(const QuotesOn&) = delete;

 private:
  uint32_t saved_;
};

int fail(ovC_object** out, uint32_t* errorOffset, uint32_t offset) {
  *out = nullptr;
  *errorOffset = offset;
  return 1;
}

// One value must take every token; extra tokens fail at the second token.
int readWhole(TokenTable* table, ovC_object** out, uint32_t* errorOffset) {
  TokenData* tokens = table->Tokens();
  uint32_t count = table->Count();
  if (count == 0) return fail(out, errorOffset, 0);
  uint32_t remaining = 0;
  ovC_object* value = nullptr;
  if (ovParseTokens(tokens, count, &remaining, &value, errorOffset)) return fail(out, errorOffset, *errorOffset);
  if (remaining) {
    ovDecUse(value);
    return fail(out, errorOffset, tokens[1].offset);
  }
  *out = value;
  return 0;
}

}  // namespace

int ovFromString(ovC_object* text, ovC_object** out, uint32_t* errorOffset) {
  if (!ovIsKind(text, ovKindText)) return fail(out, errorOffset, 0);
  QuotesOn quotes;
  auto* t = ovAs<ovC_text>(text);
  TokenTable* table = ovInitParse();
  ovParseAll(table, reinterpret_cast<const unsigned char*>(t->Chars()), t->length);
  int failed = readWhole(table, out, errorOffset);
  ovParseDispose(table);
  return failed;
}
