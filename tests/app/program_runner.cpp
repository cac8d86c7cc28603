#include "program_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// A folder of its own for one run's files.
std::string freshFolder() {
  char pattern[] = "/tmp/velmaro-run-XXXXXX";
  const char* made = mkdtemp(pattern);
  return made ? made : "/tmp";
}

ProgramRun run(const std::string& arguments, const std::string& input) {
  std::string folder = freshFolder();
  std::ofstream(folder + "/in") << input;
  std::string command = std::string(VELMARO_PROGRAM) + " " + arguments + " < " + folder + "/in > " + folder +
                        "/out 2> " + folder + "/err";
  int raw = std::system(command.c_str());
  ProgramRun result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadFile(folder + "/out");
  result.err = ReadFile(folder + "/err");
  std::system(("rm -rf " + folder).c_str());
  return result;
}

}  // namespace

ProgramRun RunVelmaroScript(const std::string& script) { return run("--script -", script); }

ProgramRun RunVelmaro(const std::string& arguments) { return run(arguments, ""); }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}
