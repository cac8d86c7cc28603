// Runs velmaro.exe as a shell's redirections would: standard input from a
// file, what it writes to standard output and error into files of the
// run's own.
#include <windows.h>

#include <fstream>
#include <sstream>

#include "program_runner.h"
#include "program_process.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

// A file the child inherits as one of its standard handles.
HANDLE inheritableFile(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

ProgramRun run(const std::string& arguments, const std::string& input) {
  char temporary[MAX_PATH];
  GetTempPathA(MAX_PATH, temporary);
  std::string base = std::string(temporary) + "velmaro-run-" + std::to_string(GetCurrentProcessId());
  std::ofstream(base + ".in", std::ios::binary) << input;
  HANDLE in = inheritableFile(base + ".in", GENERIC_READ, OPEN_EXISTING);
  HANDLE out = inheritableFile(base + ".out", GENERIC_WRITE, CREATE_ALWAYS);
  HANDLE err = inheritableFile(base + ".err", GENERIC_WRITE, CREATE_ALWAYS);
  ProgramRun result;
  PROCESS_INFORMATION process = StartVelmaro(arguments, {in, out, err});
  CloseHandle(in);
  CloseHandle(out);
  CloseHandle(err);
  if (process.hProcess) result.status = WaitForExit(process);
  result.out = readFile(base + ".out");
  result.err = readFile(base + ".err");
  for (const char* extension : {".in", ".out", ".err"}) DeleteFileA((base + extension).c_str());
  return result;
}

}  // namespace

ProgramRun RunVelmaroScript(const std::string& script) { return run("--script -", script); }

ProgramRun RunVelmaro(const std::string& arguments) { return run(arguments, ""); }
