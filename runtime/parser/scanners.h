// The token scanners of the value text parser. Each is given the text at the
// current character and the number of characters left, and returns how many
// characters its token takes (0: no match). Those that make a value store it
// in *value as a made value.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// The longest run of characters whose class meets mask.
uint32_t ovParseType(const unsigned char* p, uint32_t left, uint16_t mask);

// A quoted run opened by p[0]: inside, the quote doubled stands for itself;
// the next single quote closes. No match without a closing quote or when a
// character of no class (0xFF) comes first.
struct ovQuoteScan {
  uint32_t consumed;  // quotes included; 0 for no match
  uint32_t length;    // characters inside, each doubled quote counted once
};
ovQuoteScan ovParseQuote(const unsigned char* p, uint32_t left);

// A double-quoted string: a text of its characters.
uint32_t ovParseStrQuote(const unsigned char* p, uint32_t left, ovC_object** value);
// A single-quoted character constant: an integer of its bytes, the first in
// the most significant position; only the last four count.
uint32_t ovParseIntQuote(const unsigned char* p, uint32_t left, ovC_object** value);
// A word of letters, "_" and digits: a text.
uint32_t ovParseLetter(const unsigned char* p, uint32_t left, ovC_object** value);
// One reserved character; no value.
uint32_t ovParseReserved(const unsigned char* p, uint32_t left);
// A run of operator characters: a text.
uint32_t ovParseSpecial(const unsigned char* p, uint32_t left, ovC_object** value);
