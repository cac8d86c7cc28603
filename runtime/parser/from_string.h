// Reading a value from its textual form: numbers, quoted texts, character
// constants, the words TRUE, FALSE, NONE, UNDEFINED and NULL, other words and
// operator runs (which read as texts), lists in parentheses, and points,
// colours and rects in braces.
#pragma once

#include <cstdint>

#include "runtime/values/value.h"

// Reads the text value text as one value. Returns 0 with the made value in
// *out (nullptr for NULL); or 1 with *out nullptr and the byte offset where
// reading failed in *errorOffset. Empty text, white space only, or anything
// but a text fails at offset 0.
int ovFromString(ovC_object* text, ovC_object** out, uint32_t* errorOffset);
