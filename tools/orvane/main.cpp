// orvane: command-line access to the Orvane run-time. The first argument
// names a sub-command; the run-time is started around it.
#include <cstdio>
#include <cstring>

#include "runtime/startup/runtime_startup.h"
#include "tools/orvane/command.h"

#define ORVANE_COMMAND(name) extern const OrvaneCommand orvaneCommand_##name;
#include "tools/orvane/commands.def"
#undef ORVANE_COMMAND

namespace {

const OrvaneCommand* const kCommands[] = {
#define ORVANE_COMMAND(name) &orvaneCommand_##name,
#include "tools/orvane/commands.def"
#undef ORVANE_COMMAND
};

void printHelp(FILE* out) {
  std::fputs("usage: orvane COMMAND [ARGUMENT...]\n       orvane --help\n\nCommands:\n", out);
  for (const OrvaneCommand* command : kCommands)
    std::fprintf(out, "\n  orvane %s %s\n%s", command->name, command->arguments, command->help);
}

const OrvaneCommand* findCommand(const char* name) {
  for (const OrvaneCommand* command : kCommands)
    if (std::strcmp(command->name, name) == 0) return command;
  return nullptr;
}

bool asksForHelp(const char* argument) {
  return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0 ||
         std::strcmp(argument, "help") == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printHelp(stderr);
    return kOrvaneUsageError;
  }
  if (asksForHelp(argv[1])) {
    printHelp(stdout);
    return kOrvaneSuccess;
  }
  const OrvaneCommand* command = findCommand(argv[1]);
  if (!command) {
    std::fprintf(stderr, "orvane: unknown command '%s' (see orvane --help)\n", argv[1]);
    return kOrvaneUsageError;
  }
  ovRunTimeStartup();
  int status = command->run(argc - 2, argv + 2);
  ovRunTimeShutdown();
  return status;
}
