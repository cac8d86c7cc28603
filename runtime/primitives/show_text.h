// What "show" displays (runtime/dialogs shows it).
#pragma once

#include <span>
#include <string>

#include "runtime/values/value.h"

// Each value printed in turn, with no separator: a text as its characters,
// a list in its printed form with the texts inside it quoted, anything else
// as it prints. The quoting setting is the same afterwards.
std::string ovShowText(std::span<ovC_object* const> values);
