// Runs the velmaro program with a script on its standard input and gathers
// what it prints and how it ends.
#pragma once

#include <string>

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs `velmaro --script -` (the program built with the tests) on script.
ProgramRun RunVelmaroScript(const std::string& script);
// Runs velmaro with the arguments given (a shell word list).
ProgramRun RunVelmaro(const std::string& arguments);
// The bytes of a file (empty when it cannot be read).
std::string ReadFile(const std::string& path);
