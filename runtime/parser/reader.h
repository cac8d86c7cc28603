// The reader: values from the token table.
#pragma once

#include <cstdint>

#include "runtime/parser/token_table.h"

// Reads one value from the count tokens starting at first. On success
// returns 0, stores the value (a made value; nullptr for the word NULL, or
// when count is 0) in *value and the number of tokens after it in
// *remaining. On failure returns 1 with *value nullptr and the byte offset
// where reading failed in *errorOffset.
int ovParseTokens(TokenData* first, uint32_t count, uint32_t* remaining, ovC_object** value, uint32_t* errorOffset);
