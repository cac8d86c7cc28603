// A sub-command of the orvane tool. Each one is defined in its own
// <name>_command.cpp as `const OrvaneCommand orvaneCommand_<name>` and listed
// once in commands.def.
#pragma once

// Exit statuses shared by the sub-commands.
constexpr int kOrvaneSuccess = 0;
constexpr int kOrvaneInputFailed = 1;
constexpr int kOrvaneUsageError = 2;

struct OrvaneCommand {
  const char* name;
  const char* arguments;  // shown after the name in the help
  const char* help;       // what it does, one or more lines
  // Runs with the arguments after the command name; the run-time is started.
  int (*run)(int argc, char** argv);
};
