// The token table: what the tokenizer cuts a text into and the reader reads
// values from. One table serves the process; every parse empties it at the
// end. Growth doubles the capacity, so filling the table is linear in the
// number of tokens.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

enum ovTokenType : uint32_t {
  ovTokenError = 0,     // a character no scanner accepts; tokenizing stopped there
  ovTokenReserved = 1,  // ( ) [ ] { }
  ovTokenString = 2,
  ovTokenWord = 3,
  ovTokenInteger = 4,
  ovTokenReal = 5,
};

struct TokenData {
  uint32_t offset = 0;  // byte offset of the token's first character
  uint32_t type = 0;    // ovTokenType
  uint32_t index = 0;   // position in the table
  char reserved = 0;    // the character of a reserved token
  ovC_object* value = nullptr;  // owned; nullptr for error and reserved tokens
};

class TokenTable {
 public:
  TokenTable() = default;
  ~TokenTable();
  TokenTable(const TokenTable&) = delete;
  TokenTable& operator=(const TokenTable&) = delete;

  // Appends a token, taking over value's use.
  void Append(uint32_t offset, uint32_t type, ovC_object* value, char reserved = 0);
  TokenData* Tokens() { return tokens_; }
  uint32_t Count() const { return count_; }
  // Releases every token's value and empties the table; its storage is kept
  // for the next parse.
  void Dispose();

 private:
  void Grow();

  TokenData* tokens_ = nullptr;
  uint32_t count_ = 0;
  uint32_t capacity_ = 0;
};

// The process's token table, made on first use.
TokenTable* ovInitParse();
void ovParseDispose(TokenTable* table);
