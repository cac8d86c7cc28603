// orvane print: reads values in the textual value form and prints each back
// as the run-time prints it, one output line per input.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "runtime/parser/from_string.h"
#include "runtime/values/make.h"
#include "runtime/values/text.h"
#include "runtime/values/unparse.h"
#include "runtime/values/value_ref.h"
#include "tools/orvane/command.h"

namespace {

// Parses input and writes its printed form, or "error at offset N", and a
// newline. False when the input did not parse.
bool printOne(std::string_view input) {
  ovRef text = ovRef::adopt(ovMakeTextFromString(input.data(), static_cast<uint32_t>(input.size())));
  ovC_object* value = nullptr;
  uint32_t errorOffset = 0;
  if (ovFromString(text.get(), &value, &errorOffset)) {
    std::printf("error at offset %u\n", errorOffset);
    return false;
  }
  ovRef held = ovRef::adopt(value);
  ovC_object* printed = nullptr;
  ovUnparse(value, &printed);
  ovRef printedText = ovRef::adopt(printed);
  if (printed) std::fwrite(ovStringGetPtr(printed), 1, ovStringGetLength(printed), stdout);
  std::fputc('\n', stdout);
  return true;
}

bool printLines(std::istream& in) {
  bool allParsed = true;
  std::string line;
  while (std::getline(in, line)) allParsed &= printOne(line);
  return allParsed;
}

int run(int argc, char** argv) {
  if (argc == 0) {
    std::fputs("usage: orvane print TEXT... | orvane print -\n", stderr);
    return kOrvaneUsageError;
  }
  std::ios::sync_with_stdio(false);
  bool allParsed = true;
  for (int i = 0; i < argc; ++i) {
    std::string_view argument = argv[i];
    allParsed &= argument == "-" ? printLines(std::cin) : printOne(argument);
  }
  return allParsed ? kOrvaneSuccess : kOrvaneInputFailed;
}

}  // namespace

extern const OrvaneCommand orvaneCommand_print = {
    "print",
    "TEXT... | -",
    "    Reads each TEXT as a value and prints the value back on a line of its\n"
    "    own, or \"error at offset N\" when it does not read. \"-\" reads every\n"
    "    line of standard input the same way, one output line per input line.\n"
    "    Exits with 1 when any input failed to read.\n",
    run,
};
