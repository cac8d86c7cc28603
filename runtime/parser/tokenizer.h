// The tokenizer: cuts a whole text into the token table.
#pragma once

#include <cstdint>

#include "runtime/parser/token_table.h"

// Appends the tokens of the length characters at text to table. Stops after
// an error token, at a character no scanner accepts.
void ovParseAll(TokenTable* table, const unsigned char* text, uint32_t length);
