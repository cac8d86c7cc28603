// Printing values in the textual value form that the value parser reads.
//
// The print flag is 1 when the text only describes the value (externals,
// pointers, and lists that hold one or refer back to themselves) and 0 when
// it is the value's own textual form.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/values/value.h"

// The text that stands for a list already being printed by an enclosing call.
inline constexpr char kpszDefaultBadUnparse[] = "~";

// Stores the printed form of v in *out as a made text and returns the print
// flag. A text printed with quotes off is v itself; a pointer without a type
// record stores nullptr.
int ovUnparse(ovC_object* v, ovC_object** out);

// Appends the printed form of v to out; returns the print flag.
int ovUnparseAppend(ovC_object* v, std::string& out);

// Sets whether texts print with quotes (1) or as themselves (0); returns the
// previous setting.
uint32_t ovUseQuotes(uint32_t flag);
