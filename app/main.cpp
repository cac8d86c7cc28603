// The velmaro program: the calculator for a person, or run by a script.
#include <cstdio>
#include <cstring>
#include <ext/stdio_sync_filebuf.h>
#include <fstream>
#include <sstream>

#include "app/program_surroundings.h"
#include "app/script_driver.h"
#include "platform/win32.h"
#include "runtime/startup/entry.h"

namespace {

const char kUsage[] =
    "Usage: velmaro [--script FILE]\n"
    "\n"
    "Without options, opens the golden-section calculator in a window.\n"
    "\n"
    "  --script FILE  runs the calculator by a script (on Linux without a\n"
    "                 window) and carries out the commands of FILE (- for\n"
    "                 standard input), one a line:\n"
    "                   click ITEM, set ITEM TEXT, type TEXT, key KEY,\n"
    "                   print ITEM, screenshot FILE\n"
    "  --help         shows this text\n";

// The script is read whole before requests to end the program from outside
// are taken over, so that Ctrl+C still ends a program that waits for its
// script on a terminal. A run that such a request ended stops where it was:
// the lines it did not reach are no fault of the script. It reads and writes
// through C's standard files: <iostream> would make its streams and their
// locale at every start, the window's too (0.4 MiB more resident memory).
int runScript(const char* path) {
  std::ifstream file;
  if (std::strcmp(path, "-") != 0) {
    file.open(path);
    if (!file) {
      std::fprintf(stderr, "velmaro: cannot read the script \"%s\"\n", path);
      return 2;
    }
  }
  __gnu_cxx::stdio_sync_filebuf<char> standardInput(stdin), standardOutput(stdout);
  std::stringstream script;
  script << (file.is_open() ? static_cast<std::streambuf*>(file.rdbuf()) : &standardInput);
  velmaro::CloseOnTerminationRequests();
  std::ostream output(&standardOutput);
  velmaro::ScriptResult result = velmaro::RunScript(script, output);
  if (velmaro::TerminationRequested()) return 0;
  if (!result.error.empty()) std::fprintf(stderr, "velmaro: %s\n", result.error.c_str());
  return result.status;
}

}  // namespace

int main(int argc, char** argv) {
  velmaro::EndLinesWithLinefeeds();
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "--script") == 0) return runScript(argv[2]);
  if (argc != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  // A person runs the program. Without a display it says so in one line
  // and ends. A request from outside closes its window, and it ends as
  // File, Exit ends it.
  velmaro::CloseOnTerminationRequests();
  if (!velmaro::OpenDisplay()) return 1;
  return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
}
